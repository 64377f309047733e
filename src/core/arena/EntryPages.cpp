#include "arena/EntryPages.h"

#include "encoding/Markup.h"
#include "sheet/GameCatalogue.h"
#include "sheet/ResultEntry.h"

namespace zav {
namespace {

// Large controls for a thumb, at 360 pixels wide.
constexpr const char* kEntryStyle =
    "body{font-family:Arial,Helvetica,sans-serif;font-size:18px;margin:0;padding:10px}\n"
    "h1{font-size:22px;margin:4px 0 10px}label{display:block;margin:10px 0 4px}\n"
    "select,input,button{font-size:20px;padding:8px;box-sizing:border-box}\n"
    "select.place{width:100%}input.code{width:100%;letter-spacing:6px}\n"
    "button{width:100%;margin-top:16px;padding:14px}.team{font-weight:bold}\n"
    ".blame{font-size:16px;display:inline-block;margin-top:4px}"
    ".blame input{width:24px;height:24px;vertical-align:middle}\n"
    ".problem{color:#b00000;font-weight:bold}.status{font-size:26px;font-weight:bold}\n";

// A result still waiting: the page hears of every decision on the event
// stream and looks again at its own (also once the stream opens, for a
// decision made before); without the stream it looks every two seconds,
// without scripts it reloads itself.
constexpr const char* kWaitForDecision =
    "<noscript><meta http-equiv=\"refresh\" content=\"2\"></noscript>\n"
    "<script>\n"
    "(function(){\n"
    "function check(){fetch(location.href,{cache:'no-store'}).then(function(r){return r.text();})"
    ".then(function(t){if(t.indexOf('data-status=\"received\"')<0)location.reload();})"
    ".catch(function(){});}\n"
    "if(window.EventSource){var es=new EventSource('/events');es.onopen=check;"
    "es.addEventListener('decided',check);"
    "es.onerror=function(){if(es.readyState===2)setInterval(check,2000);};}\n"
    "else{setInterval(check,2000);}\n"
    "})();\n"
    "</script>\n";

std::string Head(Language language, bool waitForDecision = false) {
    std::string page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    if (waitForDecision) page += kWaitForDecision;
    page += "<title>";
    page += Text(language, TextId::EntryTitle);
    page += "</title>\n<style>\n";
    page += kEntryStyle;
    page += "</style></head>\n<body>\n<h1>";
    page += Text(language, TextId::EntryTitle);
    page += "</h1>\n";
    return page;
}

constexpr const char* kFoot = "</body></html>\n";

std::string GameName(const ScoreSheet& sheet, int g, Language language) {
    return language == Language::German ? RetireCesure(sheet.sGame[g]) : sheet.sGame[g];
}

}  // namespace

std::string EntryCodePage(Language language, const std::string& problem) {
    std::string page = Head(language);
    if (!problem.empty()) page += "<p class=\"problem\">" + EscapeMarkup(problem) + "</p>\n";
    page += "<form method=\"post\" action=\"/entry/code\"><label for=\"code\">";
    page += Text(language, TextId::EntryCodeLabel);
    page +=
        "</label><input class=\"code\" id=\"code\" name=\"code\" inputmode=\"numeric\" "
        "autocomplete=\"off\" maxlength=\"6\" autofocus><button type=\"submit\">OK</button>"
        "</form>\n";
    return page + kFoot;
}

std::string EntryResultPage(const ScoreSheet& sheet, const std::string& sheetKey,
                            const std::string& form, Language language) {
    std::string page = Head(language);
    page +=
        "<form method=\"post\" action=\"/entry/result\">\n<input type=\"hidden\" "
        "name=\"form\" value=\"";
    page += EscapeAttribute(form);
    page += "\"><input type=\"hidden\" name=\"sheet\" value=\"";
    page += EscapeAttribute(sheetKey);
    page += "\">\n<label for=\"game\">";
    page += Text(language, TextId::GameColumn);
    page += "</label><select class=\"place\" id=\"game\" name=\"game\">";
    const int proposed = GameToPropose(sheet);
    for (int g = 0; g < GamesInUse(sheet); ++g) {
        page += "<option value=\"" + std::to_string(g + 1) + "\"";
        if (g == proposed) page += " selected";
        page += ">" + std::to_string(g + 1) + " - " + EscapeMarkup(GameName(sheet, g, language)) +
                "</option>";
    }
    page += "</select>\n";
    const std::vector<std::string> choices = ResultChoices(sheet, language);
    for (int t = 0; t < TeamsInUse(sheet); ++t) {
        const std::string n = std::to_string(t + 1);
        page += "<label class=\"team\" for=\"t" + n + "\">";
        page += sheet.sTeamName[t].empty()
                    ? FormatText(Text(language, TextId::TeamNumber), long(t + 1))
                    : EscapeMarkup(sheet.sTeamName[t]);
        page += "</label><select class=\"place\" id=\"t" + n + "\" name=\"t" + n +
                "\"><option value=\"\"></option>";
        for (std::size_t c = 0; c < choices.size(); ++c)
            page += "<option value=\"" + std::to_string(c) + "\">" + EscapeMarkup(choices[c]) +
                    "</option>";
        page += "</select><label class=\"blame\"><input type=\"checkbox\" name=\"b" + n +
                "\" value=\"1\"> ";
        page += Text(language, TextId::Blame);
        page += "</label>\n";
    }
    page += "<button type=\"submit\">";
    page += Text(language, TextId::EntrySend);
    page += "</button></form>\n";
    return page + kFoot;
}

std::string EntryStatusPage(int game, FinishLineStatus status, Language language) {
    const bool received = status == FinishLineStatus::Received;
    std::string page = Head(language, received);
    page += "<p>" + FormatText(Text(language, TextId::EntryResultStatus), long(game + 1)) + "</p>";
    page += received ? "<p class=\"status\" id=\"status\" data-status=\"received\">"
                     : "<p class=\"status\" id=\"status\">";
    page += Text(language, status == FinishLineStatus::Received   ? TextId::EntryReceived
                           : status == FinishLineStatus::Accepted ? TextId::EntryAccepted
                                                                  : TextId::EntryRejected);
    page += "</p>\n<p><a href=\"/entry\">";
    page += Text(language, TextId::EntryAnother);
    page += "</a></p>\n";
    return page + kFoot;
}

std::string EntryProblemPage(const std::string& problem, Language language) {
    std::string page = Head(language);
    page += "<p class=\"problem\">" + EscapeMarkup(problem) + "</p>\n<p><a href=\"/entry\">";
    page += Text(language, TextId::EntryAnother);
    page += "</a></p>\n";
    return page + kFoot;
}

}  // namespace zav
