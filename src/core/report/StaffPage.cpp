#include "report/StaffPage.h"

#include <algorithm>

#include "texts/Markup.h"
#include "texts/Texts.h"

namespace zav {
namespace {

namespace offset {
constexpr int kRefereesTeam = 326;
constexpr int kRefereesNames = 327;
constexpr int kArenaPartyTeam = 328;
constexpr int kArenaPartyNames = 329;
}  // namespace offset

void AppendCell(std::string& page, const std::string& sheetText) {
    page += "<td>";
    page += EscapeMarkup(sheetText);
    page += "</td>";
}

}  // namespace

std::string PrepareHtmlStaff(const ScoreSheet& sheet, OutputTarget target, int wxLanguage,
                             const PageStyle& style) {
    std::string page;
    PrepareHeader(page, sheet, target, wxLanguage, style);
    page += "<center><table border=1>";

    page += "<tr bgcolor=";
    page += style.titleBkg;
    page += "><td>";
    page += Text(wxLanguage, offset::kRefereesTeam);
    page += "</td><td>";
    page += Text(wxLanguage, offset::kRefereesNames);
    page += "</td><td>&nbsp;&nbsp;</td><td>";
    page += Text(wxLanguage, offset::kArenaPartyTeam);
    page += "</td><td>";
    page += Text(wxLanguage, offset::kArenaPartyNames);
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
