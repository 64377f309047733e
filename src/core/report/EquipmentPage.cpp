#include "report/EquipmentPage.h"

#include "sheet/GameCatalogue.h"
#include "texts/Markup.h"
#include "texts/Texts.h"

namespace zav {

std::string PrepareHtmlEquip(const ScoreSheet& sheet, OutputTarget target, int wxLanguage,
                             const PageStyle& style) {
    std::string page;
    PrepareHeader(page, sheet, target, wxLanguage, style);
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
        if (const int k = CatalogueOffsetOf(sheet.sGame[g], wxLanguage)) {
            page += "<td>";
            page += Text(wxLanguage, k + kEquipmentOffset);
            page += "</td>";
        }
        page += "</tr>";
    }

    page += "</table></center>";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
