// The big-screen board: for a television or a projector by the arena, read
// from afar. Every size is in thousandths of the screen's height (1rem is
// 1vh), so 1920x1080 and 1280x720 show the same page; the rows of a view
// share the height left under its heading, at most 11% each, and a table
// longer than ten rows turns its pages, so that nothing ever scrolls. Light
// on black by default; "?theme=light" gives dark on white. The views turn
// in the browser, each for the seconds the scorer chose.
#include <algorithm>
#include <charconv>

#include "encoding/Markup.h"
#include "report/PhonePage.h"
#include "report/ScoreFormat.h"
#include "screens/ScreenFrame.h"
#include "screens/ScreenPages.h"
#include "screens/Standings.h"
#include "sheet/Scoring.h"

namespace zav {
namespace {

constexpr const char* kBoardStyle =
    "html{font-size:1vh}*{box-sizing:border-box}\n"
    "body{margin:0;height:100vh;overflow:hidden;background:#000;color:#fff;"
    "font-family:Arial,Helvetica,sans-serif}\n"
    "body.light{background:#fff;color:#000}\n"
    "main{height:100vh;display:flex;flex-direction:column;padding:1.5rem 3rem}\n"
    ".view{flex:1;display:flex;flex-direction:column;min-height:0}.view[hidden]{display:none}\n"
    "header{display:flex;align-items:flex-end;justify-content:space-between;gap:3rem;"
    "border-bottom:.4rem solid;padding-bottom:1rem;margin-bottom:.5rem}\n"
    "header>div{min-width:0}\n"
    "h1.heat{font-size:5rem;margin:0;line-height:1.15;white-space:nowrap;overflow:hidden;"
    "text-overflow:ellipsis}\n"
    ".sub{font-size:3rem;margin:.3rem 0 0;white-space:nowrap;overflow:hidden;"
    "text-overflow:ellipsis}\n"
    ".what{text-align:right;white-space:nowrap;flex:none}.what b{display:block;font-size:4.2rem;"
    "color:#ffd400}.light .what b{color:#000}.what span{font-size:3rem}\n"
    "table{width:100%;border-collapse:collapse;table-layout:fixed}\n"
    "th{font-size:2.6rem;text-align:left;padding:0 1.5rem;height:4rem;font-weight:normal}\n"
    "td{height:var(--row);font-size:calc(var(--row)*.56);padding:0 1.5rem;white-space:nowrap;"
    "overflow:hidden;text-overflow:ellipsis;font-weight:bold}\n"
    "tbody tr:nth-child(odd){background:#1e1e1e}.light tbody "
    "tr:nth-child(odd){background:#e4e4e4}\n"
    ".pos{width:16rem}.num{width:24rem;text-align:right}.heats{width:13rem;text-align:right;"
    "font-weight:normal;font-size:calc(var(--row)*.44)}\n"
    ".t{display:flex;align-items:center;gap:1.5rem;min-width:0}"
    ".name{overflow:hidden;text-overflow:ellipsis}\n"
    ".sw{display:flex;gap:.5rem;flex:none;width:6.4rem}.sw i{display:block;width:1.8rem;"
    "height:calc(var(--row)*.62);border:.25rem solid #9a9a9a}\n"
    ".colours{font-size:.42em;font-weight:normal;flex:none;opacity:.85}\n"
    ".move{font-size:.55em;display:inline-block;width:2.6em;text-align:left;margin-left:.6em}\n"
    ".empty{font-size:4rem;text-align:center;margin-top:20rem}\n"
    "nav{font-size:2.6rem;text-align:center;padding-top:1rem;white-space:nowrap}"
    "nav span{margin:0 1.5rem;opacity:.7}nav span.on{opacity:1;font-weight:bold;"
    "text-decoration:underline}nav span.on::before{content:\"\\25B6  \"}\n";

// Turns the views, each for the page's seconds; keeps the view shown when
// an update replaces them (by its key), and marks it in the list below.
constexpr const char* kTurnScript =
    "<script>\n"
    "(function(){\n"
    "if(/[?&]theme=light/.test(location.search))document.body.className='light';\n"
    "var key=null,shown=0;\n"
    "function views(){return Array.prototype.slice.call(document.querySelectorAll("
    "'#zav-live .view'));}\n"
    "function at(v){for(var i=0;i<v.length;++i)if(v[i].getAttribute('data-key')===key)return i;"
    "return -1;}\n"
    "function show(){var v=views(),i=at(v);if(!v.length)return;if(i<0){i=0;shown=0;}"
    "key=v[i].getAttribute('data-key');v.forEach(function(s,j){s.hidden=j!==i;});"
    "document.querySelectorAll('#zav-live nav span').forEach(function(n){"
    "n.className=n.getAttribute('data-for')===key?'on':'';});}\n"
    "function tick(){var v=views(),live=document.getElementById('zav-live');"
    "var s=parseInt(live.getAttribute('data-seconds'),10)||12;"
    "if(v.length>1&&++shown>=s){shown=0;key=v[(Math.max(at(v),0)+1)%v.length]"
    ".getAttribute('data-key');}show();}\n"
    "window.zavShown=show;show();setInterval(tick,1000);\n"
    "})();\n"
    "</script>\n";

constexpr int kRowsPerPage = 10;

// The height each of `rows` rows gets, "7.6rem": the height left under the
// heading shared out, at most 11%. Whole tenths, written without the C
// locale.
std::string RowHeight(int rows) {
    const int tenths = std::min(110, 760 / std::max(rows, 1));
    char text[16];
    char* end = std::to_chars(text, text + sizeof text, tenths / 10).ptr;
    *end++ = '.';
    end = std::to_chars(end, text + sizeof text, tenths % 10).ptr;
    return std::string(text, end) + "rem";
}

struct View {
    std::string key;    // tells it from the others across updates
    std::string label;  // in the list of views
    std::string html;
};

void OpenView(View& view, const ScoreSheet& sheet, const std::string& what,
              const std::string& detail, int rows, Language language) {
    view.html += "<section class=\"view\" data-key=\"" + view.key + "\"><header><div>";
    AppendHeatTitle(view.html, sheet, language);
    const std::string sub = PhoneSheetName(sheet.sTitle, sheet.sSubTitle);
    view.html += "<p class=\"sub\">" + EscapeMarkup(sub == sheet.sTitle ? sheet.sDate : sub) +
                 "</p></div><div class=\"what\"><b>" + EscapeMarkup(what) + "</b><span>" +
                 EscapeMarkup(detail) +
                 "</span></div></header>\n<table style=\"--row:" + RowHeight(rows) + "\">";
}

void CloseView(View& view) {
    view.html += "</tbody></table></section>\n";
}

// The heads of the last game's column, where one has come in, and of the
// score column; the end of the table's head.
void AppendScoreHeads(std::string& html, const HeatStandings& standings, Language language) {
    if (standings.lastGame >= 0)
        html += "<th class=\"num\">" + Text(language, TextId::GameColumn) + " " +
                std::to_string(standings.lastGame + 1) + "</th>";
    html += "<th class=\"num\">" +
            Text(language,
                 standings.withPrevious ? TextId::TotalScoreColumn : TextId::HeatScoreColumn) +
            "</th></tr></thead><tbody>\n";
}

View RankingView(const ScoreSheet& sheet, const HeatStandings& standings, Language language) {
    View view{"ranking", Text(language, TextId::ScreenRanking), ""};
    const int last = standings.lastGame;
    const std::string what =
        last < 0 ? Text(language, TextId::ScreenRanking)
                 : Text(language, TextId::ScreenRanking) + " " +
                       FormatText(Text(language, TextId::ScreenAfterGame), long(last + 1));
    OpenView(view, sheet, what,
             last < 0 ? Text(language, TextId::ScreenNoResultYet) : GameName(sheet, last, language),
             static_cast<int>(standings.rows.size()), language);
    view.html += "<thead><tr><th class=\"pos\">" + Text(language, TextId::PhonePosition) +
                 "</th><th>" + Text(language, TextId::TeamColumn) + "</th>";
    AppendScoreHeads(view.html, standings, language);
    for (const Standing& row : standings.rows) {
        view.html += "<tr><td class=\"pos\">" + row.position + "</td><td><div class=\"t\">";
        AppendTeam(view.html, sheet, row.team, language);
        view.html += "</div></td>";
        if (last >= 0) {
            view.html += "<td class=\"num\">" + FormatScore(row.lastGame);
            // Empty too, so that the points stay in line.
            view.html += "<span class=\"move\">" + MoveMark(row.moved) + "</span>";
            view.html += "</td>";
        }
        view.html += "<td class=\"num\">" + FormatScore(row.total) + "</td></tr>\n";
    }
    CloseView(view);
    return view;
}

// Its teams by their points, without positions, as the score sheet has it.
std::optional<View> ChallengeView(const ScoreSheet& original, const HeatStandings& standings,
                                  Language language) {
    if (original.iChallengeScoring == 0) return std::nullopt;
    ScoreSheet sheet = original;
    ComputeScores(sheet);
    ComputeChallengeScores(sheet);
    const std::vector<int> order = ChallengeOrder(sheet, standings.withPrevious);
    if (order.empty()) return std::nullopt;
    const int last = standings.lastGame;
    View view{"challenge", sheet.sChallengeTitle, ""};
    OpenView(view, sheet, sheet.sChallengeTitle,
             last < 0 ? Text(language, TextId::ScreenNoResultYet)
                      : FormatText(Text(language, TextId::ScreenAfterGame), long(last + 1)),
             static_cast<int>(order.size()), language);
    view.html += "<thead><tr><th>" + Text(language, TextId::TeamColumn) + "</th>";
    AppendScoreHeads(view.html, standings, language);
    for (const int t : order) {
        view.html += "<tr><td><div class=\"t\">";
        AppendTeam(view.html, sheet, t, language);
        view.html += "</div></td>";
        if (last >= 0)
            view.html +=
                "<td class=\"num\">" + FormatScore(sheet.fChallengeGameScore[t][last]) + "</td>";
        view.html += "<td class=\"num\">" +
                     FormatScore(standings.withPrevious ? sheet.fChallengeTotalScore[t]
                                                        : sheet.fChallengeSetScore[t]) +
                     "</td></tr>\n";
    }
    CloseView(view);
    return view;
}

// Ten rows a page; the last heats only when they are many, so that the
// team's name keeps its room.
std::vector<View> ChampionshipViews(const ScoreSheet& sheet, const ChampionshipTable& table,
                                    Language language) {
    constexpr std::size_t kMostHeats = 6;
    std::vector<View> views;
    const std::size_t heats = table.columns.size();
    const std::size_t firstHeat = heats > kMostHeats ? heats - kMostHeats : 0;
    const int pages = static_cast<int>((table.rows.size() + kRowsPerPage - 1) / kRowsPerPage);
    const std::string& title = Text(language, TextId::ChampionshipTitle);
    for (int p = 0; p < pages; ++p) {
        const std::string page =
            pages > 1 ? " " + std::to_string(p + 1) + "/" + std::to_string(pages) : "";
        View view{"championship-" + std::to_string(p + 1), title + page, ""};
        const std::size_t from = static_cast<std::size_t>(p) * kRowsPerPage;
        const std::size_t to = std::min(table.rows.size(), from + kRowsPerPage);
        OpenView(view, sheet, title + page, "",
                 static_cast<int>(std::min<std::size_t>(table.rows.size(), kRowsPerPage)),
                 language);
        view.html += "<thead><tr><th class=\"pos\">" + Text(language, TextId::PhonePosition) +
                     "</th><th>" + Text(language, TextId::TeamColumn) + "</th>";
        for (std::size_t c = firstHeat; c < heats; ++c)
            view.html += "<th class=\"heats\">" + std::to_string(c + 1) + "</th>";
        view.html += "<th class=\"num\">" + Text(language, TextId::TotalScoreColumn) +
                     "</th></tr></thead><tbody>\n";
        for (std::size_t r = from; r < to; ++r) {
            const ChampionshipRow& row = table.rows[r];
            view.html += "<tr><td class=\"pos\">" + std::to_string(row.rank) +
                         (row.sharedRank ? " =" : "") +
                         "</td><td><div class=\"t\"><span class=\"name\">" +
                         EscapeMarkup(row.team) + "</span></div></td>";
            for (std::size_t c = firstHeat; c < heats; ++c)
                view.html += "<td class=\"heats\">" +
                             (c < row.points.size() && row.points[c] ? FormatScore(*row.points[c])
                                                                     : std::string("-")) +
                             "</td>";
            view.html += "<td class=\"num\">" + FormatScore(row.total) + "</td></tr>\n";
        }
        CloseView(view);
        views.push_back(std::move(view));
    }
    return views;
}

// The views the scorer's choice shows; the ranking where the view chosen
// has nothing to show.
std::vector<View> ChosenViews(const ScreenSource& source) {
    const ScoreSheet& sheet = *source.sheet;
    const HeatStandings standings = ComputeStandings(sheet);
    const BoardView chosen = source.board.view;
    std::vector<View> views;
    if (chosen == BoardView::Turn || chosen == BoardView::Challenge)
        if (auto challenge = ChallengeView(sheet, standings, source.language))
            views.push_back(std::move(*challenge));
    if ((chosen == BoardView::Turn || chosen == BoardView::Championship) && source.championship)
        for (View& page : ChampionshipViews(sheet, *source.championship, source.language))
            views.push_back(std::move(page));
    if (chosen == BoardView::Turn || views.empty())
        views.insert(views.begin(), RankingView(sheet, standings, source.language));
    return views;
}

}  // namespace

std::string PrepareBoardPage(const ScreenSource& source) {
    std::string page;
    page.reserve(16 * 1024);
    AppendScreenHead(page, source.sheet, kBoardStyle, source.language);
    page += "<main id=\"zav-live\" class=\"live\" data-seconds=\"" +
            std::to_string(BoundBoardSeconds(source.board.seconds)) + "\">\n";
    if (!source.sheet) {
        page += "<p class=\"empty\">" + Text(source.language, TextId::EntryNoSheet) + "</p>";
    } else {
        const std::vector<View> views = ChosenViews(source);
        for (std::size_t v = 0; v < views.size(); ++v) {
            std::string html = views[v].html;
            // Without scripts, the first view alone.
            if (v > 0) html.insert(html.find('>'), " hidden");
            page += html;
        }
        if (views.size() > 1) {
            page += "<nav>";
            for (const View& view : views)
                page +=
                    "<span data-for=\"" + view.key + "\">" + EscapeMarkup(view.label) + "</span>";
            page += "</nav>\n";
        }
    }
    page += "</main>\n";
    page += kTurnScript;
    AppendLiveScriptAndEnd(page);
    return page;
}

}  // namespace zav
