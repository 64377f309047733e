// Teams found again in earlier sheets by name, the points they carry from
// them, and the championship table over several heats.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "championship/CarriedScores.h"
#include "championship/ChampionshipPage.h"
#include "championship/ChampionshipTable.h"
#include "championship/TeamNames.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"

namespace zav {
namespace {

using Names = std::vector<std::string>;

TEST(MatchName, ExactThenIgnoringCaseAccentsAndSpacesNeverGuessing) {
    const Names sheet = {"Les Écuries du Lac", "Team A", "team a", "Zoë", "Œillet Straße"};
    EXPECT_EQ(1, MatchName("Team A", sheet).index);  // exact wins over its loose twin
    EXPECT_EQ(MatchKind::Exact, MatchName("Team A", sheet).kind);
    const NameMatch loose = MatchName("les ecuries  DU LAC", sheet);
    EXPECT_EQ(MatchKind::Loose, loose.kind);
    EXPECT_EQ(0, loose.index);
    EXPECT_EQ(3, MatchName("ZOE", sheet).index);
    EXPECT_EQ(4, MatchName("oeillet strasse", sheet).index);
    EXPECT_EQ(MatchKind::Ambiguous, MatchName("TEAM A", sheet).kind);
    EXPECT_EQ(MatchKind::Ambiguous, MatchName("Team A", {"Team A", "Team A"}).kind);
    EXPECT_EQ(MatchKind::None, MatchName("Écuries du Lac", sheet).kind);  // renamed
    EXPECT_EQ(MatchKind::None, MatchName(" ", {" ", ""}).kind);
}

// A heat of one game: the teams in finishing order, each with its previous
// points; the first `challenge` teams in a 'Challenge' of 3 points.
ScoreSheet OneGameHeat(const std::string& subTitle,
                       const std::vector<std::pair<std::string, float>>& teams, int challenge = 0) {
    ScoreSheet s;
    s.sTitle = "Cup";
    s.sSubTitle = subTitle;
    s.iTeamsNr = static_cast<int>(teams.size());
    s.iGamesNr = 1;
    s.iScoring = s.iTeamsNr;
    s.iChallengeScoring = challenge ? 3 : 0;
    for (int t = 0; t < s.iTeamsNr; ++t) {
        s.sTeamName[t] = teams[t].first;
        s.fPreviousScore[t] = teams[t].second;
        s.fChallengePreviousScore[t] = t < challenge ? 1 : 0;
        s.bChallengeTeam[t] = t < challenge;
        s.iGamePlace[t][0] = t + 1;
    }
    s.sGame[0] = "Flag Race";
    return s;
}

class EarlierHeats : public ::testing::Test {
protected:
    // The heats as written to files and read back, scored.
    std::vector<Heat> Read(const std::vector<ScoreSheet>& sheets) {
        std::vector<std::string> paths;
        RecordingMessageSink messages;
        for (const ScoreSheet& s : sheets) {
            paths.push_back(temp.File(std::to_string(paths.size() + 1) + ".score"));
            EXPECT_TRUE(SaveSheet(s, paths.back(), Reporter(Language::English, messages)));
        }
        return ReadHeats(paths, Language::English);
    }
    zavtest::TempDir temp;
};

TEST_F(EarlierHeats, OneSheetCarriesTotalsSeveralTheSumOfHeatScores) {
    // Heat 1: A 3, B 2, C 1 points. Heat 2 carried heat 1 into its totals.
    const std::vector<Heat> heats =
        Read({OneGameHeat("1", {{"Alpha", 0}, {"Bravo", 0}, {"Charlie", 0}}, 2),
              OneGameHeat("2", {{"bravo", 2}, {"ALPHA", 3}, {"Delta", 0}, {"Charlie", 1}}, 2)});
    ScoreSheet open =
        OneGameHeat("3", {{"Alpha", 50}, {"Bravo", 0}, {"Charlie", 0}, {"Echo", 7}}, 1);

    const std::vector<const ScoreSheet*> second = {&heats[1].sheet};
    TeamMatches matches = ProposeMatches(open, second);
    EXPECT_EQ((TeamMatches{{1}, {0}, {3}, {kNoTeam}}), matches);
    StoreCarriedScores(open, second, matches);
    // Heat 2's totals: Alpha 3 + 3, Bravo 2 + 4, Charlie 1 + 1.
    EXPECT_FLOAT_EQ(6, open.fPreviousScore[0]);
    EXPECT_FLOAT_EQ(6, open.fPreviousScore[1]);
    EXPECT_FLOAT_EQ(2, open.fPreviousScore[2]);
    EXPECT_FLOAT_EQ(7, open.fPreviousScore[3]);  // no match: kept
    // Only Alpha runs this 'Challenge': ALPHA's total there, 1 + 2.
    EXPECT_FLOAT_EQ(3, open.fChallengePreviousScore[0]);
    EXPECT_FLOAT_EQ(0, open.fChallengePreviousScore[1]);

    const std::vector<const ScoreSheet*> both = ReadSheets(heats);
    matches = ProposeMatches(open, both);
    EXPECT_EQ(std::vector<int>{3}, UnmatchedTeams(matches));
    matches[3] = {kNoTeam, 2};  // the scorer: Echo ran heat 2 as Delta
    StoreCarriedScores(open, both, matches);
    EXPECT_FLOAT_EQ(3 + 3, open.fPreviousScore[0]);  // heat scores only
    EXPECT_FLOAT_EQ(2 + 4, open.fPreviousScore[1]);
    EXPECT_FLOAT_EQ(1 + 1, open.fPreviousScore[2]);
    EXPECT_FLOAT_EQ(2, open.fPreviousScore[3]);
    EXPECT_FLOAT_EQ(3 + 2, open.fChallengePreviousScore[0]);
}

TEST_F(EarlierHeats, TwoTeamsOfOneNameAreAskedNotGuessed) {
    const std::vector<Heat> heats =
        Read({OneGameHeat("1", {{"Alpha", 0}, {"alpha", 0}, {"Bravo", 0}})});
    const ScoreSheet open = OneGameHeat("2", {{"ALPHA", 0}, {"Bravo", 0}});
    EXPECT_EQ((TeamMatches{{kAskTeam}, {2}}), ProposeMatches(open, ReadSheets(heats)));
    EXPECT_FALSE(CarriedScores(open, 0, ReadSheets(heats), {kAskTeam}).points);
}

TEST_F(EarlierHeats, TableJoinsTeamsRanksTotalsAndNamesWhatItCouldNotUse) {
    ScoreSheet lastHeat = OneGameHeat("3", {{"Delta", 0}, {"Echo", 0}, {"Echo", 0}});
    lastHeat.sTitle = "Final";
    std::vector<Heat> heats =
        Read({OneGameHeat("1", {{"Alpha", 0}, {"Bravo", 0}, {"Charlie", 0}}),
              OneGameHeat("2", {{"Charlie", 9}, {"alpha", 0}, {"Bravo", 0}}), lastHeat});
    heats.push_back(ReadHeat(temp.File("missing.score"), Language::English));
    const Championship championship = BuildChampionship(heats, Language::English);
    EXPECT_EQ("", championship.title);
    ASSERT_EQ(1u, championship.tables.size());  // sheets that name no category: one table
    const ChampionshipTable& table = championship.tables[0];
    ASSERT_EQ(3u, table.columns.size());
    // The titles differ: each heads its heat.
    EXPECT_EQ((std::vector<std::string>{"Cup", "2"}), table.columns[1].heading);
    // Alpha 3 + 2, Charlie 1 + 3, Delta 3, Bravo 2 + 1, the two Echos 2 and 1.
    struct Expected {
        const char* team;
        int rank;
        bool shared;
        float total;
    };
    const Expected expected[] = {{"Alpha", 1, false, 5}, {"Charlie", 2, false, 4},
                                 {"Bravo", 3, true, 3},  {"Delta", 3, true, 3},
                                 {"Echo", 5, false, 2},  {"Echo", 6, false, 1}};
    ASSERT_EQ(6u, table.rows.size());
    for (std::size_t r = 0; r < 6; ++r) {
        EXPECT_EQ(expected[r].team, table.rows[r].team) << r;
        EXPECT_EQ(expected[r].rank, table.rows[r].rank) << r;
        EXPECT_EQ(expected[r].shared, table.rows[r].sharedRank) << r;
        EXPECT_FLOAT_EQ(expected[r].total, table.rows[r].total) << r;
    }
    EXPECT_EQ((std::vector<std::optional<float>>{std::nullopt, std::nullopt, 3}),
              table.rows[3].points);
    EXPECT_TRUE(SharesTeams(table));
    ASSERT_EQ(1u, championship.notes.size());
    EXPECT_NE(std::string::npos, championship.notes[0].find("missing.score"));
    EXPECT_EQ(
        (std::vector<std::string>{
            "Teams of one name on one sheet, not joined with the other sheets: Echo (3.score)"}),
        table.notes);

    const std::string page =
        PrepareChampionshipPage(championship, OutputTarget::File, Language::French, PageStyle{});
    EXPECT_NE(std::string::npos, page.find("<b>3 =</b></font></center></td><td><b>Delta</b></td>"
                                           "<td>&nbsp;</td><td>&nbsp;</td><td>3</td>"));
    EXPECT_NE(std::string::npos, page.find("Classement du championnat"));
}

// A set's sheet: the sub-title set creation writes, naming its categories.
ScoreSheet SetSheet(const std::string& categories, const std::string& date,
                    const std::vector<std::pair<std::string, std::string>>& teamsAndColumn) {
    std::vector<std::pair<std::string, float>> teams;
    for (const auto& team : teamsAndColumn) teams.emplace_back(team.first, 0);
    ScoreSheet s =
        OneGameHeat("Compétition numéro 2611 - Catégorie(s) : " + categories + " - ", teams);
    s.sDate = date;
    for (std::size_t t = 0; t < teamsAndColumn.size(); ++t)
        s.sColSupContent[t] = teamsAndColumn[t].second;
    return s;
}

TEST_F(EarlierHeats, EachCategoryHasItsOwnTableOfHeatsToldApart) {
    ScoreSheet byHand = OneGameHeat("Final", {{"Echo", 0}});
    byHand.sAmPm = "PM";
    const std::vector<Heat> heats = Read({
        SetSheet("Minime 1", "14/06", {{"Alpha", ""}, {"Bravo", ""}}),
        // Grouped: the add-on column names each team's category, or none.
        SetSheet("Cadet 1 - Open Elite", "14/06",
                 {{"Alpha", "Open Elite"}, {"Charlie", "Cadet 1"}, {"Delta", ""}}),
        SetSheet("Minime 1", "14/06", {{"bravo", ""}, {"Alpha", ""}}),
        byHand,
    });
    const Championship championship = BuildChampionship(heats, Language::English);
    std::vector<std::string> categories;
    for (const ChampionshipTable& table : championship.tables) {
        categories.push_back(table.category);
        EXPECT_EQ(table.category == "Minime 1", SharesTeams(table)) << table.category;
    }
    EXPECT_EQ(
        (std::vector<std::string>{"Minime 1", "Open Elite", "Cadet 1", "Cadet 1, Open Elite", ""}),
        categories);

    // Minime 1: Alpha 2 + 1, Bravo 1 + 2; the Open Elite Alpha is another team.
    const ChampionshipTable& minime = championship.tables[0];
    ASSERT_EQ(2u, minime.rows.size());
    for (const ChampionshipRow& row : minime.rows) {
        EXPECT_FLOAT_EQ(3, row.total) << row.team;
        EXPECT_TRUE(row.sharedRank) << row.team;
    }
    // Heats of one date whose sub-title only names the category: told apart
    // by their files.
    ASSERT_EQ(2u, minime.columns.size());
    EXPECT_EQ((std::vector<std::string>{"14/06", "1"}), minime.columns[0].heading);
    EXPECT_EQ((std::vector<std::string>{"14/06", "3"}), minime.columns[1].heading);
    EXPECT_EQ((std::vector<std::string>{"Final", "PM"}), championship.tables[4].columns[0].heading);
    EXPECT_EQ("Alpha", championship.tables[1].rows[0].team);
    EXPECT_EQ("Delta", championship.tables[3].rows[0].team);

    const std::string page =
        PrepareChampionshipPage(championship, OutputTarget::File, Language::English, PageStyle{});
    EXPECT_EQ(std::string::npos, page.find("Compétition"));
    EXPECT_LT(page.find(">Cadet 1, Open Elite<"), page.find(">No category<"));
}

}  // namespace
}  // namespace zav
