// Data entry: the heat's general data, its teams and its games.
#include <wx/msgdlg.h>

#include "dialogs/GameListDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/TeamsDialog.h"
#include "frame/ZAVFrame.h"

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
    } else {
        EnableMenuChallenge(0);
        for (int t = 0; t < zav::TeamsInUse(sheet); ++t) {
            sheet.iChallengeTeam[t] = 0;
            sheet.fChallengePreviousScore[t] = 0;
        }
        sheet.sChallengeTitle.clear();
    }
    SheetChanged();
}

void wxZAVFrame::OnTeamsData(wxCommandEvent&) {
    if (!RequireSheet()) return;
    TeamsDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
    // Checked after Cancel too: flags stored earlier may already be too many.
    if (ChallengeTeamsIncoherent(sheet))
        wxMessageBox(Tx(zav::txt::kChallengeIncoherent), sAppli, wxOK | wxICON_ERROR, this);
}

void wxZAVFrame::OnGamesList(wxCommandEvent&) {
    if (!RequireSheet()) return;
    GameListDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
}
