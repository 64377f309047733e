// The staff, equipment and placement pages beyond their golden files.
#include <gtest/gtest.h>

#include "core/report/PageTesting.h"
#include "report/EquipmentPage.h"
#include "report/PlacementPage.h"
#include "report/StaffPage.h"
#include "sheet/GameCatalogue.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::ColourStyle;
using zavtest::CountOf;
using zavtest::TableRows;

TEST(StaffPage, OneRowPerTeamBeyondSix) {
    const auto page = PrepareHtmlStaff(zavtest::StaffSheet(10), OutputTarget::File,
                                       Language::English, ColourStyle());
    EXPECT_EQ(TableRows(page).size(), 1u + 10u);
}

TEST(EquipmentPage, NoGamesAnEmptyList) {
    ScoreSheet sheet = zavtest::Sample("small-heat.score");
    sheet.iGamesNr = 0;
    EXPECT_NE(PrepareHtmlEquip(sheet, OutputTarget::File, Language::English, ColourStyle())
                  .find("<center><table border=1></table></center>"),
              std::string::npos);
}

TEST(PlacementPage, PicturesAreNamedByTheInterfaceLanguage) {
    for (Language language : {Language::French, Language::English, Language::German}) {
        ScoreSheet sheet = zavtest::Sample("small-heat.score", language);
        sheet.sGame[1] = "Unknown game";
        const std::string page =
            PrepareHtmlPlacement(sheet, OutputTarget::WindowOrPrinter, language, ColourStyle());
        const std::string first = std::to_string(LanguageBlock(language) + 140) + ".png";
        EXPECT_NE(
            page.find("<hr><font size=12><b>" + Text(language, TextId::GameColumn) +
                      " n\u00B01</b></font><hr></div><center><img src=\"" + first + "\"></center>"),
            std::string::npos)
            << LanguageCode(language);
        // A game outside the catalogue keeps its title line, without a picture.
        EXPECT_NE(page.find(" n\u00B02</b></font><hr></div><hr>"), std::string::npos);
        EXPECT_EQ(CountOf(page, "<img src="), 5);
        EXPECT_EQ(CountOf(page, "</b></font><hr></div>"), sheet.iGamesNr);
        EXPECT_NE(page.find("<table border=0>"), std::string::npos);  // the header block
    }
}

}  // namespace
}  // namespace zav
