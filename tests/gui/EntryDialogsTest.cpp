// Previous heat and previous 'Challenge' scores, the add-on column, the
// staff names and the withdrawal of a team, through their commands: what each
// dialog shows, and what OK, Cancel and its buttons do with the sheet.
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <vector>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "gui/DialogTesting.h"

namespace {

using Texts = std::vector<std::string>;

template <class Control>
Texts Values(const std::vector<Control*>& controls) {
    Texts values;
    for (const Control* c : controls) values.push_back(c->GetValue().utf8_str().data());
    return values;
}

template <class Control>
void Type(const std::vector<Control*>& controls, size_t row, const char* text) {
    controls[row]->ChangeValue(wxString::FromUTF8(text));
}

using EntryDialogsTest = DialogFixture;

// Whatever the user did in it, a dialog left by Cancel changes nothing, and
// so does OK in the withdrawal with no team chosen.
template <class Dialog>
std::function<int(wxDialog&)> Leave(int answer, std::function<void(Dialog&)> edit) {
    return [=](wxDialog& d) {
        edit(dynamic_cast<Dialog&>(d));
        return answer;
    };
}

TEST_F(EntryDialogsTest, CancelLeavesTheSheetAsItWas) {
    const std::pair<int, std::function<int(wxDialog&)>> commands[] = {
        {ID_PREVIOUS_HEAT,
         Leave<PreviousScoresDialog>(wxID_CANCEL, [](auto& d) { Type(d.fields, 0, "5"); })},
        {ID_COLUMN_SUP,
         Leave<ColumnSupDialog>(wxID_CANCEL, [](auto& d) { Type(d.contents, 0, "x"); })},
        {ID_A_REFEREE_NAMES,
         Leave<ARefereeNamesDialog>(wxID_CANCEL, [](auto& d) { Type(d.names, 0, "x"); })},
        {ID_PLACEUR_NAMES,
         Leave<PlaceurNamesDialog>(wxID_CANCEL, [](auto& d) { Type(d.names, 0, "x"); })},
        {ID_DELETE_ONE_TEAM,
         Leave<DeleteTeamDialog>(wxID_CANCEL, [](auto& d) { d.teamList->SetSelection(1); })},
        {ID_DELETE_ONE_TEAM, Leave<DeleteTeamDialog>(wxID_OK, [](auto&) {})},
    };
    OpenWith(Heat(5, 4));
    for (const auto& [command, user] : commands) {
        wxTEST_DIALOG(Run(command), Play<wxDialog>(user));
        ExpectNothingApplied();
    }
}

// Stored scores shown as written; a text that is no number is 0; the erase
// button empties every field.
TEST_F(EntryDialogsTest, PreviousScoresShowTheirValuesAndOkStoresWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.fPreviousScore[0] = 10;
    s.fPreviousScore[1] = 7.5f;
    s.fPreviousScore[3] = 12.5f;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>([](PreviousScoresDialog& d) {
                      EXPECT_EQ(Values(d.fields), (Texts{" 10", "7.5", "0", "12.5"}));
                      EXPECT_EQ(d.labels[1]->GetLabel(), wxS("Team B     (colour B)"));
                      Type(d.fields, 2, "3.5");
                      Type(d.fields, 3, "not a number");
                      return PressOk(d);
                  }));
    const float stored[] = {10, 7.5f, 3.5f, 0};
    for (int t = 0; t < 4; ++t) EXPECT_FLOAT_EQ(stored[t], w.Document().Sheet().fPreviousScore[t]);
    ExpectChangeApplied();

    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>([](PreviousScoresDialog& d) {
                      wxCommandEvent click(wxEVT_BUTTON, d.eraseAll->GetId());
                      click.SetEventObject(d.eraseAll);
                      d.eraseAll->GetEventHandler()->ProcessEvent(click);
                      EXPECT_EQ(Values(d.fields), Texts(4, "0"));
                      return PressOk(d);
                  }));
    for (int t = 0; t < 4; ++t) EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fPreviousScore[t]);
}

TEST_F(EntryDialogsTest, PreviousChallengeIsRefusedWithoutChallengeAndListsOnlyItsTeams) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
    wxString message;
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(Tx(w.Language(), zav::TextId::ChallengeNotDefined), message);

    zav::ScoreSheet& s = w.Document().EditSheet();
    s.iChallengeScoring = 3;
    s.bChallengeTeam[1] = s.bChallengeTeam[3] = true;
    s.fChallengePreviousScore[1] = 5;
    s.fChallengePreviousScore[0] = 9;  // not in the 'Challenge': left alone
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), Play<PreviousScoresDialog>([](PreviousScoresDialog& d) {
                      EXPECT_EQ(d.rowTeams, (std::vector<int>{1, 3}));
                      EXPECT_EQ(Values(d.fields), (Texts{"  5", "0"}));
                      Type(d.fields, 1, "1.5");
                      return PressOk(d);
                  }));
    EXPECT_FLOAT_EQ(5.f, s.fChallengePreviousScore[1]);
    EXPECT_FLOAT_EQ(1.5f, s.fChallengePreviousScore[3]);
    EXPECT_FLOAT_EQ(9.f, s.fChallengePreviousScore[0]);
    ExpectChangeApplied();
}

TEST_F(EntryDialogsTest, AddOnColumnShowsAndStoresItsTitleAndTexts) {
    zav::ScoreSheet s = Heat(3, 4);
    s.sColSupTitle = "Penalty";
    s.sColSupContent[1] = "-2";
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_COLUMN_SUP), Play<ColumnSupDialog>([](ColumnSupDialog& d) {
                      EXPECT_EQ(d.title->GetValue(), wxS("Penalty"));
                      EXPECT_EQ(Values(d.contents), (Texts{"", "-2", ""}));
                      d.title->ChangeValue(wxString());
                      Type(d.contents, 2, "A & <b>");
                      return PressOk(d);
                  }));
    const zav::ScoreSheet& now = w.Document().Sheet();
    EXPECT_EQ(now.sColSupTitle, "");
    EXPECT_EQ((Texts{now.sColSupContent[1], now.sColSupContent[2]}), (Texts{"-2", "A & <b>"}));
    ExpectChangeApplied();
}

// At least six assistant referee rows, each proposing its team; typed teams
// are stored as typed, and stay when the team is renamed later.
TEST_F(EntryDialogsTest, StaffNamesRowsProposeTheTeamsAndStoreWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.sARefereeTeam[1] = "Visitors";
    s.sARefereeName[1] = "P. Durand";
    s.sPlaceurName[0] = "old";
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), Play<ARefereeNamesDialog>([](ARefereeNamesDialog& d) {
                      Texts listed;
                      for (const wxString& entry : d.teams[0]->GetStrings())
                          listed.push_back(entry.utf8_str().data());
                      EXPECT_EQ(listed, (Texts{"Team A", "Team B", "Team C", "Team D"}));
                      EXPECT_EQ(Values(d.teams), (Texts{"Team A", "Visitors", "Team C", "Team D",
                                                        "Team A", "Team A"}));
                      EXPECT_EQ(Values(d.names), (Texts{"", "P. Durand", "", "", "", ""}));
                      Type(d.teams, 2, "Club du Lac");
                      Type(d.names, 2, "A. Roux, B. Petit");
                      return PressOk(d);
                  }));
    EXPECT_EQ(w.Document().Sheet().sARefereeTeam[2], "Club du Lac");
    EXPECT_EQ(w.Document().Sheet().sARefereeName[2], "A. Roux, B. Petit");
    EXPECT_EQ(w.Document().Sheet().sARefereeTeam[3], "Team D");
    ExpectChangeApplied();

    w.Document().EditSheet().sTeamName[3] = "Team Z";
    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), Play<ARefereeNamesDialog>([](ARefereeNamesDialog& d) {
                      EXPECT_EQ(d.teams[3]->GetValue(), wxS("Team D"));
                      return wxID_CANCEL;
                  }));
    wxTEST_DIALOG(Run(ID_PLACEUR_NAMES), Play<PlaceurNamesDialog>([](PlaceurNamesDialog& d) {
                      EXPECT_EQ(d.labels[3]->GetLabel(), wxS("Team Z"));
                      EXPECT_EQ(Values(d.names), (Texts{"old", "", "", ""}));
                      Type(d.names, 1, "M. Blanc");
                      return PressOk(d);
                  }));
    EXPECT_EQ(w.Document().Sheet().sPlaceurName[1], "M. Blanc");
}

// The chosen team leaves the page, without an automatic save; a withdrawal
// is refused once a result is entered.
TEST_F(EntryDialogsTest, WithdrawalOfTheChosenTeamIsNotSavedAutomatically) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), Play<DeleteTeamDialog>([](DeleteTeamDialog& d) {
                      EXPECT_EQ(d.teamList->GetCount(), 5u);
                      EXPECT_EQ(d.teamList->GetString(4), wxS("Team E"));
                      EXPECT_EQ(d.teamList->GetSelection(), wxNOT_FOUND);
                      d.teamList->SetSelection(1);
                      return wxID_OK;
                  }));
    EXPECT_EQ(w.Document().Sheet().iTeamsNr, 4);
    EXPECT_EQ(w.Document().State(), SheetState::Changed);
    EXPECT_EQ(ShownText().find("Team B"), std::string::npos);
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(SheetPath())));

    w.Document().EditSheet().iGamePlace[3][3] = zav::kAbandon;
    wxString message;
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(Tx(w.Language(), zav::TextId::WithdrawalTooLate), message);
    EXPECT_EQ(w.Document().Sheet().iTeamsNr, 4);
}

}  // namespace
