// The toolbar pictures and the program icon, compiled into the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>

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
const char* const* ProgramIconXpm();

inline wxBitmap ToolBitmap(ToolPictureId id) {
    return wxBitmap(ToolPicture(id));
}
inline wxIcon ProgramIcon() {
    return wxIcon(ProgramIconXpm());
}

}  // namespace zavgui
