// The equipment list: for each game of the heat in running order, the
// equipment the arena party must prepare (catalogue games only).
#pragma once

#include <string>

#include "report/PageFrame.h"
#include "report/PageStyle.h"
#include "sheet/ScoreSheet.h"

namespace zav {

std::string PrepareHtmlEquip(const ScoreSheet& sheet, OutputTarget target, Language language,
                             const PageStyle& style);

}  // namespace zav
