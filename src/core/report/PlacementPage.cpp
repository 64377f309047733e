#include "report/PlacementPage.h"

#include "encoding/Markup.h"
#include "report/PlacementPictures.h"
#include "sheet/GameCatalogue.h"

namespace zav {
namespace {

// "<hr>...Game n°3...<hr>": the title line of one game.
void AppendGameTitle(std::string& page, int g, Language language) {
    page += "<hr><font size=12><b>";
    page += Text(language, TextId::GameColumn);
    page += " n\u00B0";
    page += std::to_string(g + 1);
    page += "</b></font><hr>";
}

// A catalogue game's placement picture, named by the catalogue entry's full
// text number; `attributes` follow its src. Other games have none.
void AppendGamePicture(std::string& page, const ScoreSheet& sheet, int g, Language language,
                       const char* attributes) {
    const auto game = CatalogueGameOf(sheet.sGame[g], language);
    if (!game) return;
    page += "<center><img src=\"";
    page += EscapeAttribute(PlacementPictureName({*game, language}));
    page += "\"";
    page += attributes;
    page += "></center>";
}

}  // namespace

std::string PrepareHtmlPlacement(const ScoreSheet& sheet, OutputTarget target, Language language,
                                 const PageStyle& style) {
    std::string page;
    PrepareHeader(page, sheet, target, language, style);
    const int games = GamesInUse(sheet);
    for (int g = 0; g < games; ++g) {
        AppendGameTitle(page, g, language);
        page += "</div>";
        AppendGamePicture(page, sheet, g, language, "");
    }
    PrepareFooter(page);
    return page;
}

std::string PrintHtmlPlacementDocument(const ScoreSheet& sheet, Language language) {
    std::string page;
    AppendDocumentHead(page, sheet);
    const int games = GamesInUse(sheet);
    // Each game is one table, from the page break before it: the printing
    // engine then starts every page alike. Title and picture left loose, the
    // first page began higher than the others (the space after a picture
    // moved to the top of the next page) and a picture could ride up over
    // its title's rule.
    for (int g = 0; g < games; ++g) {
        if (g > 0) page += "<div style=\"page-break-before:always;\"></div>";
        page += "<table width=\"100%\" cellspacing=0 cellpadding=0><tr><td>";
        AppendGameTitle(page, g, language);
        page += "</td></tr><tr><td>";
        AppendGamePicture(page, sheet, g, language, " height=\"405\" width=\"540\"");
        page += "</td></tr></table>";
    }
    PrepareFooter(page);
    return page;
}

}  // namespace zav
