#include <gtest/gtest.h>

#include "core/report/PageInspect.h"
#include "core/report/SampleSheets.h"
#include "report/StaffPage.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::ColourStyle;
using zavtest::TableRows;

TEST(StaffPage, SmallHeatGetsSixRowsAndBlankArenaParty) {
    const ScoreSheet sheet = zavtest::StaffSheet(4);
    const auto rows =
        TableRows(PrepareHtmlStaff(sheet, OutputTarget::File, kLangEnglish, ColourStyle()));
    ASSERT_EQ(rows.size(), 1u + 6u);
    EXPECT_EQ(rows[0],
              "<tr bgcolor=#DDDDFF><td>Team of assistant referees</td><td>Assistant referees "
              "names</td><td>&nbsp;&nbsp;</td><td>Team of arena party</td><td>Names of arena "
              "party</td></tr>");
    EXPECT_EQ(rows[1],
              "<tr bgcolor=#FFFFFF><td>Group 1</td><td>Referee 1</td><td bgcolor=#DDDDFF>&nbsp;"
              "</td><td>Team 1</td><td>Placeur 1</td></tr>");
    EXPECT_EQ(rows[4].rfind("<tr bgcolor=#EEEEEE><td>Group 4</td><td>Referee 4</td>", 0), 0u);
    // Referee rows go on past the teams; the arena party cells stay blank.
    EXPECT_EQ(rows[6],
              "<tr bgcolor=#EEEEEE><td>Group 6</td><td>Referee 6</td><td bgcolor=#DDDDFF>&nbsp;"
              "</td><td>&nbsp;</td><td>&nbsp;</td></tr>");
}

TEST(StaffPage, TenTeamsTenRowsAndEscapedNames) {
    ScoreSheet sheet = zavtest::StaffSheet(10);
    sheet.sARefereeName[9] = "<script>x</script>";
    sheet.sPlaceurName[9] = "Ann & Bob";
    sheet.sARefereeName[2].clear();
    const auto rows =
        TableRows(PrepareHtmlStaff(sheet, OutputTarget::File, kLangEnglish, ColourStyle()));
    ASSERT_EQ(rows.size(), 1u + 10u);
    for (std::size_t r = 1; r < rows.size(); ++r) EXPECT_EQ(Cells(rows[r]).size(), 5u);
    EXPECT_EQ(Cells(rows[3])[1], "");  // an empty name gives an empty cell
    EXPECT_EQ(Cells(rows[10])[1], "&lt;script&gt;x&lt;/script&gt;");
    EXPECT_EQ(Cells(rows[10])[3], "Team 10");
    EXPECT_EQ(Cells(rows[10])[4], "Ann &amp; Bob");
}

}  // namespace
}  // namespace zav
