// Previous heat and previous 'Challenge' scores, the add-on column, the
// staff names and the withdrawal of a team, through their commands: what each
// dialog shows, and what OK, Cancel and its buttons do with the sheet.
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <vector>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/GameResultDialog.h"
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

// What the user does in a dialog of type Dialog.
template <class Dialog>
std::function<void(wxDialog&)> As(std::function<void(Dialog&)> act) {
    return [=](wxDialog& d) { act(dynamic_cast<Dialog&>(d)); };
}

using EntryDialogsTest = DialogFixture;

// Whatever the user did in it, a dialog left by Cancel changes nothing, and
// so does OK in the withdrawal with no team chosen.
TEST_F(EntryDialogsTest, CancelLeavesTheSheetAsItWas) {
    const std::tuple<int, int, std::function<void(wxDialog&)>> commands[] = {
        {ID_GAME_RESULT, wxID_CANCEL,
         As<GameResultDialog>([](auto& d) { d.results[0]->SetSelection(1); })},
        {ID_TIE_BREAK, wxID_CANCEL, nullptr},
        {ID_PREVIOUS_HEAT, wxID_CANCEL,
         As<PreviousScoresDialog>([](auto& d) { Type(d.fields, 0, "5"); })},
        {ID_COLUMN_SUP, wxID_CANCEL,
         As<ColumnSupDialog>([](auto& d) { Type(d.contents, 0, "x"); })},
        {ID_A_REFEREE_NAMES, wxID_CANCEL,
         As<ARefereeNamesDialog>([](auto& d) { Type(d.names, 0, "x"); })},
        {ID_PLACEUR_NAMES, wxID_CANCEL,
         As<PlaceurNamesDialog>([](auto& d) { Type(d.names, 0, "x"); })},
        {ID_DELETE_ONE_TEAM, wxID_CANCEL,
         As<DeleteTeamDialog>([](auto& d) { d.teamList->SetSelection(1); })},
        {ID_DELETE_ONE_TEAM, wxID_OK, nullptr},
    };
    OpenWith(Heat(5, 4));
    for (const auto& [command, answer, act] : commands) {
        wxTEST_DIALOG(Run(command), ExpectDialog<wxDialog>(answer, act));
        ExpectNothingApplied();
    }
}

// Stored scores shown as written; a text that is no number is 0; the erase
// button empties every field. Previous 'Challenge' scores are refused without
// a 'Challenge' and list only its teams.
TEST_F(EntryDialogsTest, PreviousScoresShowTheirValuesAndOkStoresWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.fPreviousScore[0] = 10;
    s.fPreviousScore[1] = 7.5f;
    s.fPreviousScore[3] = 12.5f;
    wxZAVFrame& w = OpenWith(s);
    const zav::ScoreSheet& now = w.Document().Sheet();
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), ExpectDialog<PreviousScoresDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(Values(d.fields), (Texts{" 10", "7.5", "0", "12.5"}));
                      Type(d.fields, 2, "3.5");
                      Type(d.fields, 3, "not a number");
                  }));
    const float stored[] = {10, 7.5f, 3.5f, 0};
    for (int t = 0; t < 4; ++t) EXPECT_FLOAT_EQ(stored[t], now.fPreviousScore[t]);
    ExpectChangeApplied();
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), ExpectDialog<PreviousScoresDialog>(wxID_OK, [](auto& d) {
                      wxCommandEvent click(wxEVT_BUTTON, d.eraseAll->GetId());
                      d.eraseAll->GetEventHandler()->ProcessEvent(click);
                      EXPECT_EQ(Values(d.fields), Texts(4, "0"));
                  }));
    for (int t = 0; t < 4; ++t) EXPECT_FLOAT_EQ(0.f, now.fPreviousScore[t]);

    wxString message;
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(Tx(w.Language(), zav::TextId::ChallengeNotDefined), message);
    zav::ScoreSheet& edited = w.Document().EditSheet();
    edited.iChallengeScoring = 3;
    edited.bChallengeTeam[1] = edited.bChallengeTeam[3] = true;
    edited.fChallengePreviousScore[1] = 5;
    edited.fChallengePreviousScore[0] = 9;  // not in the 'Challenge': left alone
    std::remove(SheetPath().c_str());       // written again by the change
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), ExpectDialog<PreviousScoresDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.rowTeams, (std::vector<int>{1, 3}));
                      EXPECT_EQ(Values(d.fields), (Texts{"  5", "0"}));
                      Type(d.fields, 1, "1.5");
                  }));
    EXPECT_EQ((std::vector<float>{now.fChallengePreviousScore[0], now.fChallengePreviousScore[1],
                                  now.fChallengePreviousScore[3]}),
              (std::vector<float>{9, 5, 1.5f}));
    ExpectChangeApplied();
}

// The add-on column's texts, and at least six assistant referee rows, each
// proposing its team unless another was stored; typed texts are stored as
// typed.
TEST_F(EntryDialogsTest, AddOnColumnAndStaffNamesShowAndStoreWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.sColSupTitle = "Penalty";
    s.sColSupContent[1] = "-2";
    s.sARefereeTeam[1] = "Visitors";
    s.sARefereeName[1] = "P. Durand";
    s.sPlaceurName[0] = "old";
    wxZAVFrame& w = OpenWith(s);
    const zav::ScoreSheet& now = w.Document().Sheet();
    wxTEST_DIALOG(Run(ID_COLUMN_SUP), ExpectDialog<ColumnSupDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.title->GetValue(), wxS("Penalty"));
                      EXPECT_EQ(Values(d.contents), (Texts{"", "-2", "", ""}));
                      d.title->ChangeValue(wxString());
                      Type(d.contents, 2, "A & <b>");
                  }));
    EXPECT_EQ((Texts{now.sColSupTitle, now.sColSupContent[1], now.sColSupContent[2]}),
              (Texts{"", "-2", "A & <b>"}));
    ExpectChangeApplied();

    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), ExpectDialog<ARefereeNamesDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.teams[0]->GetCount(), 4u);
                      EXPECT_EQ(Values(d.teams), (Texts{"Team A", "Visitors", "Team C", "Team D",
                                                        "Team A", "Team A"}));
                      EXPECT_EQ(Values(d.names), (Texts{"", "P. Durand", "", "", "", ""}));
                      Type(d.teams, 2, "Club du Lac");
                      Type(d.names, 2, "A. Roux, B. Petit");
                  }));
    EXPECT_EQ((Texts{now.sARefereeTeam[2], now.sARefereeName[2], now.sARefereeTeam[3]}),
              (Texts{"Club du Lac", "A. Roux, B. Petit", "Team D"}));

    wxTEST_DIALOG(Run(ID_PLACEUR_NAMES), ExpectDialog<PlaceurNamesDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(Values(d.names), (Texts{"old", "", "", ""}));
                      Type(d.names, 1, "M. Blanc");
                  }));
    EXPECT_EQ(now.sPlaceurName[1], "M. Blanc");
}

// The chosen team leaves the page, without an automatic save; a withdrawal
// is refused once a result is entered.
TEST_F(EntryDialogsTest, WithdrawalOfTheChosenTeamIsNotSavedAutomatically) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), ExpectDialog<DeleteTeamDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.teamList->GetCount(), 5u);
                      EXPECT_EQ(d.teamList->GetSelection(), wxNOT_FOUND);
                      d.teamList->SetSelection(1);
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
