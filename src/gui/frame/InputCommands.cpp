#include "frame/InputCommands.h"

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/GameListDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "dialogs/TeamsDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "sheet/ResultEntry.h"

namespace zavgui {

InputCommands::InputCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &InputCommands::OnGeneralData, this, ID_GENERAL_DATA);
    frame.Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { EditTeams(); }, ID_TEAMS_DATA);
    frame.Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { EditGameList(); }, ID_GAMES_LIST);
    using T = zav::TextId;
    frame.Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Edit<ColumnSupDialog>(T::StepAddOnColumn); },
        ID_COLUMN_SUP);
    frame.Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) { Edit<ARefereeNamesDialog>(T::StepAssistantReferees); },
        ID_A_REFEREE_NAMES);
    frame.Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Edit<PlaceurNamesDialog>(T::StepArenaParty); },
        ID_PLACEUR_NAMES);
}

template <class Dialog>
bool InputCommands::Edit(zav::TextId step) {
    if (!frame_.RequireSheet()) return false;
    Dialog dialog(&frame_, frame_.Document().EditSheet(), frame_.Language());
    if (dialog.ShowModal() != wxID_OK) return false;
    frame_.SheetChanged(step);
    return true;
}

bool InputCommands::EditGameList() {
    return Edit<GameListDialog>(zav::TextId::StepGameList);
}

void InputCommands::OnGeneralData(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    zav::ScoreSheet& sheet = frame_.Document().EditSheet();
    GeneralDataDialog dialog(&frame_, sheet, frame_.Language());
    if (dialog.ShowModal() != wxID_OK) return;
    // Both rankings shown, as on a sheet just opened: a 'Challenge' shown
    // alone before its points were set to 0 must not keep the mark.
    frame_.Choices().ranking = Ranking::Both;
    if (sheet.iChallengeScoring == 0) zav::ClearChallenge(sheet);
    frame_.SheetChanged(zav::TextId::StepGeneralData);
}

bool InputCommands::EditTeams() {
    if (!frame_.RequireSheet()) return false;
    TeamsDialog dialog(&frame_, frame_.Document().EditSheet(), frame_.Language());
    const bool ok = dialog.ShowModal() == wxID_OK;
    if (ok) frame_.SheetChanged(zav::TextId::StepTeams);
    // Checked after Cancel too: flags stored earlier may already be too many.
    zav::WarnIfChallengeIncoherent(frame_.Document().Sheet(), frame_.User().Reporter());
    return ok;
}

}  // namespace zavgui
