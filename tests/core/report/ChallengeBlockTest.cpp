#include <gtest/gtest.h>

#include "core/report/PageInspect.h"
#include "core/report/SampleSheets.h"
#include "report/ChallengeBlock.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::ColourStyle;
using zavtest::TableRows;

// The rows of the 'Challenge' block alone ("Display 'Challenge' only").
std::vector<std::string> ChallengeRows(ScoreSheet& sheet) {
    const std::string page =
        PrepareHtml(sheet, {0, 1}, OutputTarget::File, false, Language::English, ColourStyle());
    auto rows = TableRows(page);
    rows.erase(rows.begin(), rows.begin() + 2);  // the two column-title rows
    return rows;
}

TEST(ChallengeBlock, TitleSpansEveryColumnOfTheTable) {
    ScoreSheet sheet = zavtest::SmallSheet();
    sheet.iChallengeScoring = 3;
    sheet.sChallengeTitle = "Juniors & ponies";
    sheet.bChallengeTeam[1] = sheet.bChallengeTeam[3] = 1;
    auto rows = ChallengeRows(sheet);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0],
              "<tr bgcolor=#DDDDFF><td colspan=\"9\"><b><font color=\"#000080\">"
              "Juniors &amp; ponies</font></b></td></tr>");
    for (std::size_t r = 1; r < rows.size(); ++r) EXPECT_EQ(Cells(rows[r]).size(), 9u);

    sheet.fPreviousScore[0] = 5;
    sheet.iTieBreakPlace[0] = 1;
    sheet.sColSupTitle = "Notes";
    rows = ChallengeRows(sheet);
    EXPECT_NE(rows[0].find("colspan=\"13\""), std::string::npos);
    for (std::size_t r = 1; r < rows.size(); ++r) EXPECT_EQ(Cells(rows[r]).size(), 13u);
}

TEST(ChallengeBlock, EmptyChallengeAndGamesWithoutPoints) {
    ScoreSheet sheet = zavtest::SmallSheet();
    sheet.iChallengeScoring = 2;
    sheet.sChallengeTitle = "Open";
    EXPECT_EQ(ChallengeRows(sheet).size(), 1u);  // nobody flagged: the title alone

    sheet.bChallengeTeam[0] = 1;
    const auto rows = ChallengeRows(sheet);
    ASSERT_EQ(rows.size(), 2u);
    const auto cells = Cells(rows[1]);
    EXPECT_EQ(cells[1], "2");  // Alpha first in game 1
    EXPECT_EQ(cells[2], "1");  // abandon: one 'Challenge' point
    for (int g = 3; g < 6; ++g) EXPECT_EQ(cells[1 + g], "&nbsp;");

    // A window page gets the large score font in the block too.
    const std::string window = PrepareHtml(sheet, {1, 1}, OutputTarget::WindowOrPrinter, true,
                                           Language::English, ColourStyle());
    EXPECT_NE(window.find("<td><font size=\"12\" color=#0000FF><b>5</b></font></td><td>&nbsp;"
                          "</td></tr>\n</table></center>"),
              std::string::npos);
}

}  // namespace
}  // namespace zav
