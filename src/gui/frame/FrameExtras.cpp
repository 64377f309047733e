// Data entry that completes a heat's sheet: the add-on column and the names
// of the assistant referees and the arena party.
#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "frame/ZAVFrame.h"

using namespace zavgui;

void wxZAVFrame::OnColumnSup(wxCommandEvent&) {
    if (!RequireSheet()) return;
    ColumnSupDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
}

void wxZAVFrame::OnARefereeNames(wxCommandEvent&) {
    if (!RequireSheet()) return;
    ARefereeNamesDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
}

void wxZAVFrame::OnPlaceurNames(wxCommandEvent&) {
    if (!RequireSheet()) return;
    PlaceurNamesDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
}
