// The toolbar: the most used commands as 16 by 16 pictures, and the chooser
// of the sheets of the open set.
#include <gtk/gtk.h>
#include <wx/combobox.h>
#include <wx/toolbar.h>

#include "CommandIds.h"
#include "ToolPictures.h"
#include "ZAVFrame.h"

using namespace zavgui;

namespace {

struct Tool {
    int id;  // 0 for a separator
    ToolPictureId picture;
    zav::TextId tip;  // the menu label of the same command
};

constexpr Tool kSeparator{0, ToolPictureId::New, zav::TextId{}};

constexpr Tool kTools[] = {
    {ID_NEW_SHEET, ToolPictureId::New, zav::TextId::MenuNewSheet},
    {ID_OPEN_SHEET, ToolPictureId::Open, zav::TextId::MenuOpenSheet},
    kSeparator,
    {ID_SAVE_SHEET, ToolPictureId::Save, zav::TextId::MenuSaveSheet},
    kSeparator,
    {ID_VIEW_BOTH, ToolPictureId::ChampChall, zav::TextId::MenuViewBoth},
    {ID_VIEW_CHAMP, ToolPictureId::ChampOnly, zav::TextId::MenuViewCompetition},
    {ID_VIEW_CHALL, ToolPictureId::ChallOnly, zav::TextId::MenuViewChallenge},
    kSeparator,
    {ID_SCORE_SHEET, ToolPictureId::Score, zav::TextId::MenuShowSheet},
    {ID_PRINT, ToolPictureId::ScorePrint, zav::TextId::MenuPrintSheet},
    {ID_EXPORT_HTML, ToolPictureId::ScoreHtml, zav::TextId::MenuExportSheetHtml},
    kSeparator,
    {ID_STAFF_SHEET, ToolPictureId::Staff, zav::TextId::MenuShowStaff},
    {ID_PRINT_STAFF, ToolPictureId::StaffPrint, zav::TextId::MenuPrintStaff},
    {ID_EXPORT_STAFF_HTML, ToolPictureId::StaffHtml, zav::TextId::MenuExportStaffHtml},
    kSeparator,
    {ID_EQUIP_LIST, ToolPictureId::Equip, zav::TextId::MenuShowEquipment},
    {ID_PRINT_EQUIP, ToolPictureId::EquipPrint, zav::TextId::MenuPrintEquipment},
    {ID_EXPORT_EQUIP_HTML, ToolPictureId::EquipHtml, zav::TextId::MenuExportEquipmentHtml},
    kSeparator,
    {ID_PLACEMENT, ToolPictureId::Placem, zav::TextId::MenuShowPlacement},
    {ID_PRINT_PLACEMENT, ToolPictureId::PlacemPrint, zav::TextId::MenuPrintPlacement},
    kSeparator,
    {ID_GAME_RESULT, ToolPictureId::Result, zav::TextId::MenuGameResult},
    kSeparator,
    {ID_TIE_BREAK, ToolPictureId::TieBreak, zav::TextId::MenuTieBreak},
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
            toolBar->AddTool(tool.id, wxEmptyString, ToolBitmap(tool.picture), Tx(tool.tip));
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
