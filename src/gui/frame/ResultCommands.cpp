#include "frame/ResultCommands.h"

#include <wx/choice.h>

#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/ListChoice.h"
#include "dialogs/PreviousScoresDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "sheet/ResultEntry.h"
#include "sheet/Scoring.h"
#include "sheet/TeamWithdrawal.h"

namespace zavgui {

ResultCommands::ResultCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &ResultCommands::OnGameResult, this, ID_GAME_RESULT);
    frame.Bind(wxEVT_MENU, &ResultCommands::OnTieBreak, this, ID_TIE_BREAK);
    frame.Bind(wxEVT_MENU, &ResultCommands::OnPreviousHeat, this, ID_PREVIOUS_HEAT);
    frame.Bind(wxEVT_MENU, &ResultCommands::OnPreviousChall, this, ID_PREVIOUS_CHALL);
    frame.Bind(wxEVT_MENU, &ResultCommands::OnDeleteOneTeam, this, ID_DELETE_ONE_TEAM);
}

std::string GameResultStep(zav::Language language, int game) {
    return zav::FormatText(zav::Text(language, zav::TextId::StepGameResult),
                           static_cast<long>(game + 1));
}

void ResultCommands::OnGameResult(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    zav::ScoreSheet& sheet = frame_.Document().EditSheet();
    GameResultDialog dialog(&frame_, sheet, frame_.Language());
    // A game left without any result stores nothing: no change to apply.
    if (dialog.ShowModal() != wxID_OK || !dialog.Stored()) return;
    // The next game is proposed before the change is recorded, so that
    // undoing the next one proposes it again.
    zav::AfterGameResult(sheet);
    frame_.SheetChanged(GameResultStep(frame_.Language(), dialog.game->GetSelection()));
}

void ResultCommands::OnTieBreak(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    zav::ScoreSheet& sheet = frame_.Document().EditSheet();
    // The lists are drawn from the heat positions: make sure they are those
    // of the results as they stand.
    zav::ComputeScores(sheet);
    TieBreakDialog dialog(&frame_, sheet, frame_.Language());
    if (dialog.ShowModal() != wxID_OK) return;
    zav::AfterTieBreak(sheet);
    frame_.SheetChanged(zav::TextId::StepTieBreak);
}

void ResultCommands::OnPreviousHeat(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    PreviousScoresDialog dialog(&frame_, frame_.Document().EditSheet(), frame_.Language(),
                                PreviousScores::Heat);
    if (dialog.ShowModal() == wxID_OK) frame_.SheetChanged(zav::TextId::StepPreviousHeat);
}

void ResultCommands::OnPreviousChall(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    if (frame_.Document().Sheet().iChallengeScoring == 0)
        return frame_.User().Reporter().Show(zav::MessageIcon::Error,
                                             zav::TextId::ChallengeNotDefined);
    PreviousScoresDialog dialog(&frame_, frame_.Document().EditSheet(), frame_.Language(),
                                PreviousScores::Challenge);
    if (dialog.ShowModal() == wxID_OK) frame_.SheetChanged(zav::TextId::StepPreviousChallenge);
}

// A withdrawal is not saved automatically.
void ResultCommands::OnDeleteOneTeam(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    zav::ScoreSheet& sheet = frame_.Document().EditSheet();
    if (zav::HasAnyResult(sheet))
        return frame_.User().Reporter().Show(zav::MessageIcon::Error,
                                             zav::TextId::WithdrawalTooLate);
    DeleteTeamDialog dialog(&frame_, sheet, frame_.Language());
    if (dialog.ShowModal() != wxID_OK || dialog.ChosenTeam() == wxNOT_FOUND) return;
    const int team = dialog.ChosenTeam();
    // The team by its name, or by its number when it has none.
    const std::string step = zav::FormatText(
        zav::Text(frame_.Language(), zav::TextId::StepWithdrawal),
        sheet.sTeamName[team].empty() ? std::to_string(team + 1) : sheet.sTeamName[team]);
    zav::WithdrawTeam(sheet, team);
    frame_.Document().MarkChanged(step);
    frame_.ComputeDisplaySheet();
    frame_.ShowDocument();
}

}  // namespace zavgui
