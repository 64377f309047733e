#include "report/PlacementPage.h"

#include "sheet/GameCatalogue.h"
#include "texts/Texts.h"

namespace zav {
namespace {

constexpr int kGameLabel = 125;

// "<hr>...Game n°3...<hr></div>": the title line of one game.
void AppendGameTitle(std::string& page, int g, int wxLanguage) {
    page += "<hr><font size=12><b>";
    page += Text(wxLanguage, kGameLabel);
    page += " n\u00B0";
    page += std::to_string(g + 1);
    page += "</b></font><hr></div>";
}

// A catalogue game's placement picture, named by the catalogue entry's full
// text number; `attributes` follow its src. Other games have none.
void AppendGamePicture(std::string& page, const ScoreSheet& sheet, int g, int wxLanguage,
                       const char* attributes) {
    const int k = CatalogueOffsetOf(sheet.sGame[g], wxLanguage);
    if (k == 0) return;
    page += "<center><img src=\"";
    page += std::to_string(wxLanguage + k);
    page += ".png\"";
    page += attributes;
    page += "></center>";
}

}  // namespace

std::string PrepareHtmlPlacement(const ScoreSheet& sheet, OutputTarget target, int wxLanguage,
                                 const PageStyle& style) {
    std::string page;
    PrepareHeader(page, sheet, target, wxLanguage, style);
    const int games = GamesInUse(sheet);
    for (int g = 0; g < games; ++g) {
        AppendGameTitle(page, g, wxLanguage);
        AppendGamePicture(page, sheet, g, wxLanguage, "");
    }
    PrepareFooter(page);
    return page;
}

std::string PrintHtmlPlacementDocument(const ScoreSheet& sheet, int wxLanguage) {
    std::string page;
    AppendDocumentHead(page, sheet);
    const int games = GamesInUse(sheet);
    for (int g = 0; g < games; ++g) {
        page += "<div style=\"page-break-before:always;\">";
        AppendGameTitle(page, g, wxLanguage);
        AppendGamePicture(page, sheet, g, wxLanguage, " height=\"405\" width=\"540\"");
    }
    PrepareFooter(page);
    return page;
}

}  // namespace zav
