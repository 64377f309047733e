// The toolbar: the most used commands as 16 by 16 pictures, and the chooser
// of the sheets of the open set.
#include <gtk/gtk.h>
#include <wx/combobox.h>
#include <wx/toolbar.h>

#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "support/ToolPictures.h"

using namespace zavgui;

namespace {

struct Tool {
    int id;  // 0 for a separator
    ToolPictureId picture;
    int tipOffset;  // the menu label of the same command
};

constexpr Tool kSeparator{0, ToolPictureId::New, 0};

constexpr Tool kTools[] = {
    {ID_NEW_SHEET, ToolPictureId::New, 0},
    {ID_OPEN_SHEET, ToolPictureId::Open, 1},
    kSeparator,
    {ID_SAVE_SHEET, ToolPictureId::Save, 2},
    kSeparator,
    {ID_VIEW_BOTH, ToolPictureId::ChampChall, 44},
    {ID_VIEW_CHAMP, ToolPictureId::ChampOnly, 45},
    {ID_VIEW_CHALL, ToolPictureId::ChallOnly, 46},
    kSeparator,
    {ID_SCORE_SHEET, ToolPictureId::Score, 40},
    {ID_PRINT, ToolPictureId::ScorePrint, 5},
    {ID_EXPORT_HTML, ToolPictureId::ScoreHtml, 7},
    kSeparator,
    {ID_STAFF_SHEET, ToolPictureId::Staff, 41},
    {ID_PRINT_STAFF, ToolPictureId::StaffPrint, 8},
    {ID_EXPORT_STAFF_HTML, ToolPictureId::StaffHtml, 9},
    kSeparator,
    {ID_EQUIP_LIST, ToolPictureId::Equip, 42},
    {ID_PRINT_EQUIP, ToolPictureId::EquipPrint, 10},
    {ID_EXPORT_EQUIP_HTML, ToolPictureId::EquipHtml, 11},
    kSeparator,
    {ID_PLACEMENT, ToolPictureId::Placem, 43},
    {ID_PRINT_PLACEMENT, ToolPictureId::PlacemPrint, 12},
    kSeparator,
    {ID_GAME_RESULT, ToolPictureId::Result, 27},
    kSeparator,
    {ID_TIE_BREAK, ToolPictureId::TieBreak, 28},
};

}  // namespace

void wxZAVFrame::CreateToolbar() {
    wxToolBar* toolBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT, ID_TOOLBAR);
    toolBar->SetToolSeparation(50);
    toolBar->SetToolBitmapSize(wxSize(16, 16));
    for (const Tool& tool : kTools) {
        if (tool.id == 0)
            toolBar->AddSeparator();
        else
            toolBar->AddTool(tool.id, wxEmptyString, ToolBitmap(tool.picture), Tx(tool.tipOffset));
    }
    toolBar->AddSeparator();
    // Sorted and read-only: the user picks one of the set's sheets, always
    // listed alphabetically. Narrow enough for the toolbar of the smallest
    // window (GTK hides a tool that does not fit), widened with the window
    // by FitSheetChooser; its list opens as wide as the longest name.
    pSheetCombo = new wxComboBox(toolBar, ID_SHEET_COMBO, wxEmptyString, wxDefaultPosition,
                                 wxSize(kSheetChooserMinWidth, -1), aSheetNames,
                                 wxCB_DROPDOWN | wxCB_READONLY | wxCB_SORT);
    gtk_combo_box_set_popup_fixed_width(GTK_COMBO_BOX(pSheetCombo->GetHandle()), FALSE);
    toolBar->AddControl(pSheetCombo);
    toolBar->Realize();
    SetToolBar(toolBar);
}
