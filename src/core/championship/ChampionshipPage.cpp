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

// A heat's column title: what tells it from the table's other heats.
void AppendColumnTitle(std::string& page, const ChampionshipColumn& column) {
    std::string lines;
    for (const std::string& line : column.heading)
        lines += (lines.empty() ? "" : "<br>") + EscapeMarkup(line);
    page += "<td>" + (lines.empty() ? std::string("&nbsp;") : lines) + "</td>";
}

void AppendTable(std::string& page, const ChampionshipTable& table, bool withHeading,
                 Language language, const PageStyle& style) {
    const std::string red = RedEmphasis(style);
    if (withHeading)
        page += "<p><center><b><font size=+1 color=" + style.headFont + ">" +
                EscapeMarkup(CategoryHeading(table, language)) + "</font></b></center></p>\n";
    page += "<center><table border=1 width=80%><tr bgcolor=" + style.titleBkg + "><td>" +
            Text(language, TextId::RankColumn) + "</td><td>" + Text(language, TextId::TeamColumn) +
            "</td>";
    for (const ChampionshipColumn& column : table.columns) AppendColumnTitle(page, column);
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
    page += "\n";
}

}  // namespace

std::string CategoryHeading(const ChampionshipTable& table, Language language) {
    return table.category.empty() ? Text(language, TextId::NoCategory) : table.category;
}

std::string PrepareChampionshipPage(const Championship& championship, OutputTarget target,
                                    Language language, const PageStyle& style) {
    const std::string& heading = Text(language, TextId::ChampionshipTitle);
    const std::string& title = championship.title.empty() ? heading : championship.title;
    std::string page;
    AppendDocumentHead(page, title);
    AppendHeaderBlock(page, title, championship.title.empty() ? std::string() : heading, target,
                      style);
    // Sheets made by hand name no category: their one table needs no heading.
    const bool headings =
        championship.tables.size() > 1 ||
        (championship.tables.size() == 1 && !championship.tables.front().category.empty());
    for (const ChampionshipTable& table : championship.tables)
        AppendTable(page, table, headings, language, style);
    for (const std::string& note : championship.notes)
        page += "<br><font color=" + std::string(RedEmphasis(style)) + ">" + EscapeMarkup(note) +
                "</font>";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
