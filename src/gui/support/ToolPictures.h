// The toolbar pictures, compiled into the program.
#pragma once

#include <wx/bitmap.h>

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

inline wxBitmap ToolBitmap(ToolPictureId id) {
    return wxBitmap(ToolPicture(id));
}

}  // namespace zavgui
