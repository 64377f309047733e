// The toolbar pictures, drawn as SVG and compiled into the program.
#pragma once

#include <wx/bmpbndl.h>

namespace zavgui {

// In toolbar order.
enum class ToolPictureId {
    New,
    Open,
    Save,
    ChampChall,
    ChampOnly,
    ChallOnly,
    Score,
    ScorePrint,
    ScoreHtml,
    Staff,
    StaffPrint,
    StaffHtml,
    Equip,
    EquipPrint,
    EquipHtml,
    Placem,
    PlacemPrint,
    Result,
    TieBreak,
};

// The picture at 16 pixels, drawn anew at the size each screen scaling asks
// for (24 pixels at 150 %, 32 at 200 %), so it stays sharp at every one.
wxBitmapBundle ToolBitmaps(ToolPictureId id);

}  // namespace zavgui
