#include "sheet/GameCatalogue.h"

namespace zav {
namespace {

constexpr int kFirstGameOffset = static_cast<int>(TextId::GameAgilityAces);
constexpr int kEquipmentOffset = static_cast<int>(TextId::EquipAgilityAces) - kFirstGameOffset;
static_assert(static_cast<int>(TextId::GameHoopla) == kFirstGameOffset + kCatalogueGameCount - 1);

// Removes one "- " that does not start the name.
void RemoveOneBreak(std::string& name) {
    const auto pos = name.find("- ");
    if (pos != std::string::npos && pos > 0) name.erase(pos, 2);
}

}  // namespace

TextId CatalogueGame(int index) {
    return static_cast<TextId>(kFirstGameOffset + index);
}

TextId EquipmentOf(TextId game) {
    return static_cast<TextId>(static_cast<int>(game) + kEquipmentOffset);
}

std::string RetireCesure(const std::string& name) {
    std::string result = name;
    RemoveOneBreak(result);
    RemoveOneBreak(result);
    return result;
}

std::string AjouteCesure(const std::string& shown, Language language) {
    for (int i = 0; i < kCatalogueGameCount; ++i) {
        const std::string& name = Text(language, CatalogueGame(i));
        if (RetireCesure(name) == shown) return name;
    }
    return shown;
}

std::optional<TextId> CatalogueGameOf(const std::string& name, Language language) {
    for (int i = 0; i < kCatalogueGameCount; ++i)
        if (Text(language, CatalogueGame(i)) == name) return CatalogueGame(i);
    return std::nullopt;
}

void TranslateGameNames(ScoreSheet& sheet, Language language) {
    if (sheet.languageSheet && *sheet.languageSheet != language) {
        const int games = GamesInUse(sheet);
        for (int g = 0; g < games; ++g) {
            if (const auto game = CatalogueGameOf(sheet.sGame[g], *sheet.languageSheet))
                sheet.sGame[g] = Text(language, *game);
        }
    }
    sheet.languageSheet = language;
}

}  // namespace zav
