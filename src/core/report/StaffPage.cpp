#include "report/StaffPage.h"

#include <algorithm>

#include "encoding/Markup.h"

namespace zav {
namespace {

void AppendCell(std::string& page, const std::string& sheetText) {
    page += "<td>";
    page += EscapeMarkup(sheetText);
    page += "</td>";
}

}  // namespace

std::string PrepareHtmlStaff(const ScoreSheet& sheet, OutputTarget target, Language language,
                             const PageStyle& style) {
    std::string page;
    PrepareHeader(page, sheet, target, language, style);
    page += "<center><table border=1>";

    page += "<tr bgcolor=";
    page += style.titleBkg;
    page += "><td>";
    page += Text(language, TextId::RefereesTeamColumn);
    page += "</td><td>";
    page += Text(language, TextId::RefereesNamesColumn);
    page += "</td><td>&nbsp;&nbsp;</td><td>";
    page += Text(language, TextId::ArenaPartyTeamColumn);
    page += "</td><td>";
    page += Text(language, TextId::ArenaPartyNamesColumn);
    page += "</td></tr>";

    const int teams = TeamsInUse(sheet);
    const int rows = std::max(teams, kMinStaffRows);
    for (int k = 0; k < rows; ++k) {
        page += "<tr bgcolor=";
        page += RowColour(style, k);
        page += ">";
        AppendCell(page, sheet.sARefereeTeam[k]);
        AppendCell(page, sheet.sARefereeName[k]);
        page += "<td bgcolor=";
        page += style.titleBkg;
        page += ">&nbsp;</td>";
        if (k < teams) {
            AppendCell(page, sheet.sTeamName[k]);
            AppendCell(page, sheet.sPlaceurName[k]);
        } else {
            page += "<td>&nbsp;</td><td>&nbsp;</td>";
        }
        page += "</tr>";
    }

    page += "</table></center>";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
