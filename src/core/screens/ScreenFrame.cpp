#include "screens/ScreenFrame.h"

#include "encoding/Markup.h"
#include "official/Standing.h"
#include "screens/TeamColours.h"
#include "sheet/GameCatalogue.h"

namespace zav {
namespace {

constexpr const char* kLiveScript =
    "<script>\n"
    "(function(){\n"
    "function swap(t){var d=new DOMParser().parseFromString(t,'text/html');"
    "d.querySelectorAll('.live').forEach(function(n){var o=document.getElementById(n.id);"
    "if(o&&o.outerHTML!==n.outerHTML)o.replaceWith(document.importNode(n,true));});"
    "document.title=d.title;if(window.zavShown)window.zavShown();}\n"
    "function refresh(){fetch(location.href,{cache:'no-store'}).then(function(r){"
    "return r.ok?r.text():Promise.reject();}).then(swap).catch(function(){});}\n"
    "function listen(){var es=new EventSource('/events');es.onmessage=refresh;es.onopen=refresh;"
    "es.onerror=function(){if(es.readyState===2){es.close();setTimeout(listen,5000);}};}\n"
    "if(window.EventSource)listen();else setInterval(refresh,5000);\n"
    "})();\n"
    "</script>\n";

}  // namespace

void AppendScreenHead(std::string& page, const ScoreSheet* sheet, const char* css,
                      Language language) {
    page += "<!DOCTYPE html>\n<html lang=\"";
    page += language == Language::French    ? "fr"
            : language == Language::Italian ? "it"
            : language == Language::German  ? "de"
                                            : "en";
    page +=
        "\"><head><meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    page += sheet ? EscapeMarkup(sheet->sTitle) : std::string("ZAVscore");
    page += "</title>\n<style>\n";
    page += css;
    page +=
        ".standing{font-size:.45em;font-weight:normal;white-space:nowrap;vertical-align:middle;"
        "padding:0 .3em;border:.1em solid currentColor;border-radius:.2em}"
        ".standing.provisional{font-style:italic}\n";
    page += "</style>\n</head>\n<body>\n";
}

void AppendHeatTitle(std::string& page, const ScoreSheet& sheet, Language language) {
    page += "<h1 class=\"heat\"><span class=\"heat-title\">";
    page += EscapeMarkup(sheet.sTitle);
    // Said in words, not by colour alone: the ranking may still change.
    page += sheet.bOfficial ? "</span> <span class=\"standing\">"
                            : "</span> <span class=\"standing provisional\">";
    page += EscapeMarkup(StandingText(sheet, language));
    page += "</span></h1>";
}

void AppendTeam(std::string& page, const ScoreSheet& sheet, int t, Language language) {
    page += "<span class=\"sw\">";
    for (const std::string& paint : PaintOfColours(sheet.sTeamColors[t]))
        page += "<i style=\"background:" + paint + "\"></i>";
    page += "</span><span class=\"name\">";
    page += TeamName(sheet, t, language);
    page += "</span>";
    if (!sheet.sTeamColors[t].empty()) {
        page += "<span class=\"colours\">";
        page += EscapeMarkup(sheet.sTeamColors[t]);
        page += "</span>";
    }
}

std::string TeamName(const ScoreSheet& sheet, int t, Language language) {
    return sheet.sTeamName[t].empty() ? FormatText(Text(language, TextId::TeamNumber), long(t + 1))
                                      : EscapeMarkup(sheet.sTeamName[t]);
}

std::string GameName(const ScoreSheet& sheet, int g, Language language) {
    return language == Language::German ? RetireCesure(sheet.sGame[g]) : sheet.sGame[g];
}

std::string MoveMark(int moved) {
    if (moved == 0) return std::string();
    return (moved > 0 ? "&#9650;" : "&#9660;") + std::to_string(moved > 0 ? moved : -moved);
}

std::string ResultName(int code, Language language) {
    if (code > 0) return std::to_string(code);
    return Text(language, code == kElimination ? TextId::ScreenEliminated
                          : code == kAbandon   ? TextId::ScreenAbandon
                                               : TextId::ScreenDefinitiveAbandon);
}

void AppendLiveScriptAndEnd(std::string& page) {
    page += kLiveScript;
    page += "</body></html>\n";
}

}  // namespace zav
