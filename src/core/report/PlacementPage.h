// Where the equipment of each game stands in the arena: one catalogue picture
// per game, named by the game's text number in the interface language
// ("2140.png" for the first English catalogue game), found in the program's
// folder by the window and the printer.
#pragma once

#include <string>

#include "report/PageFrame.h"
#include "report/PageStyle.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// The page shown in the window: header block, then each game's title line and
// picture.
std::string PrepareHtmlPlacement(const ScoreSheet& sheet, OutputTarget target, Language language,
                                 const PageStyle& style);

// The printable document: no header block, one game per page, pictures at a
// fixed 540 by 405 pixels.
std::string PrintHtmlPlacementDocument(const ScoreSheet& sheet, Language language);

}  // namespace zav
