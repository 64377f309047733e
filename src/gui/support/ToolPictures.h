// The toolbar pictures, compiled into the program.
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
constexpr int kToolPictureCount = 19;

const char* const* ToolPicture(ToolPictureId id);

// The picture at 16 pixels, and at 24 and 32 for 150 % and 200 % scaling:
// each drawn pixel becomes a block of screen pixels, so the pictures stay
// sharp where the toolkit would smooth them.
wxBitmapBundle ToolBitmaps(ToolPictureId id);

}  // namespace zavgui
