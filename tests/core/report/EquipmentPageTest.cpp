#include <gtest/gtest.h>

#include "core/report/PageInspect.h"
#include "core/report/SampleSheets.h"
#include "report/EquipmentPage.h"
#include "report/PlacementPage.h"
#include "sheet/GameCatalogue.h"

namespace zav {
namespace {

using zavtest::Cells;
using zavtest::ColourStyle;
using zavtest::CountOf;
using zavtest::TableRows;

std::string Equipment(const ScoreSheet& sheet, int language) {
    return PrepareHtmlEquip(sheet, OutputTarget::File, language, ColourStyle());
}

// The rows themselves are checked by the exported page's golden file.
TEST(EquipmentPage, NoGamesGiveAnEmptyTable) {
    ScoreSheet sheet = zavtest::SmallSheet();
    sheet.iGamesNr = 0;
    EXPECT_NE(Equipment(sheet, kLangEnglish).find("<center><table border=1></table></center>"),
              std::string::npos);
}

TEST(EquipmentPage, GermanNamesShowWithoutBreakPoints) {
    int k = 0;  // a German catalogue game with a break point
    for (int c = kFirstCatalogueGame; c <= kLastCatalogueGame && !k; ++c)
        if (Text(kLangGerman, c).find("- ") != std::string::npos) k = c;
    ASSERT_NE(k, 0) << "the German catalogue has no break points";
    const std::string stored = Text(kLangGerman, k);

    ScoreSheet sheet = zavtest::SmallSheet();
    sheet.iGamesNr = 4;
    sheet.sGame[0] = stored;
    sheet.sGame[1] = RetireCesure(stored);  // joined: no longer the catalogue's name
    sheet.sGame[2] = "- Staffel- lauf";     // a leading break point stays
    sheet.sGame[3] = "Ein- zwei- drei- vier";
    const auto rows = TableRows(Equipment(sheet, kLangGerman));
    ASSERT_EQ(rows.size(), 4u);
    const auto cells = Cells(rows[0]);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], RetireCesure(stored) + "</b>");
    EXPECT_EQ(CountOf(cells[0], "- "), 0);
    EXPECT_EQ(cells[1], Text(kLangGerman, k + kEquipmentOffset));
    EXPECT_EQ(Cells(rows[1]).size(), 1u);
    EXPECT_EQ(Cells(rows[2])[0], "- Staffel- lauf</b>");
    EXPECT_EQ(Cells(rows[3])[0], "Einzweidrei- vier</b>");
}

TEST(PlacementPage, PicturesAreNamedByTheInterfaceLanguage) {
    for (int language : {kLangFrench, kLangEnglish, kLangGerman}) {
        ScoreSheet sheet = zavtest::SmallSheet(language);
        sheet.sGame[1] = "Unknown game";
        const std::string page =
            PrepareHtmlPlacement(sheet, OutputTarget::WindowOrPrinter, language, ColourStyle());
        const std::string first = std::to_string(language + 140) + ".png";
        EXPECT_NE(
            page.find("<hr><font size=12><b>" + Text(language, 125) +
                      " n\u00B01</b></font><hr></div><center><img src=\"" + first + "\"></center>"),
            std::string::npos)
            << language;
        // A game outside the catalogue keeps its title line, without a picture.
        EXPECT_NE(page.find(" n\u00B02</b></font><hr></div><hr>"), std::string::npos);
        EXPECT_EQ(CountOf(page, "<img src="), 5);
        EXPECT_NE(page.find("<table border=0>"), std::string::npos);  // the header block
    }
}

}  // namespace
}  // namespace zav
