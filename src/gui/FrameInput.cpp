// Data entry: the heat's general data, its teams and its games.
#include "GameListDialog.h"
#include "GeneralDataDialog.h"
#include "TeamsDialog.h"
#include "ZAVFrame.h"
#include "sheet/ResultEntry.h"

using namespace zavgui;

void wxZAVFrame::SheetChanged() {
    iSheetState = kSheetChanged;
    ComputeDisplaySheet();
    if (iSaveAuto == 1) SaveAuto();
}

void wxZAVFrame::OnGeneralData(wxCommandEvent&) {
    if (!RequireSheet()) return;
    GeneralDataDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() != wxID_OK) return;
    if (sheet.iChallengeScoring != 0) {
        EnableMenuChallenge(1);
        // The check mark now says both rankings are shown: make it true.
        view = zav::SheetView{};
    } else {
        EnableMenuChallenge(0);
        zav::ClearChallenge(sheet);
    }
    SheetChanged();
}

void wxZAVFrame::OnTeamsData(wxCommandEvent&) {
    if (!RequireSheet()) return;
    TeamsDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
    // Checked after Cancel too: flags stored earlier may already be too many.
    zav::WarnIfChallengeIncoherent(sheet, Reporter());
}

void wxZAVFrame::OnGamesList(wxCommandEvent&) {
    if (!RequireSheet()) return;
    GameListDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
}
