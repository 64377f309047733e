#include "championship/ChampionshipPage.h"

#include "encoding/Markup.h"
#include "report/ScoreFormat.h"

namespace zav {
namespace {

void AppendHeaderBlock(std::string& page, const std::string& title, const std::string& subTitle,
                       OutputTarget target, const PageStyle& style) {
    page += "<center><table border=0><tr>\n";
    AppendLogoCell(page, style, target);
    page += "\n<td><center><b><font color=\"" + style.headFont + "\">" + EscapeMarkup(title) +
            "</font><br>\n<font color=" + style.headFont + ">" + EscapeMarkup(subTitle) +
            "</font></b><br>\n</center></td></tr></table>\n</center>\n";
}

// A heat's column title: its sub-title and date, and its title when the
// sheets do not share one.
void AppendColumnTitle(std::string& page, const ChampionshipColumn& column, bool withTitle) {
    std::string lines;
    for (const std::string* line :
         {withTitle ? &column.title : nullptr, &column.subTitle, &column.date}) {
        if (!line || line->empty()) continue;
        lines += (lines.empty() ? "" : "<br>") + EscapeMarkup(*line);
    }
    page += "<td>" + (lines.empty() ? std::string("&nbsp;") : lines) + "</td>";
}

}  // namespace

std::string PrepareChampionshipPage(const ChampionshipTable& table, OutputTarget target,
                                    Language language, const PageStyle& style) {
    const std::string& heading = Text(language, TextId::ChampionshipTitle);
    const std::string& title = table.title.empty() ? heading : table.title;
    std::string page;
    AppendDocumentHead(page, title);
    AppendHeaderBlock(page, title, table.title.empty() ? std::string() : heading, target, style);

    const std::string red = RedEmphasis(style);
    page += "<center><table border=1 width=80%><tr bgcolor=" + style.titleBkg + "><td>" +
            Text(language, TextId::RankColumn) + "</td><td>" + Text(language, TextId::TeamColumn) +
            "</td>";
    for (const ChampionshipColumn& column : table.columns)
        AppendColumnTitle(page, column, table.title.empty());
    page += "<td>" + Text(language, TextId::TotalScoreColumn) + "</td></tr>\n";

    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const ChampionshipRow& row = table.rows[r];
        page += "<tr bgcolor=" + RowColour(style, static_cast<int>(r)) +
                "><td><center><font color=" + red + "><b>" + std::to_string(row.rank) +
                (row.sharedRank ? " =" : "") + "</b></font></center></td><td><b>" +
                EscapeMarkup(row.team) + "</b></td>";
        for (const std::optional<float>& points : row.points) {
            if (!points) {
                page += "<td>&nbsp;</td>";
                continue;
            }
            page += "<td>";
            AppendScore(page, *points);
            page += "</td>";
        }
        AppendTotalScoreCell(page, row.total, red.c_str());
        page += "</tr>\n";
    }
    page += "</table></center>";
    for (const std::string& note : table.notes)
        page += "<br><font color=" + red + ">" + EscapeMarkup(note) + "</font>";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
