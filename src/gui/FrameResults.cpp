// Data entry during the heat: game results, tie-break, points from previous
// heats and 'Challenge' heats, and the withdrawal of a team before the start.
#include <wx/msgdlg.h>

#include "DeleteTeamDialog.h"
#include "GameResultDialog.h"
#include "PreviousScoresDialog.h"
#include "TieBreakDialog.h"
#include "ZAVFrame.h"
#include "sheet/ResultEntry.h"
#include "sheet/Scoring.h"
#include "sheet/TeamWithdrawal.h"

using namespace zavgui;

void wxZAVFrame::OnGameResult(wxCommandEvent&) {
    if (!RequireSheet()) return;
    GameResultDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() != wxID_OK) return;
    SheetChanged();
    zav::AfterGameResult(sheet);
}

void wxZAVFrame::OnTieBreak(wxCommandEvent&) {
    if (!RequireSheet()) return;
    // The lists are drawn from the heat positions: make sure they are those
    // of the results as they stand.
    zav::ComputeScores(sheet);
    TieBreakDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() != wxID_OK) return;
    SheetChanged();
    zav::AfterTieBreak(sheet);
}

void wxZAVFrame::OnPreviousHeat(wxCommandEvent&) {
    if (!RequireSheet()) return;
    PreviousScoresDialog dialog(this, sheet, wxLanguage, PreviousScores::Heat);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
}

void wxZAVFrame::OnPreviousChall(wxCommandEvent&) {
    if (!RequireSheet()) return;
    if (sheet.iChallengeScoring == 0) {
        wxMessageBox(Tx(zav::TextId::ChallengeNotDefined), sAppli, wxOK | wxICON_ERROR, this);
        return;
    }
    PreviousScoresDialog dialog(this, sheet, wxLanguage, PreviousScores::Challenge);
    if (dialog.ShowModal() == wxID_OK) SheetChanged();
}

void wxZAVFrame::OnDeleteOneTeam(wxCommandEvent&) {
    if (!RequireSheet()) return;
    if (zav::HasAnyResult(sheet)) {
        wxMessageBox(Tx(zav::TextId::WithdrawalTooLate), sAppli, wxOK | wxICON_ERROR, this);
        return;
    }
    DeleteTeamDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() != wxID_OK || dialog.ChosenTeam() == wxNOT_FOUND) return;
    zav::WithdrawTeam(sheet, dialog.ChosenTeam());
    ComputeDisplaySheet();
    iSheetState = kSheetChanged;
}
