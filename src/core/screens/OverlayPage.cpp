// The streaming overlay, for a streaming program's browser source: a fixed
// 1920x1080 page on a transparent background, with a compact standings
// strip at the top left and, at the bottom, a lower third with the last game
// in and its finishing order, which slides in as a result is accepted.
// "?part=lower" or "?part=strip" keeps one of the two, for a scene that
// places them apart.
#include "encoding/Markup.h"
#include "report/PhonePage.h"
#include "report/ScoreFormat.h"
#include "screens/ScreenFrame.h"
#include "screens/ScreenPages.h"
#include "screens/Standings.h"

namespace zav {
namespace {

constexpr const char* kOverlayStyle =
    "html,body{margin:0;background:transparent}\n"
    "body{width:1920px;height:1080px;overflow:hidden;position:relative;color:#fff;"
    "font-family:Arial,Helvetica,sans-serif}\n"
    ".strip,.lower{position:absolute;background:rgba(0,0,0,.8);border-left:8px solid #ffd400}\n"
    ".strip{left:48px;top:48px;width:580px;padding:12px 20px}\n"
    "h1.heat{font-size:26px;margin:0 0 6px;white-space:nowrap;overflow:hidden;"
    "text-overflow:ellipsis}\n"
    ".strip ol,.lower ol{list-style:none;margin:0;padding:0}\n"
    ".strip li{display:flex;align-items:center;gap:12px;font-size:28px;height:44px;"
    "font-weight:bold}\n"
    ".strip .pos{width:58px;flex:none}.strip .name{flex:1;overflow:hidden;"
    "text-overflow:ellipsis;white-space:nowrap}.strip .colours{display:none}\n"
    ".strip .pts{flex:none;min-width:70px;text-align:right}\n"
    ".sw{display:flex;gap:3px;flex:none;width:42px}.sw i{display:block;width:10px;height:30px;"
    "border:2px solid #9a9a9a}\n"
    ".lower{left:48px;right:48px;bottom:56px;padding:14px 28px;animation:zavin .6s ease-out}\n"
    ".lower h2{font-size:40px;margin:0 0 10px}\n"
    ".lower ol{display:flex;flex-wrap:wrap;gap:8px 40px}\n"
    ".lower li{font-size:34px;white-space:nowrap}.lower li b{color:#ffd400;margin-right:10px}\n"
    ".lower .blame{font-size:24px;margin-left:8px}\n"
    "@keyframes zavin{from{opacity:0;transform:translateY(40px)}to{opacity:1;transform:none}}\n"
    ".only-lower .strip,.only-strip .lower{display:none}\n";

constexpr const char* kPartScript =
    "<script>(function(){var m=/[?&]part=(lower|strip)/.exec(location.search);"
    "if(m)document.body.className='only-'+m[1];})();</script>\n";

void AppendStrip(std::string& page, const ScoreSheet& sheet, const HeatStandings& standings,
                 Language language) {
    page += "<div id=\"zav-strip\" class=\"live strip\">";
    AppendHeatTitle(page, sheet, language);
    page += "<ol>";
    for (const Standing& row : standings.rows) {
        page += "<li><span class=\"pos\">" + row.position + "</span>";
        AppendTeam(page, sheet, row.team, language);
        page += "<span class=\"pts\">" + FormatScore(row.total) + "</span></li>";
    }
    page += "</ol></div>\n";
}

// Empty until a game has a result: a stream shows nothing there before.
void AppendLowerThird(std::string& page, const ScoreSheet& sheet, int game, Language language) {
    page += "<div id=\"zav-lower\" class=\"live";
    if (game < 0) {
        page += "\"></div>\n";
        return;
    }
    page += " lower\"><h2>" + Text(language, TextId::GameColumn) + " " + std::to_string(game + 1) +
            " &middot; " + EscapeMarkup(GameName(sheet, game, language)) + "</h2><ol>";
    for (const Finish& finish : FinishingOrder(sheet, game)) {
        page += "<li><b>" + EscapeMarkup(ResultName(finish.code, language)) + "</b>";
        page += TeamName(sheet, finish.team, language);
        if (finish.blame)
            page += "<span class=\"blame\">(" + Text(language, TextId::Blame) + ")</span>";
        page += "</li>";
    }
    page += "</ol></div>\n";
}

}  // namespace

std::string PrepareOverlayPage(const ScreenSource& source) {
    std::string page;
    page.reserve(8 * 1024);
    AppendScreenHead(page, source.sheet, kOverlayStyle, source.language);
    page += kPartScript;
    if (source.sheet) {
        const HeatStandings standings = ComputeStandings(*source.sheet);
        AppendStrip(page, *source.sheet, standings, source.language);
        AppendLowerThird(page, *source.sheet, standings.lastGame, source.language);
    } else {
        // Nothing over the picture while no sheet is open; the parts come
        // with the first.
        page +=
            "<div id=\"zav-strip\" class=\"live\"></div><div id=\"zav-lower\" "
            "class=\"live\"></div>\n";
    }
    AppendLiveScriptAndEnd(page);
    return page;
}

}  // namespace zav
