// The score sheet page beyond its golden files: the optional columns, what
// shows before a game is run, shared places, the blame footnote, escapes,
// the display choices and the 'Challenge' block.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "core/report/PageTesting.h"
#include "report/ScoreFormat.h"
#include "report/ScoreSheetPage.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::CountOf;
using zavtest::TableRows;

std::string Page(ScoreSheet& sheet, SheetView view = {1, 1},
                 OutputTarget target = OutputTarget::File, bool withColours = false,
                 const PageStyle& style = zavtest::ColourStyle()) {
    return PrepareHtml(sheet, view, target, withColours, Language::English, style);
}

// Every row of the table has as many cells as the table has columns.
void ExpectColumns(const std::string& page, std::size_t columns) {
    for (const std::string& row : TableRows(page)) EXPECT_EQ(Cells(row).size(), columns) << row;
}

class ScoreSheetPage : public ::testing::Test {
protected:
    // Four teams, six games of which three run: game 1 Alpha first, Bravo and
    // Charlie share second, Delta eliminated; game 2 Alpha abandons.
    ScoreSheet small = zavtest::Sample("small-heat.score");
};

TEST_F(ScoreSheetPage, OptionalColumnsFollowTheirFlags) {
    EXPECT_EQ(TableRows(Page(small)).size(), 2u + 4u);
    ExpectColumns(Page(small), 6 + 3);
    // Previous scores that truncate to nothing show no column.
    small.fPreviousScore[1] = 0.5f;
    small.fChallengePreviousScore[2] = 0.9f;
    ExpectColumns(Page(small), 6 + 3);
    // One point brought from a previous heat, or from a previous 'Challenge',
    // adds both the previous-score and the total columns.
    small.fPreviousScore[1] = 1;
    ExpectColumns(Page(small), 6 + 5);
    small.fPreviousScore[1] = 0;
    small.fChallengePreviousScore[2] = 3;
    ExpectColumns(Page(small), 6 + 5);
    small.iTieBreakPlace[0] = 1;
    ExpectColumns(Page(small), 6 + 6);
    small.sColSupTitle = "Notes";  // the titles in order: see the golden pages
    ExpectColumns(Page(small), 6 + 7);
    EXPECT_EQ(ColumnCount(small, ComputeSheetColumns(small)), 6 + 7);

    // The 'Challenge' title spans them all.
    small.iChallengeScoring = 3;
    small.sChallengeTitle = "Juniors & ponies";
    small.bChallengeTeam[1] = small.bChallengeTeam[3] = true;
    const auto rows = TableRows(Page(small, {0, 1}));
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
    EXPECT_EQ(TruncateScore(-0.9f), 0);
    EXPECT_EQ(TruncateScore(7.9f), 7);
    EXPECT_EQ(TruncateScore(2147483648.0f), INT_MAX);  // beyond int: no overflow
    EXPECT_EQ(TruncateScore(-3e9f), INT_MIN);
    EXPECT_EQ(TruncateScore(std::nanf("")), 0);
}

TEST_F(ScoreSheetPage, GamesShowOnceSomebodyHasPoints) {
    auto rows = TableRows(Page(small));
    for (int t = 0; t < 4; ++t)
        for (int g = 3; g < 6; ++g) EXPECT_EQ(Cells(rows[2 + t])[1 + g], "&nbsp;");  // not run
    EXPECT_EQ(Cells(rows[5])[1], "0");  // Delta eliminated in a run game: 0 shown
    // Everybody eliminated: the column sum is 0, so nothing shows.
    for (int t = 0; t < 4; ++t) small.iGamePlace[t][3] = kElimination;
    rows = TableRows(Page(small));
    for (int t = 0; t < 4; ++t) EXPECT_EQ(Cells(rows[2 + t])[4], "&nbsp;");
    small.iGamePlace[0][3] = 1;  // the first team alone has points: the game shows
    EXPECT_EQ(Cells(TableRows(Page(small))[3])[4], "0");
    small.iGamePlace[0][3] = kElimination;

    // In the 'Challenge' too; an abandon there is one point.
    small.iChallengeScoring = 2;
    small.bChallengeTeam[0] = true;
    rows = TableRows(Page(small, {0, 1}));
    ASSERT_EQ(rows.size(), 2u + 2u);
    const auto cells = Cells(rows[3]);
    EXPECT_EQ(cells[1] + cells[2], "21");
    for (int g = 3; g < 6; ++g) EXPECT_EQ(cells[1 + g], "&nbsp;");
    EXPECT_EQ(cells.size(), 6u + 3u);  // no optional column: see the golden pages for them
    small.bChallengeTeam[0] = false;
    EXPECT_EQ(TableRows(Page(small, {0, 1})).size(), 2u + 1u);  // the title alone
}

TEST_F(ScoreSheetPage, SharedPlacesAndTieBreakEmphasis) {
    // Alpha and Bravo share game 1 and win one game each: level on 10.5.
    const int places[4][3] = {{1, 1, 2}, {1, 2, 1}, {2, 3, 3}, {3, 4, 4}};
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 3; ++g) small.iGamePlace[t][g] = places[t][g];
    auto rows = TableRows(Page(small));
    ASSERT_EQ(Cells(rows[2])[7], Cells(rows[3])[7]);  // equal heat scores
    const std::string shared = "<center><font  color=#FF0000><b>1 =</b></font></center>";
    EXPECT_EQ(Cells(rows[2])[8], shared);
    EXPECT_EQ(Cells(rows[3])[8], shared);
    EXPECT_EQ(CountOf(Cells(rows[4])[8], " ="), 0);

    // A tie-break takes the emphasis (its layout: see the golden pages).
    small.iTieBreakPlace[0] = 2;
    EXPECT_EQ(Cells(TableRows(Page(small))[2])[8], "<center>1 =</center>");
}

TEST_F(ScoreSheetPage, BlameFootnoteStaysUntilTheSheetIsReset) {
    small.bAvertissement[1][4] = true;  // game 5 not run: no mark, no footnote
    EXPECT_EQ(CountOf(Page(small), "(*)"), 0);
    EXPECT_FALSE(small.bFlagAvertissement);

    small.bAvertissement[1][0] = true;  // the mark and the footnote: see the golden pages
    EXPECT_EQ(CountOf(Page(small), "(*)"), 2);
    // The blame is taken back: the mark goes, the footnote stays, also in a
    // view without team rows.
    small.bAvertissement[1][0] = false;
    EXPECT_EQ(CountOf(Page(small), "(*)"), 1);
    EXPECT_NE(Page(small, {0, 1}).find("= Blame"), std::string::npos);
    SetDataToZero(small);
    EXPECT_EQ(CountOf(Page(small), "(*)"), 0);
}

// Titles, game and team names are escaped in the golden pages; these are the
// texts the golden sheets leave plain.
TEST_F(ScoreSheetPage, TeamColoursOnlyInTheWindowAndEscapedLikeTheAddOnTexts) {
    small.sTeamColors[1] = "black & <b>white</b>";
    small.sColSupTitle = "Notes";
    small.sColSupContent[2] = "x > y";
    const std::string window = Page(small, {1, 1}, OutputTarget::WindowOrPrinter, true);
    EXPECT_NE(window.find("<td><b>Alpha</b><br>red</td>"), std::string::npos);
    EXPECT_NE(window.find("<td><b>Delta</b></td>"), std::string::npos);  // no colours given
    EXPECT_NE(window.find("<b>Bravo</b><br>black &amp; &lt;b&gt;white&lt;/b&gt;</td>"),
              std::string::npos);
    EXPECT_NE(window.find("<td>x &gt; y</td>"), std::string::npos);
    EXPECT_NE(Page(small, {1, 1}, OutputTarget::WindowOrPrinter).find("<td><b>Alpha</b></td>"),
              std::string::npos);
}

TEST_F(ScoreSheetPage, DisplayChoicesPickTheParts) {
    // Both parts and the 'Challenge' alone: see the golden pages.
    ScoreSheet full = zavtest::Sample("full-heat.score");
    EXPECT_EQ(TableRows(Page(full, {1, 0})).size(), 2u + 10u);
    EXPECT_EQ(ViewOnOpening(full).bViewChall, 1);
    full.iChallengeScoring = 0;  // no 'Challenge': never shown
    EXPECT_EQ(ViewOnOpening(full).bViewChall, 0);
    EXPECT_EQ(TableRows(Page(full, {1, 1})).size(), 2u + 10u);
    EXPECT_EQ(TableRows(Page(full, {0, 1})).size(), 2u);
}

// The logo's tag itself is in the golden pages.
TEST_F(ScoreSheetPage, HeaderEscapesTheLogoAndLeavesOutWhatIsNotGiven) {
    PageStyle style = zavtest::ColourStyle();
    style.logoPath = "/srv/club logos";
    style.logoName = "pony&co.png";
    EXPECT_NE(Page(small, {1, 1}, OutputTarget::WindowOrPrinter, true, style)
                  .find("src=\"/srv/club logos/pony&amp;co.png\">"),
              std::string::npos);
    // Without a referee, no label either.
    small.sReferee.clear();
    EXPECT_NE(Page(small).find("<br>\n12/05/2026 - AM</center></td></tr></table>\n</center>\n"),
              std::string::npos);
}

}  // namespace
}  // namespace zav
