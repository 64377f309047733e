#include <gtest/gtest.h>

#include "report/PlacementPictures.h"
#include "sheet/GameCatalogue.h"

namespace zav {
namespace {

TEST(PlacementPicturesTest, EveryCatalogueGameHasOnePictureNamePerLanguage) {
    EXPECT_EQ(PlacementPictureName({CatalogueGame(0), Language::English}), "2140.png");
    EXPECT_EQ(PlacementPictureName({CatalogueGame(40), Language::French}), "1180.png");
    for (Language language : kLanguages)
        for (int i = 0; i < kCatalogueGameCount; ++i) {
            const auto found =
                PlacementPictureOf(PlacementPictureName({CatalogueGame(i), language}));
            ASSERT_TRUE(found);
            EXPECT_EQ(found->game, CatalogueGame(i));
            EXPECT_EQ(found->language, language);
        }
    // Outside the catalogue ("Other game..." is 181) or the language blocks,
    // or not a picture name of the pages.
    for (const char* name : {"2139.png", "2181.png", "5140.png", "0140.png", "214.png", "21400.png",
                             "2140.jpg", "2140.PNG", "+140.png", "2140.png.png", ""})
        EXPECT_FALSE(PlacementPictureOf(name)) << name;
}

TEST(PlacementPicturesTest, StandInWordsTheGameAsTheEquipmentListAndLivesInTheUserFolder) {
    const auto game = CatalogueGameOf("Luft- ballon- stechen", Language::German);
    ASSERT_TRUE(game);
    const PlacementStandIn standIn = StandInFor({*game, Language::German});
    EXPECT_EQ(standIn.name, "Luftballonstechen");
    EXPECT_EQ(standIn.equipment, Text(Language::German, EquipmentOf(*game)));
    EXPECT_EQ(standIn.fileName, "4142.png");

    const Environment env = [](const std::string& name) -> std::optional<std::string> {
        if (name == "XDG_DATA_HOME") return std::string("/x");
        return std::nullopt;
    };
    EXPECT_EQ(UserPlacementFolder(env), "/x/zavscore/placement");
}

}  // namespace
}  // namespace zav
