// The Game result and Tie-break dialogs through their commands: what they
// show, and what OK and Clear do with the sheet (Cancel: EntryDialogsTest).
#include <wx/checkbox.h>
#include <wx/stattext.h>

#include <vector>

#include "dialogs/GameResultDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "gui/DialogTesting.h"

namespace {

using Results = std::vector<std::string>;

Results ShownIn(const std::vector<ListChoice*>& lists) {
    Results shown;
    for (ListChoice* list : lists) shown.push_back(Shown(list));
    return shown;
}

using ResultDialogsTest = DialogFixture;

// The game proposed is the next one; choosing an earlier game shows its
// results; OK stores the places, outcomes and blames of the game shown only,
// and the proposal stays where it was.
TEST_F(ResultDialogsTest, AnEarlierGameIsShownCorrectedAndTheProposalKept) {
    zav::ScoreSheet s = Heat(4, 4);
    s.iGamesRunning = 2;
    const int before[] = {3, 1, zav::kAbandon, zav::kElimination};
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = s.iGamePlace[t][1] = before[t];
    s.bAvertissement[1][0] = 1;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_GAME_RESULT), ExpectDialog<GameResultDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(Shown(d.game), "3");
                      d.game->Choose(0);
                      EXPECT_EQ(d.gameName->GetLabel(), wxS("Game 1"));
                      EXPECT_EQ(ShownIn(d.results), (Results{"3", "1", "Abandon (lowest points)",
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
TEST_F(ResultDialogsTest, MissingResultsAreAskedAndClearEmptiesTheGame) {
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
TEST_F(ResultDialogsTest, TieBreakOffersOnlyTheLevelTeamsTheirPositions) {
    zav::ScoreSheet s = Heat(4, 4);
    const int places[] = {1, 2, 2, 4};
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = places[t];
    s.iGamesRunning = 4;
    s.iTieBreakPlace[2] = 3;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_TIE_BREAK), ExpectDialog<TieBreakDialog>(wxID_OK, [](auto& d) {
                      std::vector<bool> enabled;
                      Results entries;
                      for (ListChoice* list : d.positions) {
                          enabled.push_back(list->IsEnabled());
                          entries.push_back(Entries(list));
                      }
                      EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, false}));
                      EXPECT_EQ(entries, (Results{"1|2|3|4|", "2|3|", "2|3|", "1|2|3|4|"}));
                      EXPECT_EQ(ShownIn(d.positions), (Results{"1", "2", "3", "4"}));
                      d.positions[1]->SetSelection(1);
                      d.positions[2]->SetSelection(0);
                  }));
    const int expected[] = {1, 3, 2, 4};
    for (int t = 0; t < 4; ++t) EXPECT_EQ(w.Document().Sheet().iTieBreakPlace[t], expected[t]);
    EXPECT_EQ(w.Document().Sheet().iGamesRunning, 5);
    ExpectChangeApplied();
}

}  // namespace
