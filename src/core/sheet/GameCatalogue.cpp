#include "sheet/GameCatalogue.h"

#include "texts/Texts.h"

namespace zav {
namespace {

// Removes one "- " that does not start the name.
void RemoveOneBreak(std::string& name) {
    const auto pos = name.find("- ");
    if (pos != std::string::npos && pos > 0) name.erase(pos, 2);
}

}  // namespace

std::string RetireCesure(const std::string& name) {
    std::string result = name;
    RemoveOneBreak(result);
    RemoveOneBreak(result);
    return result;
}

std::string AjouteCesure(const std::string& shown, int wxLanguage) {
    for (int k = kFirstCatalogueGame; k <= kLastCatalogueGame; ++k) {
        const std::string& name = Text(wxLanguage, k);
        if (RetireCesure(name) == shown) return name;
    }
    return shown;
}

int CatalogueOffsetOf(const std::string& name, int wxLanguage) {
    for (int k = kFirstCatalogueGame; k <= kLastCatalogueGame; ++k)
        if (Text(wxLanguage, k) == name) return k;
    return 0;
}

void TranslateGameNames(ScoreSheet& sheet, int wxLanguage) {
    if (sheet.wxLanguageSheet != 0 && sheet.wxLanguageSheet != wxLanguage) {
        const int games = GamesInUse(sheet);
        for (int g = 0; g < games; ++g) {
            const int k = CatalogueOffsetOf(sheet.sGame[g], sheet.wxLanguageSheet);
            if (k != 0) sheet.sGame[g] = Text(wxLanguage, k);
        }
    }
    sheet.wxLanguageSheet = wxLanguage;
}

}  // namespace zav
