#include <gtest/gtest.h>

#include "core/report/PageInspect.h"
#include "core/report/SampleSheets.h"
#include "report/StaffPage.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::ColourStyle;
using zavtest::TableRows;

TEST(StaffPage, TenTeamsTenRowsAndEscapedNames) {
    ScoreSheet sheet = zavtest::StaffSheet(10);
    sheet.sARefereeName[9] = "<script>x</script>";
    sheet.sPlaceurName[9] = "Ann & Bob";
    sheet.sARefereeName[2].clear();
    const auto rows =
        TableRows(PrepareHtmlStaff(sheet, OutputTarget::File, Language::English, ColourStyle()));
    ASSERT_EQ(rows.size(), 1u + 10u);
    for (std::size_t r = 1; r < rows.size(); ++r) EXPECT_EQ(Cells(rows[r]).size(), 5u);
    EXPECT_EQ(Cells(rows[3])[1], "");  // an empty name gives an empty cell
    EXPECT_EQ(Cells(rows[10])[1], "&lt;script&gt;x&lt;/script&gt;");
    EXPECT_EQ(Cells(rows[10])[3], "Team 10");
    EXPECT_EQ(Cells(rows[10])[4], "Ann &amp; Bob");
}

}  // namespace
}  // namespace zav
