// The arena's screens: the heat as they tell it (what the last game changed,
// the game running), the views the board's choice shows, the teams' colours
// and riders, the championship of the open sheet's category.
#include <gtest/gtest.h>

#include <regex>

#include "championship/ChampionshipTable.h"
#include "core/report/PageTesting.h"
#include "official/Standing.h"
#include "report/ScoreFormat.h"
#include "screens/Riders.h"
#include "screens/ScreenPages.h"
#include "screens/Standings.h"
#include "screens/TeamColours.h"
#include "sheet/Scoring.h"

namespace zav {
namespace {

// The keys of the board's views, in turn order.
std::vector<std::string> Views(const std::string& board) {
    std::vector<std::string> keys;
    const std::regex key("<section class=\"view\"[^>]* data-key=\"([\\w-]+)\"");
    for (auto it = std::sregex_iterator(board.begin(), board.end(), key);
         it != std::sregex_iterator(); ++it)
        keys.push_back((*it)[1]);
    return keys;
}

// A championship of `teams` rows with long names, over two heats.
ChampionshipTable LongTable(int teams) {
    ChampionshipTable table;
    table.columns.resize(2);
    for (int t = 0; t < teams; ++t)
        table.rows.push_back({"Poney-Club des Très Longues Écuries " + std::to_string(t + 1),
                              {12.5f, 10.0f},
                              22.5f,
                              t + 1,
                              false});
    return table;
}

// Small heat: games 1 to 3 run. Before game 3 Bravo, Charlie, Alpha, Delta;
// after it Bravo, Alpha, Charlie, Delta.
TEST(Standings, TheLastGameInWhatItChangedAndTheGameRunning) {
    ScoreSheet sheet = zavtest::Sample("small-heat.score");
    HeatStandings standings = ComputeStandings(sheet);
    EXPECT_EQ(standings.lastGame, 2);
    EXPECT_EQ(standings.nowGame, 3);
    EXPECT_EQ(standings.nextGame, 4);
    std::vector<std::string> rows;
    for (const Standing& row : standings.rows)
        rows.push_back(sheet.sTeamName[row.team] + " " + row.position + " " +
                       std::to_string(row.moved) + " " + FormatScore(row.lastGame) + " " +
                       FormatScore(row.gap));
    EXPECT_EQ(rows, (std::vector<std::string>{"Bravo 1 0 3 0", "Alpha 2 1 4 0.5",
                                              "Charlie 3 -1 2 2", "Delta 4 0 1 6.5"}));

    // Places first, then the outcomes; a blame goes with its team.
    sheet.bAvertissement[1][0] = true;
    std::vector<std::string> finish;
    for (const Finish& f : FinishingOrder(sheet, 0))
        finish.push_back(sheet.sTeamName[f.team] + std::to_string(f.code) + (f.blame ? "*" : ""));
    EXPECT_EQ(finish, (std::vector<std::string>{"Alpha1", "Bravo2*", "Charlie2", "Delta-2"}));

    // Game 5 entered before game 4: game 4 is still the one running, and
    // nothing has been run yet on a fresh sheet.
    for (int t = 0; t < 4; ++t) sheet.iGamePlace[t][4] = 4 - t;
    standings = ComputeStandings(sheet);
    EXPECT_EQ(standings.lastGame, 4);
    EXPECT_EQ(standings.nowGame, 3);
    EXPECT_EQ(standings.nextGame, 5);
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 6; ++g) sheet.iGamePlace[t][g] = kNoResult;
    standings = ComputeStandings(sheet);
    EXPECT_EQ(standings.lastGame, -1);
    EXPECT_EQ(standings.rows.at(0).position, "");
    EXPECT_EQ(standings.rows.at(0).moved, 0);
}

TEST(TeamColours, TheWordsOfFourLanguagesUpToThreeColours) {
    EXPECT_EQ(PaintOfColours("bleu/blanc"), (std::vector<std::string>{"#1a4fd0", "#ffffff"}));
    EXPECT_EQ(PaintOfColours("Black and GOLD"), (std::vector<std::string>{"#111111", "#d4a017"}));
    EXPECT_EQ(PaintOfColours("Rot-Weiß-Grün-Blau"),
              (std::vector<std::string>{"#d01818", "#ffffff", "#138a2c"}));
    EXPECT_EQ(PaintOfColours("rosse, verdi"), (std::vector<std::string>{"#d01818", "#138a2c"}));
    EXPECT_EQ(PaintOfColours("Jaunes"), (std::vector<std::string>{"#f5d000"}));
    EXPECT_TRUE(PaintOfColours("tartan (club 4)").empty());
}

// The views in turn, one view alone, and the ranking where the view chosen
// has nothing: a championship of twelve teams turns two pages.
TEST(BoardPage, TheViewsTheScorersChoiceShows) {
    ScoreSheet sheet = zavtest::Sample("full-heat.score");
    ScreenSource source;
    source.sheet = &sheet;
    source.championship = LongTable(12);
    source.board = {BoardView::Turn, 1};
    std::string board = PrepareBoardPage(source);
    EXPECT_EQ(Views(board), (std::vector<std::string>{"ranking", "challenge", "championship-1",
                                                      "championship-2"}));
    EXPECT_NE(board.find("data-seconds=\"3\""), std::string::npos);  // brought within bounds
    EXPECT_NE(board.find("<span class=\"heat-title\">"), std::string::npos);
    source.board.view = BoardView::Championship;
    EXPECT_EQ(Views(PrepareBoardPage(source)),
              (std::vector<std::string>{"championship-1", "championship-2"}));
    source.board.view = BoardView::Challenge;
    EXPECT_EQ(Views(PrepareBoardPage(source)), (std::vector<std::string>{"challenge"}));
    sheet.iChallengeScoring = 0;
    source.championship.reset();
    EXPECT_EQ(Views(PrepareBoardPage(source)), (std::vector<std::string>{"ranking"}));
    source.board.view = BoardView::Championship;
    board = PrepareBoardPage(source);
    EXPECT_EQ(Views(board), (std::vector<std::string>{"ranking"}));
    EXPECT_EQ(board.find("<nav>"), std::string::npos);  // one view: nothing turns

    // Each screen says in words whether the heat may still change.
    for (const bool official : {false, true}) {
        if (official) MakeOfficial(sheet, "2026-05-12 11:40:05");
        const std::string said = official ? ">Official 2026-05-12 11:40<" : ">Provisional<";
        const ScreenPages pages = BuildScreenPages(source);
        for (const std::string* page : {&pages.board, &pages.overlay, &pages.announcer})
            EXPECT_NE(page->find(said), std::string::npos) << *page;
    }

    // No sheet open: each screen says so, and follows the event stream.
    source.sheet = nullptr;
    const ScreenPages none = BuildScreenPages(source);
    for (const std::string* page : {&none.board, &none.overlay, &none.announcer}) {
        EXPECT_NE(page->find("EventSource('/events')"), std::string::npos);
        EXPECT_NE(page->find("class=\"live"), std::string::npos);
    }
    EXPECT_NE(none.board.find(Text(Language::English, TextId::EntryNoSheet)), std::string::npos);
}

// A set made from the sample entries file: each team of a sheet finds its
// riders there; another competition's file gives none.
TEST(Riders, FromTheEntriesFileOfTheSheetsCompetition) {
    RecordingMessageSink messages;
    const Reporter reporter(Language::English, messages);
    SifEntries entries;
    ASSERT_TRUE(
        ReadSifFile(zavtest::TestFile("../examples/regional-entries-sif.txt"), entries, reporter));
    ScoreSheet sheet;
    sheet.sSubTitle = "Comp\xC3\xA9tition num\xC3\xA9ro 2611 - Cat\xC3\xA9gorie(s) : Minime 1 - ";
    sheet.iTeamsNr = 3;
    sheet.sTeamName[0] = "LES FARFADETS";         // found up to case
    sheet.sTeamName[1] = "Gr\xC3\xA8ves Racing";  // of the Cadet 1 category
    sheet.sTeamName[2] = "Les P'tits Loups";
    const auto riders = RidersOfSheet(entries, sheet);
    ASSERT_EQ(riders.size(), 3u);
    ASSERT_EQ(riders[0].size(), 4u);
    EXPECT_EQ(riders[0][0].name + " " + riders[0][0].pony,
              "L\xC3\xA9"
              "a Martin Caramel");
    EXPECT_TRUE(riders[1].empty());
    EXPECT_EQ(riders[2].at(3).name, "Tom Roux");
    sheet.sSubTitle = "Comp\xC3\xA9tition num\xC3\xA9ro 2612 - Cat\xC3\xA9gorie(s) : Minime 1 - ";
    EXPECT_TRUE(RidersOfSheet(entries, sheet)[0].empty());
}

// The set's heats that share a team with the open sheet make its
// championship, the open sheet in its own file's place with its changes.
TEST(ScreenChampionship, TheSheetsSharingTeamsWithTheOpenOne) {
    const auto heat = [](const std::string& path, std::vector<std::string> teams) {
        Heat h{path, {}, {}};
        h.sheet.iTeamsNr = static_cast<int>(teams.size());
        h.sheet.iGamesNr = 1;
        h.sheet.iScoring = h.sheet.iTeamsNr;
        for (int t = 0; t < h.sheet.iTeamsNr; ++t) {
            h.sheet.sTeamName[t] = teams[static_cast<std::size_t>(t)];
            h.sheet.iGamePlace[t][0] = t + 1;
        }
        ComputeScores(h.sheet);
        return h;
    };
    const std::vector<Heat> set = {heat("/e/a.pscore", {"A", "B"}), heat("/e/b.pscore", {"C", "D"}),
                                   heat("/e/c.pscore", {"B", "A"})};
    ScoreSheet open = set[2].sheet;
    open.iGamePlace[0][0] = 2;  // the open sheet's change, not yet saved
    open.iGamePlace[1][0] = 1;
    const auto table = ChampionshipOfSheet(open, "c.pscore", set, Language::English);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->columns.size(), 2u);
    // A won both: the open sheet counts as it stands.
    EXPECT_EQ(table->rows.at(0).team, "A");
    EXPECT_EQ(table->rows.at(0).points.at(1), table->rows.at(0).points.at(0));
    EXPECT_FALSE(ChampionshipOfSheet(set[1].sheet, "b.pscore", set, Language::English));
    EXPECT_FALSE(ChampionshipOfSheet(open, "c.score", {}, Language::English));
}

}  // namespace
}  // namespace zav
