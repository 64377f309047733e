// The list of officials of the heat: assistant referees with their group, and
// the arena party each team provides.
#pragma once

#include <string>

#include "report/PageFrame.h"
#include "report/PageStyle.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// At least this many rows, so a small heat still has room for the referees.
constexpr int kMinStaffRows = 6;

std::string PrepareHtmlStaff(const ScoreSheet& sheet, OutputTarget target, int wxLanguage,
                             const PageStyle& style);

}  // namespace zav
