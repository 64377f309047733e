// The announcer's page, for the commentator's tablet: the game now running
// and the next, the last result in and what it changed (who moved up or
// down, the leader), then every team with its colours and riders, its total
// and its gap to the leader.
#include "encoding/Markup.h"
#include "report/PhonePage.h"
#include "report/ScoreFormat.h"
#include "screens/ScreenFrame.h"
#include "screens/ScreenPages.h"
#include "screens/Standings.h"

namespace zav {
namespace {

constexpr const char* kAnnouncerStyle =
    "body{margin:0;padding:16px 20px;font-family:Arial,Helvetica,sans-serif;font-size:22px;"
    "line-height:1.3;background:#fff;color:#000}\n"
    "header{border-bottom:3px solid;margin-bottom:12px}"
    "h1.heat{font-size:30px;margin:0}header p{margin:4px 0 8px;font-size:20px}\n"
    ".games{display:flex;gap:16px;margin-bottom:14px}.games div{flex:1;border:3px solid;"
    "padding:8px 12px}.games .now{background:#fff6c8}.games small{display:block;font-size:18px;"
    "text-transform:uppercase;letter-spacing:1px}.games b{font-size:26px}\n"
    "h2{font-size:22px;margin:14px 0 6px}h2 small{font-size:18px;text-transform:uppercase;"
    "letter-spacing:1px;margin-right:8px}\n"
    "ol.finish{margin:0;padding:0;list-style:none;display:flex;flex-wrap:wrap;gap:4px 22px}"
    "ol.finish b{margin-right:6px}\n"
    "ul.changes{margin:0;padding-left:24px}ul.changes li{margin:2px 0}\n"
    "table{width:100%;border-collapse:collapse;margin-top:12px}"
    "th{text-align:left;font-size:17px;border-bottom:2px solid;padding:4px 6px}\n"
    "td{padding:8px 6px;vertical-align:top;border-bottom:1px solid #bbb}"
    "td.pos,td.num{font-weight:bold;white-space:nowrap}td.num{text-align:right}\n"
    ".t{display:flex;align-items:center;gap:10px;font-weight:bold;font-size:24px}"
    ".colours{font-weight:normal;font-size:18px}\n"
    ".sw{display:flex;gap:3px;flex:none;width:44px}.sw "
    "i{display:block;width:10px;height:26px;border:2px solid #555}\n"
    ".riders{font-size:18px;margin-top:3px}.move{font-size:18px;margin-left:6px}\n"
    ".empty{font-size:26px;margin-top:40px;text-align:center}\n";

std::string GameLine(const ScoreSheet& sheet, int g, Language language) {
    if (g < 0) return Text(language, TextId::ScreenAllRun);
    return Text(language, TextId::GameColumn) + " " + std::to_string(g + 1) + " &middot; " +
           EscapeMarkup(GameName(sheet, g, language));
}

void AppendGames(std::string& page, const ScoreSheet& sheet, const HeatStandings& standings,
                 Language language) {
    page += "<section class=\"games\"><div class=\"now\"><small>" +
            Text(language, TextId::ScreenNowRunning) + "</small><b>" +
            GameLine(sheet, standings.nowGame, language) + "</b></div>";
    if (standings.nowGame >= 0)
        page += "<div><small>" + Text(language, TextId::ScreenNext) + "</small><b>" +
                GameLine(sheet, standings.nextGame, language) + "</b></div>";
    page += "</section>\n";
}

// The last game in, and what it changed.
void AppendLastResult(std::string& page, const ScoreSheet& sheet, const HeatStandings& standings,
                      Language language) {
    if (standings.lastGame < 0) {
        page += "<p>" + Text(language, TextId::ScreenNoResultYet) + "</p>\n";
        return;
    }
    page += "<h2><small>" + Text(language, TextId::ScreenLastResult) + "</small>" +
            GameLine(sheet, standings.lastGame, language) + "</h2><ol class=\"finish\">";
    for (const Finish& finish : FinishingOrder(sheet, standings.lastGame)) {
        page += "<li><b>" + EscapeMarkup(ResultName(finish.code, language)) + "</b>" +
                TeamName(sheet, finish.team, language);
        if (finish.blame) page += " (" + Text(language, TextId::Blame) + ")";
        page += "</li>";
    }
    page += "</ol>\n<h2><small>" + Text(language, TextId::ScreenChanges) +
            "</small></h2><ul class=\"changes\">";
    bool moves = false;
    for (const Standing& row : standings.rows) {
        if (row.moved == 0) continue;
        moves = true;
        page += "<li><b>" + TeamName(sheet, row.team, language) + "</b> " +
                FormatText(
                    Text(language, row.moved > 0 ? TextId::ScreenMovedUp : TextId::ScreenMovedDown),
                    long(row.moved > 0 ? row.moved : -row.moved)) +
                " &rarr; " + row.position + "</li>";
    }
    if (!moves) page += "<li>" + Text(language, TextId::ScreenNoChange) + "</li>";
    const Standing& leader = standings.rows.front();
    page +=
        "<li>" +
        FormatText(Text(language, TextId::ScreenLeader), TeamName(sheet, leader.team, language)) +
        (standings.rows.size() > 1 ? ", " + FormatText(Text(language, TextId::ScreenAhead),
                                                       FormatScore(standings.rows[1].gap))
                                   : std::string()) +
        "</li></ul>\n";
}

void AppendTeams(std::string& page, const ScoreSheet& sheet, const HeatStandings& standings,
                 const std::vector<std::vector<SifRider>>& riders, Language language) {
    page += "<table><tr><th>" + Text(language, TextId::PhonePosition) + "</th><th>" +
            Text(language, TextId::TeamColumn) + "</th><th style=\"text-align:right\">" +
            Text(language,
                 standings.withPrevious ? TextId::TotalScoreColumn : TextId::HeatScoreColumn) +
            "</th><th style=\"text-align:right\">" + Text(language, TextId::ScreenGap) +
            "</th></tr>\n";
    for (const Standing& row : standings.rows) {
        page += "<tr><td class=\"pos\">" + row.position + "</td><td><div class=\"t\">";
        AppendTeam(page, sheet, row.team, language);
        page += "</div>";
        const auto t = static_cast<std::size_t>(row.team);
        if (t < riders.size() && !riders[t].empty()) {
            page += "<div class=\"riders\">";
            for (std::size_t r = 0; r < riders[t].size(); ++r) {
                if (r > 0) page += " &middot; ";
                page += EscapeMarkup(riders[t][r].name);
                if (!riders[t][r].pony.empty())
                    page += " (" + EscapeMarkup(riders[t][r].pony) + ")";
            }
            page += "</div>";
        }
        page += "</td><td class=\"num\">" + FormatScore(row.total);
        if (row.moved != 0) page += "<span class=\"move\">" + MoveMark(row.moved) + "</span>";
        page += "</td><td class=\"num\">" +
                (row.gap == 0 ? std::string("&ndash;") : "&minus;" + FormatScore(row.gap)) +
                "</td></tr>\n";
    }
    page += "</table>\n";
}

}  // namespace

std::string PrepareAnnouncerPage(const ScreenSource& source) {
    std::string page;
    page.reserve(12 * 1024);
    AppendScreenHead(page, source.sheet, kAnnouncerStyle, source.language);
    page += "<main id=\"zav-live\" class=\"live\">\n";
    if (!source.sheet) {
        page += "<p class=\"empty\">" + Text(source.language, TextId::EntryNoSheet) + "</p>";
    } else {
        const ScoreSheet& sheet = *source.sheet;
        const HeatStandings standings = ComputeStandings(sheet);
        page += "<header>";
        AppendHeatTitle(page, sheet, source.language);
        // The sheet's categories or sub-title, unless the title says it all.
        const std::string sub = PhoneSheetName(sheet.sTitle, sheet.sSubTitle);
        page += "<p>" + (sub == sheet.sTitle ? "" : EscapeMarkup(sub) + " &middot; ") +
                EscapeMarkup(sheet.sDate) + "</p></header>\n";
        AppendGames(page, sheet, standings, source.language);
        AppendLastResult(page, sheet, standings, source.language);
        AppendTeams(page, sheet, standings, source.riders, source.language);
    }
    page += "</main>\n";
    AppendLiveScriptAndEnd(page);
    return page;
}

}  // namespace zav
