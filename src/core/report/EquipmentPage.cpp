#include "report/EquipmentPage.h"

#include "encoding/Markup.h"
#include "sheet/GameCatalogue.h"

namespace zav {

std::string PrepareHtmlEquip(const ScoreSheet& sheet, OutputTarget target, Language language,
                             const PageStyle& style) {
    std::string page;
    PrepareHeader(page, sheet, target, language, style);
    page += "<center><table border=1>";

    const int games = GamesInUse(sheet);
    for (int g = 0; g < games; ++g) {
        page += "<tr bgcolor=";
        page += RowColour(style, g);
        page += "><td>";
        // The list has room for the whole name: the break points only serve
        // the narrow columns of the score sheet.
        page += EscapeMarkup(RetireCesure(sheet.sGame[g]));
        page += "</b></td> ";
        // The catalogue is searched with the name as stored, break points included.
        if (const auto game = CatalogueGameOf(sheet.sGame[g], language)) {
            page += "<td>";
            page += Text(language, EquipmentOf(*game));
            page += "</td>";
        }
        page += "</tr>";
    }

    page += "</table></center>";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
