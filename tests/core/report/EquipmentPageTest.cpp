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

std::string Equipment(const ScoreSheet& sheet, Language language) {
    return PrepareHtmlEquip(sheet, OutputTarget::File, language, ColourStyle());
}

// The rows themselves are checked by the exported page's golden file.
TEST(EquipmentPage, NoGamesGiveAnEmptyTable) {
    ScoreSheet sheet = zavtest::SmallSheet();
    sheet.iGamesNr = 0;
    EXPECT_NE(Equipment(sheet, Language::English).find("<center><table border=1></table></center>"),
              std::string::npos);
}

TEST(EquipmentPage, GermanNamesShowWithoutBreakPoints) {
    std::optional<TextId> k;  // a German catalogue game with a break point
    for (int c = 0; c < kCatalogueGameCount && !k; ++c)
        if (Text(Language::German, CatalogueGame(c)).find("- ") != std::string::npos)
            k = CatalogueGame(c);
    ASSERT_TRUE(k) << "the German catalogue has no break points";
    const std::string stored = Text(Language::German, *k);

    ScoreSheet sheet = zavtest::SmallSheet();
    sheet.iGamesNr = 4;
    sheet.sGame[0] = stored;
    sheet.sGame[1] = RetireCesure(stored);  // joined: no longer the catalogue's name
    sheet.sGame[2] = "- Staffel- lauf";     // a leading break point stays
    sheet.sGame[3] = "Ein- zwei- drei- vier";
    const auto rows = TableRows(Equipment(sheet, Language::German));
    ASSERT_EQ(rows.size(), 4u);
    const auto cells = Cells(rows[0]);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], RetireCesure(stored) + "</b>");
    EXPECT_EQ(CountOf(cells[0], "- "), 0);
    EXPECT_EQ(cells[1], Text(Language::German, EquipmentOf(*k)));
    EXPECT_EQ(Cells(rows[1]).size(), 1u);
    EXPECT_EQ(Cells(rows[2])[0], "- Staffel- lauf</b>");
    EXPECT_EQ(Cells(rows[3])[0], "Einzweidrei- vier</b>");
}

TEST(PlacementPage, PicturesAreNamedByTheInterfaceLanguage) {
    for (Language language : {Language::French, Language::English, Language::German}) {
        ScoreSheet sheet = zavtest::SmallSheet(language);
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
        EXPECT_NE(page.find("<table border=0>"), std::string::npos);  // the header block
    }
}

}  // namespace
}  // namespace zav
