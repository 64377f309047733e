#include "report/PlacementPictures.h"

#include <charconv>

#include "paths/PathNames.h"
#include "sheet/GameCatalogue.h"

namespace zav {

namespace {

constexpr std::string_view kPictureExtension = ".png";

}  // namespace

std::string PlacementPictureName(const PlacementPicture& picture) {
    return std::to_string(LanguageBlock(picture.language) + static_cast<int>(picture.game)) +
           std::string(kPictureExtension);
}

std::optional<PlacementPicture> PlacementPictureOf(const std::string& fileName) {
    // Four digits: a language block (1000 to 4000) plus a catalogue offset.
    constexpr size_t digits = 4;
    if (fileName.size() != digits + kPictureExtension.size() ||
        fileName.compare(digits, std::string::npos, kPictureExtension) != 0)
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(fileName.data(), fileName.data() + digits, number);
    if (error != std::errc() || end != fileName.data() + digits) return std::nullopt;
    const int block = number / 1000 * 1000;
    const int index = number % 1000 - static_cast<int>(CatalogueGame(0));
    if (index < 0 || index >= kCatalogueGameCount) return std::nullopt;
    for (Language language : kLanguages)
        if (LanguageBlock(language) == block)
            return PlacementPicture{CatalogueGame(index), language};
    return std::nullopt;
}

std::string UserPlacementFolder(const Environment& env) {
    return PathInFolder(UserDataFolder(env), "placement");
}

PlacementStandIn StandInFor(const PlacementPicture& picture) {
    return {RetireCesure(Text(picture.language, picture.game)),
            Text(picture.language, EquipmentOf(picture.game)), PlacementPictureName(picture)};
}

}  // namespace zav
