// The phone page: the ranking in the score sheet's own scores and positions,
// the 'Challenge', escapes, and the live parts only when asked for.
#include <gtest/gtest.h>

#include <limits>

#include "core/report/PageTesting.h"
#include "encoding/Markup.h"
#include "report/PhonePage.h"
#include "report/ScoreFormat.h"
#include "report/ScoreSheetPage.h"
#include "sheet/Scoring.h"

namespace zav {
namespace {

// The rows of the ranking tables, in page order.
std::vector<std::string> Rows(const std::string& page) {
    std::vector<std::string> rows;
    for (auto at = page.find("<tr style="); at != std::string::npos;
         at = page.find("<tr style=", at + 1))
        rows.push_back(page.substr(at, page.find("</tr>", at) - at));
    return rows;
}

// The team a row names, or -1.
int TeamIn(const std::string& row, const ScoreSheet& sheet) {
    for (int t = 0; t < sheet.iTeamsNr; ++t)
        if (row.find(">" + EscapeMarkup(sheet.sTeamName[t]) + "<") != std::string::npos) return t;
    return -1;
}

TEST(PhonePage, RanksTeamsByTheScoreSheetsPositionsAndHeatScores) {
    ScoreSheet sheet = zavtest::Sample("full-heat.score");
    for (int t = 0; t < kMaxTeams; ++t)
        sheet.fPreviousScore[t] = sheet.fChallengePreviousScore[t] = 0;
    const std::string page =
        PreparePhonePage(sheet, Language::English, zavtest::ColourStyle(), PhoneUpdates::Static);
    ScoreSheet scored = sheet;
    ASSERT_FALSE(ComputeSheetColumns(scored).previous);
    ComputeScores(scored);
    ComputeChallengeScores(scored);

    const auto rows = Rows(page);
    int challengeTeams = 0;
    for (int t = 0; t < scored.iTeamsNr; ++t) challengeTeams += scored.bChallengeTeam[t];
    ASSERT_EQ(rows.size(), std::size_t(scored.iTeamsNr + challengeTeams));
    int lastPlace = 0;
    for (int r = 0; r < scored.iTeamsNr; ++r) {
        const int t = TeamIn(rows[r], scored);
        ASSERT_GE(t, 0) << rows[r];
        const int place = scored.iTieBreakPlace[t] ? scored.iTieBreakPlace[t] : scored.iSetPlace[t];
        EXPECT_GE(place, lastPlace);
        lastPlace = place;
        EXPECT_NE(rows[r].find("<td class=\"pos\">" + std::to_string(place)), std::string::npos);
        EXPECT_NE(rows[r].find("class=\"total\">" + FormatScore(scored.fSetScore[t]) + "<"),
                  std::string::npos)
            << rows[r];
    }
    // The 'Challenge' by its own points, not the heat's, under its escaped title.
    float lastChallengeTotal = std::numeric_limits<float>::max();
    for (std::size_t r = scored.iTeamsNr; r < rows.size(); ++r) {
        const int t = TeamIn(rows[r], scored);
        ASSERT_GE(t, 0) << rows[r];
        const float total = scored.fChallengeSetScore[t];
        EXPECT_LE(total, lastChallengeTotal);
        lastChallengeTotal = total;
        EXPECT_NE(rows[r].find("class=\"total\">" + FormatScore(total) + "<"), std::string::npos)
            << rows[r];
    }
    EXPECT_NE(page.find(">Challenge 'Young riders'</h2>"), std::string::npos);
    EXPECT_NE(page.find("Nations cup &lt;semi-final&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<semi"), std::string::npos);
}

// With earlier heats the position and the large number are the total's, the
// heat's own score and position come in small type under the name.
TEST(PhonePage, WithEarlierHeatsTheTotalRanksAndTheHeatComesSecond) {
    ScoreSheet sheet;
    sheet.iTeamsNr = 4;
    sheet.iGamesNr = 1;
    sheet.iScoring = 4;
    const char* names[] = {"Vire Express", "Les P'tits Loups", "Les Farfadets", "Les Lutins"};
    const float previous[] = {10, 19, 12, 30};
    for (int t = 0; t < 4; ++t) {
        sheet.sTeamName[t] = names[t];
        sheet.fPreviousScore[t] = previous[t];
        sheet.iGamePlace[t][0] = t + 1;  // 4, 3, 2 and 1 points
    }
    const std::string page =
        PreparePhonePage(sheet, Language::English, zavtest::ColourStyle(), PhoneUpdates::Static);
    const auto rows = Rows(page);
    ASSERT_EQ(4u, rows.size());
    const char* expected[][4] = {
        {"1", "Les Lutins", "31", "This heat: 1 pts, position 4"},
        {"2", "Les P'tits Loups", "22", "This heat: 3 pts, position 2"},
        {"3 =", "Vire Express", "14", "This heat: 4 pts, position 1"},
        {"3 =", "Les Farfadets", "14", "This heat: 2 pts, position 3"},
    };
    for (int r = 0; r < 4; ++r) {
        const std::string& row = rows[r];
        EXPECT_NE(row.find(std::string("class=\"pos\">") + expected[r][0] + "<"), std::string::npos)
            << row;
        EXPECT_NE(row.find(std::string(">") + expected[r][1] + "<"), std::string::npos) << row;
        EXPECT_NE(row.find(std::string("class=\"total\">") + expected[r][2] + "<"),
                  std::string::npos)
            << row;
        EXPECT_NE(row.find(std::string(">") + expected[r][3] + "<"), std::string::npos) << row;
    }
    EXPECT_NE(page.find("Ranked by total score"), std::string::npos);
}

TEST(PhonePage, LivePartsOnlyWhenLiveAndTheStandingAlways) {
    ScoreSheet sheet = zavtest::Sample("small-heat.score");
    const auto page = [&](PhoneUpdates updates) {
        return PreparePhonePage(sheet, Language::German, zavtest::ColourStyle(), updates);
    };
    EXPECT_NE(page(PhoneUpdates::Live).find("new EventSource('events')"), std::string::npos);
    EXPECT_EQ(page(PhoneUpdates::Static).find("<script"), std::string::npos);
    EXPECT_NE(page(PhoneUpdates::Static).find("name=\"viewport\""), std::string::npos);
    EXPECT_EQ(page(PhoneUpdates::Static).find("<h2 style"), std::string::npos);  // no 'Challenge'
    sheet.sGame[0] = "Becher- spiel";
    EXPECT_NE(page(PhoneUpdates::Static).find("<li>Becherspiel</li>"), std::string::npos);
    // The heat's standing under its date, live or not.
    EXPECT_NE(page(PhoneUpdates::Live).find("<p class=\"standing provisional\">Vorläufig</p>"),
              std::string::npos);
    sheet.bOfficial = true;
    sheet.sOfficialAt = "2026-05-12 11:40:07";
    EXPECT_NE(page(PhoneUpdates::Static).find(">Offiziell 2026-05-12 11:40</p></header>"),
              std::string::npos);
}

// A game nobody has scored in yet has no points in any row, as the score
// sheet leaves its cells empty; each game run has them in every row.
TEST(PhonePage, GamesNotRunYetAreLeftOut) {
    const std::string page =
        PreparePhonePage(zavtest::Sample("small-heat.score"), Language::English,
                         zavtest::ColourStyle(), PhoneUpdates::Static);
    const auto rows = Rows(page);
    ASSERT_EQ(rows.size(), 4u);
    for (const std::string& row : rows)
        for (int game = 1; game <= 6; ++game)
            EXPECT_EQ(row.find("<i>" + std::to_string(game) + "</i>") != std::string::npos,
                      game <= 3)
                << "game " << game << " in " << row;

    // Before any result, nobody has a position yet.
    ScoreSheet fresh = zavtest::Sample("small-heat.score");
    for (auto& team : fresh.iGamePlace)
        for (int& place : team) place = kNoResult;
    for (const std::string& row : Rows(PreparePhonePage(
             fresh, Language::English, zavtest::ColourStyle(), PhoneUpdates::Static)))
        EXPECT_NE(row.find("class=\"pos\"></"), std::string::npos) << row;
}

}  // namespace
}  // namespace zav
