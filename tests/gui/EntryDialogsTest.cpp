// The Input menu's dialogs through their commands (game result, tie-break,
// previous scores, add-on column, staff names, withdrawal): what each shows,
// and what OK, Cancel and its buttons do with the sheet.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <vector>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "gui/DialogTesting.h"

namespace {

using Texts = std::vector<std::string>;

Texts ShownIn(const std::vector<ListChoice*>& lists) {
    Texts shown;
    for (ListChoice* list : lists) shown.push_back(list->GetStringSelection().utf8_str().data());
    return shown;
}

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

// A dialog left by Cancel changes nothing, and neither does OK in the
// withdrawal with no team chosen.
TEST_F(EntryDialogsTest, CancelLeavesTheSheetAsItWas) {
    const std::pair<int, int> commands[] = {
        {ID_GAME_RESULT, wxID_CANCEL},     {ID_TIE_BREAK, wxID_CANCEL},
        {ID_PREVIOUS_HEAT, wxID_CANCEL},   {ID_COLUMN_SUP, wxID_CANCEL},
        {ID_DELETE_ONE_TEAM, wxID_CANCEL}, {ID_DELETE_ONE_TEAM, wxID_OK}};
    OpenWith(Heat(5, 4));
    for (const auto& [command, answer] : commands) {
        wxTEST_DIALOG(Run(command), ExpectDialog<wxDialog>(answer, nullptr));
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

// The game proposed is the next one; choosing an earlier game shows its
// results; OK stores the places, outcomes and blames of the game shown only,
// and the proposal stays where it was.
TEST_F(EntryDialogsTest, AnEarlierGameIsShownCorrectedAndTheProposalKept) {
    zav::ScoreSheet s = Heat(4, 4);
    s.iGamesRunning = 2;
    const int before[] = {3, 1, zav::kAbandon, zav::kElimination};
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = s.iGamePlace[t][1] = before[t];
    s.bAvertissement[1][0] = 1;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_GAME_RESULT), ExpectDialog<GameResultDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.game->GetStringSelection(), wxS("3"));
                      d.game->Choose(0);
                      EXPECT_EQ(d.gameName->GetLabel(), wxS("Game 1"));
                      EXPECT_EQ(ShownIn(d.results), (Texts{"3", "1", "Abandon (lowest points)",
                                                           "Elimination (0 point)"}));
                      EXPECT_TRUE(d.blames[1]->GetValue());
                      d.results[0]->SetSelection(1);
                      d.results[1]->SetSelection(6);  // definitive abandon
                      d.results[2]->SetSelection(0);
                      d.results[3]->SetSelection(2);
                      d.blames[1]->SetValue(false);
                      d.blames[3]->SetValue(true);
                  }));
    const zav::ScoreSheet& now = w.Document().Sheet();
    const int stored[] = {2, zav::kDefinitiveAbandon, 1, 3};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(now.iGamePlace[t][0], stored[t]) << t;
        EXPECT_EQ(now.iGamePlace[t][1], before[t]) << t;
        EXPECT_EQ(now.bAvertissement[t][0], t == 3) << t;
    }
    EXPECT_EQ(now.iGamesRunning, 2);
    ExpectChangeApplied();
}

// OK with teams left without a result asks first (No keeps the dialog
// open); "Clear" empties the game once the user agrees.
TEST_F(EntryDialogsTest, MissingResultsAreAskedAndClearEmptiesTheGame) {
    zav::ScoreSheet s = Heat(4, 6);
    s.iGamePlace[2][0] = zav::kElimination;
    s.bAvertissement[2][0] = 1;
    wxZAVFrame& w = OpenWith(s);
    wxString asked;
    wxTEST_DIALOG(Run(ID_GAME_RESULT),
                  ExpectDialog<GameResultDialog>(wxID_OK,
                                                 [](auto& d) {
                                                     d.results[0]->SetSelection(1);
                                                     EXPECT_FALSE(d.Validate());
                                                 }),
                  ExpectMessage(wxID_NO, &asked), ExpectMessage(wxID_YES));
    EXPECT_EQ(asked, wxS("No result for: Team B, Team D.\nStore the game all the same?"));
    EXPECT_EQ(w.Document().Sheet().iGamePlace[0][0], 2);
    EXPECT_EQ(w.Document().Sheet().iGamePlace[1][0], zav::kNoResult);

    wxTEST_DIALOG(Run(ID_GAME_RESULT),
                  ExpectDialog<GameResultDialog>(wxID_OK,
                                                 [](auto& d) {
                                                     d.game->Choose(0);
                                                     EXPECT_TRUE(d.ConfirmClear());
                                                 }),
                  ExpectMessage(wxID_YES, &asked));
    EXPECT_EQ(asked, wxS("Clear every result and blame of game 1?"));
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(w.Document().Sheet().iGamePlace[t][0], zav::kNoResult) << t;
        EXPECT_FALSE(w.Document().Sheet().bAvertissement[t][0]) << t;
    }
    ExpectChangeApplied();
}

// Heat positions 1, 2, 2, 4: only the level teams choose, between their
// positions; OK stores every position.
TEST_F(EntryDialogsTest, TieBreakOffersOnlyTheLevelTeamsTheirPositions) {
    zav::ScoreSheet s = Heat(4, 4);
    const int places[] = {1, 2, 2, 4};
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = places[t];
    s.iGamesRunning = 4;
    s.iTieBreakPlace[2] = 3;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(
        Run(ID_TIE_BREAK), ExpectDialog<TieBreakDialog>(wxID_OK, [](auto& d) {
            std::vector<bool> enabled;
            std::vector<wxString> entries;
            for (ListChoice* list : d.positions) {
                enabled.push_back(list->IsEnabled());
                entries.push_back(wxJoin(list->GetStrings(), '|'));
            }
            EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, false}));
            EXPECT_EQ(entries, (std::vector<wxString>{"1|2|3|4", "2|3", "2|3", "1|2|3|4"}));
            EXPECT_EQ(ShownIn(d.positions), (Texts{"1", "2", "3", "4"}));
            d.positions[1]->SetSelection(1);
            d.positions[2]->SetSelection(0);
        }));
    const int expected[] = {1, 3, 2, 4};
    for (int t = 0; t < 4; ++t) EXPECT_EQ(w.Document().Sheet().iTieBreakPlace[t], expected[t]);
    EXPECT_EQ(w.Document().Sheet().iGamesRunning, 5);
    ExpectChangeApplied();
}

// Undo and redo name the step they undo or redo in the menu.
TEST_F(EntryDialogsTest, UndoAndRedoNameTheStep) {
    wxZAVFrame& w = OpenWith(Heat(4, 6));
    const auto label = [&](int id) -> std::string {
        return wxMenuItem::GetLabelText(w.GetMenuBar()->GetLabel(id)).utf8_str().data();
    };
    EXPECT_FALSE(w.GetMenuBar()->IsEnabled(ID_UNDO));
    for (int place = 2; place <= 3; ++place)  // Alpha's place, the others first
        wxTEST_DIALOG(Run(ID_GAME_RESULT), ExpectDialog<GameResultDialog>(wxID_OK, [&](auto& d) {
                          for (ListChoice* result : d.results) result->SetSelection(0);
                          d.results[0]->SetSelection(place - 1);
                      }));
    EXPECT_EQ(label(ID_UNDO), "Undo: result of game 2");
    Run(ID_UNDO);
    EXPECT_EQ(w.Document().Sheet().iGamePlace[0][1], 0);
    EXPECT_EQ(label(ID_UNDO), "Undo: result of game 1");
    EXPECT_EQ(label(ID_REDO), "Redo: result of game 2");
    ExpectChangeApplied();
    Run(ID_REDO);
    EXPECT_FALSE(w.GetMenuBar()->IsEnabled(ID_REDO));
    EXPECT_EQ(label(ID_REDO), "Redo");
}

}  // namespace
