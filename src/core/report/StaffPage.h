// The list of officials of the heat: assistant referees with their group, and
// the arena party each team provides.
#pragma once

#include <string>

#include "report/PageFrame.h"
#include "report/PageStyle.h"
#include "sheet/ScoreSheet.h"

namespace zav {

std::string PrepareHtmlStaff(const ScoreSheet& sheet, OutputTarget target, Language language,
                             const PageStyle& style);

}  // namespace zav
