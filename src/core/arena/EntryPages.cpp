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
    "select.place{width:100%}input.code{width:100%;letter-spacing:6px}input.name{width:100%}\n"
    "button{width:100%;margin-top:16px;padding:14px}.team{font-weight:bold}\n"
    ".blame{font-size:16px;display:inline-block;margin-top:4px}"
    ".blame input{width:24px;height:24px;vertical-align:middle}\n"
    ".problem{color:#b00000;font-weight:bold}.status{font-size:26px;font-weight:bold}\n";

// A result whose status may still change (received, accepted, taken back):
// the page hears of every decision on the event stream and looks again at
// its own (also once the stream opens, for a decision made before); without
// the stream it looks every two seconds, without scripts it reloads itself.
std::string FollowStatus(const std::string& status) {
    return "<noscript><meta http-equiv=\"refresh\" content=\"2\"></noscript>\n"
           "<script>\n"
           "(function(){\n"
           "var mine='data-status=\"" +
           status +
           "\"';\n"
           "function check(){fetch(location.href,{cache:'no-store'}).then(function(r){return "
           "r.text();})"
           ".then(function(t){if(t.indexOf(mine)<0)location.reload();})"
           ".catch(function(){});}\n"
           "if(window.EventSource){var es=new EventSource('/events');es.onopen=check;"
           "es.addEventListener('decided',check);"
           "es.onerror=function(){if(es.readyState===2)setInterval(check,2000);};}\n"
           "else{setInterval(check,2000);}\n"
           "})();\n"
           "</script>\n";
}

// `followed`: the status the page shows and follows; empty: none.
std::string Head(Language language, const std::string& followed = "") {
    std::string page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    if (!followed.empty()) page += FollowStatus(followed);
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
        "autocomplete=\"off\" maxlength=\"6\" autofocus><label for=\"name\">";
    page += Text(language, TextId::EntryNameLabel);
    page += "</label><input class=\"name\" id=\"name\" name=\"name\" maxlength=\"" +
            std::to_string(kMaxJudgeName) +
            "\" autocomplete=\"nickname\"><button type=\"submit\">OK</button></form>\n";
    return page + kFoot;
}

std::string JudgeName(std::string_view typed) {
    std::string name;
    for (const char c : typed) {
        // Control characters would break the panel's line; spaces are kept
        // single.
        const bool space = static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == ' ';
        if (space) {
            if (!name.empty() && name.back() != ' ') name += ' ';
        } else {
            name += c;
        }
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    // Cut on a character's first byte, so that what is kept is whole UTF-8.
    if (name.size() > kMaxJudgeName) {
        std::size_t end = kMaxJudgeName;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
        name.resize(end);
    }
    return name;
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
    const char* name = "received";
    TextId text = TextId::EntryReceived;
    switch (status) {
        case FinishLineStatus::Received: break;
        case FinishLineStatus::Accepted:
            name = "accepted";
            text = TextId::EntryAccepted;
            break;
        case FinishLineStatus::Rejected:
            name = "rejected";
            text = TextId::EntryRejected;
            break;
        case FinishLineStatus::Undone:
            name = "undone";
            text = TextId::EntryUndone;
            break;
    }
    // A rejected result stays so; the others may still change.
    std::string page = Head(language, status == FinishLineStatus::Rejected ? "" : name);
    page += "<p>" + FormatText(Text(language, TextId::EntryResultStatus), long(game + 1)) + "</p>";
    page += "<p class=\"status\" id=\"status\" data-status=\"" + std::string(name) + "\">";
    page += Text(language, text);
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
