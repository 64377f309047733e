// The Game result and Tie-break dialogs and their commands.
#include <wx/checkbox.h>
#include <wx/stattext.h>

#include <vector>

#include "dialogs/GameResultDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "gui/DialogTesting.h"

namespace {

using Results = std::vector<std::string>;

class GameResultTest : public DialogFixture {
protected:
    // Opens the dialog through the command, notes what each team's list
    // shows, and leaves it with `answer` after `edit`.
    Results RunGameResult(const std::function<void(GameResultDialog&)>& edit, bool ok = true) {
        Results shown;
        const auto user = [&](GameResultDialog& d) {
            for (ListChoice* list : d.results) shown.push_back(Shown(list));
            edit(d);
            return ok ? PressOk(d) : static_cast<int>(wxID_CANCEL);
        };
        wxTEST_DIALOG(Run(ID_GAME_RESULT), Play<GameResultDialog>(user));
        return shown;
    }
};

// A game not run yet opens with no entry selected (a stray OK stores
// nothing); the label names the game without German break points and a
// team without colours by its name alone.
TEST_F(GameResultTest, AGameNotRunOpensEmptyAndLabelsShowPlainNames) {
    zav::ScoreSheet s = Heat(4, 6);
    s.sGame[0] = zav::Text(zav::Language::German, zav::TextId::GamePonyExpress);
    s.sTeamColors[2].clear();
    OpenWith(s, "GE");
    std::string entries, game, name, labels;
    const Results shown = RunGameResult(
        [&](GameResultDialog& d) {
            entries = Entries(d.results[0]);
            game = Shown(d.game);
            name = d.gameName->GetLabel().utf8_str().data();
            for (int t : {1, 2})
                labels += d.labels[t]->GetLabel().utf8_str().data() + std::string("|");
        },
        false);
    EXPECT_EQ(
        "1|2|3|4|Ausschluss (Punkte: 0)|Aufgabe (niedrigste Punktzahl)|Endg\xC3\xBCltige "
        "Aufgabe (0 Punkte)|",
        entries);
    EXPECT_EQ("1", game);
    EXPECT_EQ("Ponyexpress", name);
    EXPECT_EQ("Team B     (colour B)|Team C|", labels);
    EXPECT_EQ(Results(4, ""), shown);
}

// OK with teams left without a result asks first; "Clear" empties the game
// once the user agrees.
TEST_F(GameResultTest, MissingResultsAreAskedAndClearEmptiesTheGame) {
    zav::ScoreSheet s = Heat(4, 6);
    s.iGamePlace[2][0] = zav::kElimination;
    s.bAvertissement[2][0] = 1;
    wxZAVFrame& w = OpenWith(s);
    wxString asked;
    bool keptOpen = false;
    wxTEST_DIALOG(Run(ID_GAME_RESULT), Play<GameResultDialog>([&](GameResultDialog& d) {
                      d.results[0]->SetSelection(1);
                      keptOpen = !d.Validate();
                      return PressOk(d);
                  }),
                  EXPECT_MESSAGE(wxID_NO, &asked), EXPECT_MESSAGE(wxID_YES, nullptr));
    EXPECT_TRUE(keptOpen);
    EXPECT_EQ(asked, wxS("No result for: Team B, Team D.\nStore the game all the same?"));
    EXPECT_EQ(2, w.Document().Sheet().iGamePlace[0][0]);
    EXPECT_EQ(zav::kNoResult, w.Document().Sheet().iGamePlace[1][0]);

    wxTEST_DIALOG(Run(ID_GAME_RESULT), Play<GameResultDialog>([](GameResultDialog& d) {
                      d.game->Choose(0);
                      return d.ConfirmClear() ? PressOk(d) : wxID_CANCEL;
                  }),
                  EXPECT_MESSAGE(wxID_YES, &asked));
    EXPECT_EQ(asked, wxS("Clear every result and blame of game 1?"));
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(zav::kNoResult, w.Document().Sheet().iGamePlace[t][0]) << t;
        EXPECT_FALSE(w.Document().Sheet().bAvertissement[t][0]) << t;
    }
    ExpectChangeApplied();
}

TEST_F(GameResultTest, OkStoresPlacesOutcomesAndBlamesOfTheShownGame) {
    zav::ScoreSheet s = Heat(4, 6);
    s.iGamesRunning = 1;
    s.iGamePlace[0][0] = 3;
    wxZAVFrame& w = OpenWith(s);
    RunGameResult([](GameResultDialog& d) {
        EXPECT_EQ("2", Shown(d.game));
        d.results[0]->SetSelection(1);
        d.results[1]->SetSelection(5);  // abandon
        d.results[2]->SetSelection(4);  // elimination
        d.results[3]->SetSelection(6);  // definitive abandon
        d.blames[0]->SetValue(true);
    });
    const int expected[] = {2, zav::kAbandon, zav::kElimination, zav::kDefinitiveAbandon};
    for (int t = 0; t < 4; ++t) EXPECT_EQ(expected[t], w.Document().Sheet().iGamePlace[t][1]) << t;
    EXPECT_EQ(1, w.Document().Sheet().bAvertissement[0][1]);
    EXPECT_EQ(0, w.Document().Sheet().bAvertissement[1][1]);
    EXPECT_EQ(3, w.Document().Sheet().iGamePlace[0][0]);  // other games untouched
    EXPECT_EQ(2, w.Document().Sheet().iGamesRunning);
    ExpectChangeApplied();
}

TEST_F(GameResultTest, StoredResultsAreShownAndCancelKeepsEverything) {
    zav::ScoreSheet s = Heat(3, 4);
    s.iEliminationRule = 1;
    s.iGamePlace[0][0] = 2;
    s.iGamePlace[1][0] = zav::kElimination;
    s.iGamePlace[2][0] = zav::kDefinitiveAbandon;
    s.bAvertissement[2][0] = 1;
    wxZAVFrame& w = OpenWith(s, "FR");
    bool blame = false;
    const Results shown = RunGameResult(
        [&](GameResultDialog& d) {
            blame = d.blames[2]->GetValue();
            d.results[0]->SetSelection(0);
            d.blames[2]->SetValue(false);
        },
        false);
    EXPECT_EQ((Results{"2", "\xC3\x89limination (1 point)",
                       "Abandon d\xC3\xA9"
                       "finitif (0 point)"}),
              shown);
    EXPECT_TRUE(blame);
    EXPECT_EQ(2, w.Document().Sheet().iGamePlace[0][0]);
    EXPECT_EQ(1, w.Document().Sheet().bAvertissement[2][0]);
    EXPECT_EQ(0, w.Document().Sheet().iGamesRunning);
    ExpectNothingApplied();
}

TEST_F(GameResultTest, CorrectingAnEarlierGameKeepsTheNextProposal) {
    zav::ScoreSheet s = Heat(3, 4);
    s.iGamesRunning = 2;
    s.iGamePlace[0][0] = 3;
    s.iGamePlace[1][0] = 1;
    s.iGamePlace[2][0] = zav::kAbandon;
    s.bAvertissement[1][0] = 1;
    wxZAVFrame& w = OpenWith(s);
    std::string name;
    Results afterChoice;
    bool blame = false;
    RunGameResult([&](GameResultDialog& d) {
        d.game->Choose(0);
        name = d.gameName->GetLabel().utf8_str().data();
        for (ListChoice* list : d.results) afterChoice.push_back(Shown(list));
        blame = d.blames[1]->GetValue();
        d.results[0]->SetSelection(1);
    });
    EXPECT_EQ("Game 1", name);
    EXPECT_EQ((Results{"3", "1", "Abandon (lowest points)"}), afterChoice);
    EXPECT_TRUE(blame);
    EXPECT_EQ(2, w.Document().Sheet().iGamePlace[0][0]);
    EXPECT_EQ(2, w.Document().Sheet().iGamesRunning);
}

class TieBreakTest : public DialogFixture {};

// Heat positions 1, 2, 2, 4 from one game.
zav::ScoreSheet TwoLevelTeams() {
    zav::ScoreSheet s = [] {
        zav::ScoreSheet h;
        h.iTeamsNr = 4;
        h.iGamesNr = 4;
        h.iScoring = 4;
        for (int t = 0; t < 4; ++t) h.sTeamName[t] = std::string("Team ") + char('A' + t);
        return h;
    }();
    const int places[] = {1, 2, 2, 4};
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = places[t];
    s.iGamesRunning = 4;
    return s;
}

TEST_F(TieBreakTest, OnlyLevelTeamsChooseAndOkStoresEveryPosition) {
    wxZAVFrame& w = OpenWith(TwoLevelTeams());
    std::vector<bool> enabled;
    Results entries, shown;
    const auto user = [&](TieBreakDialog& d) {
        for (ListChoice* list : d.positions) {
            enabled.push_back(list->IsEnabled());
            entries.push_back(Entries(list));
            shown.push_back(Shown(list));
        }
        d.positions[1]->SetSelection(1);
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_TIE_BREAK), Play<TieBreakDialog>(user));
    EXPECT_EQ((std::vector<bool>{false, true, true, false}), enabled);
    EXPECT_EQ((Results{"1|2|3|4|", "2|3|", "2|3|", "1|2|3|4|"}), entries);
    EXPECT_EQ((Results{"1", "2", "2", "4"}), shown);
    const int expected[] = {1, 3, 2, 4};
    for (int t = 0; t < 4; ++t) EXPECT_EQ(expected[t], w.Document().Sheet().iTieBreakPlace[t]) << t;
    EXPECT_EQ(5, w.Document().Sheet().iGamesRunning);
    ExpectChangeApplied();
}

TEST_F(TieBreakTest, StoredChoiceIsShownAndCancelKeepsIt) {
    zav::ScoreSheet s = TwoLevelTeams();
    s.iTieBreakPlace[2] = 3;
    wxZAVFrame& w = OpenWith(s);
    std::string shown;
    const auto user = [&](TieBreakDialog& d) {
        shown = Shown(d.positions[2]);
        d.positions[2]->SetSelection(0);
        return static_cast<int>(wxID_CANCEL);
    };
    wxTEST_DIALOG(Run(ID_TIE_BREAK), Play<TieBreakDialog>(user));
    EXPECT_EQ("3", shown);
    EXPECT_EQ(3, w.Document().Sheet().iTieBreakPlace[2]);
    EXPECT_EQ(0, w.Document().Sheet().iTieBreakPlace[0]);
    EXPECT_EQ(4, w.Document().Sheet().iGamesRunning);
    ExpectNothingApplied();
}

}  // namespace
