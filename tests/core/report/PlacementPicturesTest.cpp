#include <gtest/gtest.h>

#include "report/PlacementPictures.h"
#include "sheet/GameCatalogue.h"

namespace zav {
namespace {

TEST(PlacementPicturesTest, NamesStandForOneCatalogueGameInOneLanguage) {
    for (Language language : kLanguages)
        for (int i = 0; i < kCatalogueGameCount; ++i) {
            const auto found =
                PlacementPictureOf(PlacementPictureName({CatalogueGame(i), language}));
            ASSERT_TRUE(found);
            EXPECT_EQ(static_cast<int>(found->game) + LanguageBlock(found->language),
                      static_cast<int>(CatalogueGame(i)) + LanguageBlock(language));
        }
    // Outside the catalogue ("Other game..." is 181) or the language blocks.
    for (const char* name : {"2139.png", "2181.png", "5140.png", "0140.png", "214.png", "21400.png",
                             "2140.jpg", "+140.png", "2140.png.png", ""})
        EXPECT_FALSE(PlacementPictureOf(name)) << name;

    // A missing picture's stand-in words the game as the equipment list does.
    const PlacementStandIn standIn =
        StandInFor({*CatalogueGameOf("Luft- ballon- stechen", Language::German), Language::German});
    EXPECT_EQ(standIn.name, "Luftballonstechen");
    EXPECT_EQ(standIn.equipment.rfind("1 Ballonbrett", 0), 0u);
    EXPECT_EQ(standIn.fileName, "4142.png");
}

}  // namespace
}  // namespace zav
