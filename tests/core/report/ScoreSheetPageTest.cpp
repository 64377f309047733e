// The score sheet page beyond its golden files: the optional columns, what
// shows before a game is run, shared places, the blame footnote, the display
// choices.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "core/report/PageTesting.h"
#include "report/ScoreFormat.h"
#include "report/ScoreSheetPage.h"
#include "sheetfile/SheetFile.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::CountOf;
using zavtest::TableRows;

class ScoreSheetPage : public ::testing::Test {
protected:
    std::string Page(SheetView view = {1, 1}, OutputTarget target = OutputTarget::File) {
        return PrepareHtml(sheet, view, target, false, Language::English, zavtest::ColourStyle());
    }

    // Four teams, six games of which three run: game 1 Alpha first, Bravo and
    // Charlie share second, Delta eliminated; game 2 Alpha abandons.
    ScoreSheet sheet = zavtest::Sample("small-heat.score");
};

TEST_F(ScoreSheetPage, OptionalColumnsFollowTheirFlags) {
    // Previous scores that truncate to nothing show no column; one point, in
    // the heat or the 'Challenge', adds the previous-score and total columns.
    const struct {
        float previous, challengePrevious;
        int tieBreak;
        const char* addOnTitle;
        std::size_t columns;
    } steps[] = {{0, 0, 0, "", 6 + 3}, {0.5f, 0.9f, 0, "", 6 + 3}, {1, 0, 0, "", 6 + 5},
                 {0, 3, 0, "", 6 + 5}, {0, 3, 1, "", 6 + 6},       {0, 3, 1, "Notes", 6 + 7}};
    for (const auto& step : steps) {
        sheet.fPreviousScore[1] = step.previous;
        sheet.fChallengePreviousScore[2] = step.challengePrevious;
        sheet.iTieBreakPlace[0] = step.tieBreak;
        sheet.sColSupTitle = step.addOnTitle;
        for (const std::string& row : TableRows(Page()))
            EXPECT_EQ(Cells(row).size(), step.columns) << row;
    }

    // The 'Challenge' title spans them all.
    sheet.iChallengeScoring = 3;
    sheet.sChallengeTitle = "Juniors & ponies";
    sheet.bChallengeTeam[1] = sheet.bChallengeTeam[3] = true;
    const auto rows = TableRows(Page({0, 1}));
    ASSERT_EQ(rows.size(), 2u + 3u);
    EXPECT_EQ(rows[2],
              "<tr bgcolor=#DDDDFF><td colspan=\"13\"><b><font color=\"#000080\">"
              "Juniors &amp; ponies</font></b></td></tr>");
    for (std::size_t r = 3; r < rows.size(); ++r) EXPECT_EQ(Cells(rows[r]).size(), 13u);
}

TEST_F(ScoreSheetPage, ScoresAreWrittenWithoutDecimalsWhenWhole) {
    const std::pair<float, const char*> written[] = {
        {12, "12"},      {0, "0"},           {-1, "-1"},      {6.5f, "6.5"},
        {12.5f, "12.5"}, {10.0f / 3, "3.3"}, {-0.5f, "-0.5"}, {2147483648.0f, "2147483648"}};
    for (const auto& [score, text] : written) EXPECT_EQ(FormatScore(score), text) << text;
    const std::pair<float, int> truncated[] = {
        {-0.9f, 0}, {7.9f, 7}, {2147483648.0f, INT_MAX}, {-3e9f, INT_MIN}, {std::nanf(""), 0}};
    for (const auto& [score, whole] : truncated) EXPECT_EQ(TruncateScore(score), whole) << score;
}

TEST_F(ScoreSheetPage, GamesShowOnceSomebodyHasPoints) {
    auto rows = TableRows(Page());
    for (int t = 0; t < 4; ++t)
        for (int g = 3; g < 6; ++g) EXPECT_EQ(Cells(rows[2 + t])[1 + g], "&nbsp;");  // not run
    // Everybody eliminated: the column sum is 0, so nothing shows.
    for (int t = 0; t < 4; ++t) sheet.iGamePlace[t][3] = kElimination;
    rows = TableRows(Page());
    for (int t = 0; t < 4; ++t) EXPECT_EQ(Cells(rows[2 + t])[4], "&nbsp;");
    sheet.iGamePlace[0][3] = 1;  // the first team alone has points: the game shows
    EXPECT_EQ(Cells(TableRows(Page())[3])[4], "0");
    sheet.iGamePlace[0][3] = kElimination;

    // In the 'Challenge' too; an abandon there is one point.
    sheet.iChallengeScoring = 2;
    sheet.bChallengeTeam[0] = true;
    rows = TableRows(Page({0, 1}));
    ASSERT_EQ(rows.size(), 2u + 2u);
    const auto cells = Cells(rows[3]);
    EXPECT_EQ(cells[1] + cells[2], "21");
    for (int g = 3; g < 6; ++g) EXPECT_EQ(cells[1 + g], "&nbsp;");
    sheet.bChallengeTeam[0] = false;
    EXPECT_EQ(TableRows(Page({0, 1})).size(), 2u + 1u);  // the title alone
}

// Results taken away (a game cleared, a team's result removed, a team out of
// the 'Challenge', every result gone) take their points and positions with
// them: the page is the page of the same sheet saved and read again.
TEST_F(ScoreSheetPage, ClearedResultsLeaveThePageOfTheSheetReadAgain) {
    sheet = zavtest::FullSampleSheet();
    const auto reread = [](const ScoreSheet& shown) {
        ScoreSheet read;
        RecordingMessageSink messages;
        EXPECT_TRUE(ParseSheet(read, SheetFileBytes(shown, Language::English),
                               Reporter(Language::English, messages)));
        return read;
    };
    const auto clear = [&](int t, int g) {
        sheet.iGamePlace[t][g] = kNoResult;
        sheet.bAvertissement[t][g] = false;
    };
    Page();  // points computed before the results go
    for (int t = 0; t < sheet.iTeamsNr; ++t) clear(t, 0);
    clear(1, 1);
    sheet.bChallengeTeam[2] = false;
    ScoreSheet again = reread(sheet);
    EXPECT_EQ(Page(), PrepareHtml(again, {1, 1}, OutputTarget::File, false, Language::English,
                                  zavtest::ColourStyle()));
    for (int t = 0; t < sheet.iTeamsNr; ++t)
        for (int g = 0; g < sheet.iGamesNr; ++g) clear(t, g);
    again = reread(sheet);
    EXPECT_EQ(Page(), PrepareHtml(again, {1, 1}, OutputTarget::File, false, Language::English,
                                  zavtest::ColourStyle()));
}

TEST_F(ScoreSheetPage, SharedPlacesAndTieBreakEmphasis) {
    // Alpha and Bravo share game 1 and win one game each: level on 10.5.
    const int places[4][3] = {{1, 1, 2}, {1, 2, 1}, {2, 3, 3}, {3, 4, 4}};
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 3; ++g) sheet.iGamePlace[t][g] = places[t][g];
    auto rows = TableRows(Page());
    ASSERT_EQ(Cells(rows[2])[7], Cells(rows[3])[7]);  // equal heat scores
    const std::string shared = "<center><font  color=#FF0000><b>1 =</b></font></center>";
    EXPECT_EQ(Cells(rows[2])[8], shared);
    EXPECT_EQ(Cells(rows[3])[8], shared);
    EXPECT_EQ(CountOf(Cells(rows[4])[8], " ="), 0);
    sheet.iTieBreakPlace[0] = 2;  // a tie-break takes the emphasis
    EXPECT_EQ(Cells(TableRows(Page())[2])[8], "<center>1 =</center>");
}

// The footnote follows the marks of the team rows last built: a view
// without them keeps it, a blame taken back takes it away.
TEST_F(ScoreSheetPage, BlameFootnoteFollowsTheMarks) {
    sheet.bAvertissement[1][4] = true;  // game 5 not run: no mark, no footnote
    EXPECT_EQ(CountOf(Page(), "(*)"), 0);
    EXPECT_FALSE(sheet.bFlagAvertissement);
    sheet.bAvertissement[1][0] = true;
    EXPECT_EQ(CountOf(Page(), "(*)"), 2);
    EXPECT_NE(Page({0, 1}).find("= Blame"), std::string::npos);
    sheet.bAvertissement[1][0] = false;
    EXPECT_EQ(CountOf(Page(), "(*)"), 0);
}

TEST_F(ScoreSheetPage, DisplayChoicesPickTheParts) {
    sheet = zavtest::Sample("full-heat.score");  // ten teams, a 'Challenge'
    EXPECT_EQ(TableRows(Page({1, 0})).size(), 2u + 10u);
    EXPECT_EQ(ViewOnOpening(sheet).bViewChall, 1);
    sheet.iChallengeScoring = 0;  // no 'Challenge': never shown
    EXPECT_EQ(ViewOnOpening(sheet).bViewChall, 0);
    EXPECT_EQ(TableRows(Page({0, 1})).size(), 2u);
    // Team colours only where asked, not in every window page.
    EXPECT_EQ(CountOf(Page({1, 1}, OutputTarget::WindowOrPrinter), "<br>red"), 0);
}

}  // namespace
}  // namespace zav
