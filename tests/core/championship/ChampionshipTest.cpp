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

class Championship : public ::testing::Test {
protected:
    // The heats as written to files and read back, scored.
    std::vector<Heat> Read(const std::vector<ScoreSheet>& sheets) {
        std::vector<std::string> paths;
        RecordingMessageSink messages;
        for (const ScoreSheet& s : sheets) {
            paths.push_back(temp.File(s.sSubTitle + ".score"));
            EXPECT_TRUE(SaveSheet(s, paths.back(), Reporter(Language::English, messages)));
        }
        return ReadHeats(paths, Language::English);
    }
    zavtest::TempDir temp;
};

TEST_F(Championship, OneSheetCarriesTotalsSeveralTheSumOfHeatScores) {
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

TEST_F(Championship, TwoTeamsOfOneNameAreAskedNotGuessed) {
    const std::vector<Heat> heats =
        Read({OneGameHeat("1", {{"Alpha", 0}, {"alpha", 0}, {"Bravo", 0}})});
    const ScoreSheet open = OneGameHeat("2", {{"ALPHA", 0}, {"Bravo", 0}});
    EXPECT_EQ((TeamMatches{{kAskTeam}, {2}}), ProposeMatches(open, ReadSheets(heats)));
    EXPECT_FALSE(CarriedScores(open, 0, ReadSheets(heats), {kAskTeam}).points);
}

TEST_F(Championship, TableJoinsTeamsRanksTotalsAndNamesWhatItCouldNotUse) {
    std::vector<Heat> heats = Read({OneGameHeat("1", {{"Alpha", 0}, {"Bravo", 0}, {"Charlie", 0}}),
                                    OneGameHeat("2", {{"Charlie", 9}, {"alpha", 0}, {"Bravo", 0}}),
                                    OneGameHeat("3", {{"Delta", 0}, {"Echo", 0}, {"Echo", 0}})});
    heats.push_back(ReadHeat(temp.File("missing.score"), Language::English));
    const ChampionshipTable table = BuildChampionshipTable(heats, Language::English);
    ASSERT_EQ(3u, table.columns.size());
    EXPECT_EQ("Cup", table.title);
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
    ASSERT_EQ(2u, table.notes.size());
    EXPECT_NE(std::string::npos, table.notes[0].find("missing.score"));
    EXPECT_EQ("Teams of one name on one sheet, not joined with the other sheets: Echo (3.score)",
              table.notes[1]);

    const std::string page =
        PrepareChampionshipPage(table, OutputTarget::File, Language::French, PageStyle{});
    EXPECT_NE(std::string::npos, page.find("<b>3 =</b></font></center></td><td><b>Delta</b></td>"
                                           "<td>&nbsp;</td><td>&nbsp;</td><td>3</td>"));
    EXPECT_NE(std::string::npos, page.find("Classement du championnat"));
}

}  // namespace
}  // namespace zav
