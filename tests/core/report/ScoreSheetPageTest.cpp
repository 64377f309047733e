#include <gtest/gtest.h>

#include "core/report/PageInspect.h"
#include "core/report/SampleSheets.h"
#include "report/ScoreFormat.h"
#include "report/ScoreSheetPage.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::ColourStyle;
using zavtest::CountOf;
using zavtest::TableRows;

const SheetView kBoth{1, 1};

std::string FilePage(ScoreSheet& sheet, Language language = Language::English,
                     const PageStyle& style = ColourStyle()) {
    return PrepareHtml(sheet, kBoth, OutputTarget::File, false, language, style);
}

// Every row of the table has as many cells as the table has columns.
void ExpectColumns(const std::string& page, std::size_t columns) {
    for (const std::string& row : TableRows(page)) EXPECT_EQ(Cells(row).size(), columns) << row;
}

TEST(ScoreSheetPage, OptionalColumnsFollowTheirFlags) {
    ScoreSheet sheet = zavtest::SmallSheet();
    std::string page = FilePage(sheet);
    EXPECT_EQ(TableRows(page).size(), 2u + 4u);
    ExpectColumns(page, 6 + 3);

    // Previous scores that truncate to nothing show no column.
    sheet.fPreviousScore[1] = 0.5f;
    sheet.fChallengePreviousScore[2] = 0.9f;
    ExpectColumns(FilePage(sheet), 6 + 3);

    // One point brought from a previous heat, or from a previous 'Challenge',
    // adds both the previous-score and the total columns.
    sheet.fPreviousScore[1] = 1;
    ExpectColumns(FilePage(sheet), 6 + 5);
    sheet.fPreviousScore[1] = 0;
    sheet.fChallengePreviousScore[2] = 3;
    ExpectColumns(FilePage(sheet), 6 + 5);

    sheet.iTieBreakPlace[0] = 1;
    ExpectColumns(FilePage(sheet), 6 + 6);
    sheet.sColSupTitle = "Notes";  // the titles in order: see the golden pages
    ExpectColumns(FilePage(sheet), 6 + 7);
    EXPECT_EQ(ColumnCount(sheet, ComputeSheetColumns(sheet)), 6 + 7);
}

TEST(ScoreSheetPage, NumberRuleWritesWholeScoresWithoutDecimals) {
    EXPECT_EQ(FormatScore(12), "12");
    EXPECT_EQ(FormatScore(0), "0");
    EXPECT_EQ(FormatScore(-1), "-1");
    EXPECT_EQ(FormatScore(6.5f), "6.5");
    EXPECT_EQ(FormatScore(12.5f), "12.5");
    EXPECT_EQ(FormatScore(10.0f / 3.0f), "3.3");
    EXPECT_EQ(FormatScore(-0.5f), "-0.5");
    EXPECT_EQ(FormatScore(1e10f), "10000000000");  // whole, beyond int: no overflow
    EXPECT_EQ(TruncateScore(-0.9f), 0);
    EXPECT_EQ(TruncateScore(7.9f), 7);
}

TEST(ScoreSheetPage, GameColumnsShowOnceSomebodyHasPoints) {
    ScoreSheet sheet = zavtest::SmallSheet();
    auto rows = TableRows(FilePage(sheet));
    for (int t = 0; t < 4; ++t) {
        const auto cells = Cells(rows[2 + t]);
        for (int g = 3; g < 6; ++g) EXPECT_EQ(cells[1 + g], "&nbsp;");  // not run yet
    }
    EXPECT_EQ(Cells(rows[5])[1], "0");  // Delta eliminated in a run game: 0 shown

    // Everybody eliminated: the column sum is 0, so nothing shows.
    for (int t = 0; t < 4; ++t) sheet.iGamePlace[t][3] = kElimination;
    rows = TableRows(FilePage(sheet));
    for (int t = 0; t < 4; ++t) EXPECT_EQ(Cells(rows[2 + t])[4], "&nbsp;");
}

TEST(ScoreSheetPage, SharedPlacesAndTieBreakEmphasis) {
    ScoreSheet sheet = zavtest::SmallSheet();
    // Alpha and Bravo share game 1 and win one game each: level on 10.5.
    const int places[4][3] = {{1, 1, 2}, {1, 2, 1}, {2, 3, 3}, {3, 4, 4}};
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 3; ++g) sheet.iGamePlace[t][g] = places[t][g];
    auto rows = TableRows(FilePage(sheet));
    ASSERT_EQ(Cells(rows[2])[7], Cells(rows[3])[7]);  // equal heat scores
    const std::string shared = "<center><font  color=#FF0000><b>1 =</b></font></center>";
    EXPECT_EQ(Cells(rows[2])[8], shared);
    EXPECT_EQ(Cells(rows[3])[8], shared);
    EXPECT_EQ(CountOf(Cells(rows[4])[8], " ="), 0);

    // The tie-break decides: the heat place loses its emphasis, the tie-break
    // place carries it; a team without one gets an empty cell.
    sheet.iTieBreakPlace[0] = 2;
    sheet.iTieBreakPlace[1] = 1;
    rows = TableRows(FilePage(sheet));
    EXPECT_EQ(Cells(rows[2])[8], "<center>1 =</center>");
    EXPECT_EQ(Cells(rows[2])[9], "<center><font  color=#FF0000><b>2</b></font></center>");
    EXPECT_EQ(Cells(rows[3])[9], "<center><font  color=#FF0000><b>1</b></font></center>");
    EXPECT_EQ(Cells(rows[4])[9], "&nbsp;");

    // The window and printer get the large font attribute.
    const std::string window = PrepareHtml(sheet, kBoth, OutputTarget::WindowOrPrinter, false,
                                           Language::English, ColourStyle());
    EXPECT_NE(window.find("<font size=\"12\" color=#FF0000><b>2</b>"), std::string::npos);
}

TEST(ScoreSheetPage, BlameFootnoteStaysUntilTheSheetIsReset) {
    ScoreSheet sheet = zavtest::SmallSheet();
    sheet.bAvertissement[1][4] = 1;  // game 5 not run: no mark, no footnote
    std::string page = FilePage(sheet);
    EXPECT_EQ(CountOf(page, "(*)"), 0);
    EXPECT_FALSE(sheet.bFlagAvertissement);

    sheet.bAvertissement[1][0] = 1;
    page = FilePage(sheet);
    EXPECT_NE(page.find("<td>2.5 <font color=#FF0000><b>(*)</b></font></td>"), std::string::npos);
    EXPECT_NE(page.find("</table></center><br><br><font color=#FF0000><b>(*)</b> = Blame</font>"
                        "<br></body></html>"),
              std::string::npos);
    EXPECT_TRUE(sheet.bFlagAvertissement);

    // The blame is taken back: the mark goes, the footnote stays, also in a
    // view without team rows.
    sheet.bAvertissement[1][0] = 0;
    page = FilePage(sheet);
    EXPECT_EQ(CountOf(page, "(*)"), 1);
    page = PrepareHtml(sheet, {0, 1}, OutputTarget::File, false, Language::English, ColourStyle());
    EXPECT_NE(page.find("= Blame"), std::string::npos);

    SetDataToZero(sheet);
    EXPECT_EQ(CountOf(FilePage(sheet), "(*)"), 0);
}

TEST(ScoreSheetPage, BlackAndWhiteTurnsEmphasisBlackButKeepsBackgrounds) {
    ScoreSheet sheet = zavtest::FullSheet();
    PageStyle style = ColourStyle();
    std::string page = FilePage(sheet, Language::English, style);
    EXPECT_GT(CountOf(page, "#FF0000"), 10);
    EXPECT_GT(CountOf(page, "#0000FF"), 10);

    style.bBWOnly = true;
    page = FilePage(sheet, Language::English, style);
    EXPECT_EQ(CountOf(page, "#FF0000"), 0);
    EXPECT_EQ(CountOf(page, "#0000FF"), 0);
    EXPECT_GT(CountOf(page, "color=#000000"), 20);
    EXPECT_EQ(CountOf(page, "<tr bgcolor=#DDDDFF>"), 3);  // two title rows, 'Challenge' title
    EXPECT_EQ(CountOf(page, "<tr bgcolor=#FFFFFF>"), 5 + 3);
    EXPECT_EQ(CountOf(page, "<tr bgcolor=#EEEEEE>"), 5 + 3);
}

// Titles, game and team names are escaped in the golden pages; these are the
// texts the golden sheets leave plain.
TEST(ScoreSheetPage, TeamColoursAndAddOnTextsAreEscaped) {
    ScoreSheet sheet = zavtest::FullSheet();
    sheet.sTeamColors[9] = "black & <b>white</b>";
    sheet.sColSupContent[9] = "x > y";
    const std::string page = PrepareHtml(sheet, kBoth, OutputTarget::WindowOrPrinter, true,
                                         Language::English, ColourStyle());
    EXPECT_NE(page.find("<b>Smith &amp; Sons</b><br>black &amp; &lt;b&gt;white&lt;/b&gt;</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<td>x &gt; y</td>"), std::string::npos);
    EXPECT_EQ(CountOf(page, "<b>white</b>"), 0);
}

TEST(ScoreSheetPage, TeamColoursOnlyOnTheWindowPage) {
    ScoreSheet sheet = zavtest::SmallSheet();
    const std::string window = PrepareHtml(sheet, kBoth, OutputTarget::WindowOrPrinter, true,
                                           Language::English, ColourStyle());
    EXPECT_NE(window.find("<td><b>Alpha</b><br>red</td>"), std::string::npos);
    EXPECT_NE(window.find("<td><b>Delta</b></td>"), std::string::npos);  // no colours given
    const std::string printer = PrepareHtml(sheet, kBoth, OutputTarget::WindowOrPrinter, false,
                                            Language::English, ColourStyle());
    EXPECT_NE(printer.find("<td><b>Alpha</b></td>"), std::string::npos);
}

TEST(ScoreSheetPage, DisplayChoicesPickTheParts) {
    ScoreSheet sheet = zavtest::FullSheet();
    const auto rowsFor = [&](SheetView view) {
        return TableRows(
            PrepareHtml(sheet, view, OutputTarget::File, false, Language::English, ColourStyle()));
    };
    EXPECT_EQ(rowsFor({1, 1}).size(), 2u + 10u + 1u + 6u);
    EXPECT_EQ(rowsFor({1, 0}).size(), 2u + 10u);
    const auto challengeOnly = rowsFor({0, 1});
    ASSERT_EQ(challengeOnly.size(), 2u + 1u + 6u);
    EXPECT_NE(challengeOnly[2].find("colspan"), std::string::npos);

    const ScoreSheet opened = sheet;
    EXPECT_EQ(ViewOnOpening(opened).bViewChall, 1);
    sheet.iChallengeScoring = 0;  // no 'Challenge': never shown
    EXPECT_EQ(ViewOnOpening(sheet).bViewChall, 0);
    EXPECT_EQ(rowsFor({1, 1}).size(), 2u + 10u);
    EXPECT_EQ(rowsFor({0, 1}).size(), 2u);
}

// The logo's tag itself is in the golden pages.
TEST(ScoreSheetPage, HeaderEscapesTheLogoAndLeavesOutWhatIsNotGiven) {
    ScoreSheet sheet = zavtest::SmallSheet();
    PageStyle style = ColourStyle();
    EXPECT_EQ(CountOf(FilePage(sheet, Language::English, style), "<img"), 0);

    style.logoPath = "/srv/club logos";
    style.logoName = "pony&co.png";
    const std::string window =
        PrepareHtml(sheet, kBoth, OutputTarget::WindowOrPrinter, true, Language::English, style);
    EXPECT_NE(window.find("src=\"/srv/club logos/pony&amp;co.png\">"), std::string::npos);

    // Without a referee, no label either.
    sheet.sReferee.clear();
    EXPECT_NE(FilePage(sheet).find("<br>\n12/05/2026 - AM</center></td></tr></table>\n</center>\n"),
              std::string::npos);
}

}  // namespace
}  // namespace zav
