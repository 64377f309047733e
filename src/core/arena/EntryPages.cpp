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
    ".problem{color:#b00000;font-weight:bold}.status{font-size:26px;font-weight:bold}\n"
    ".unsent{border:3px solid #b00000;padding:2px 10px;margin:8px 0}\n";

// A phone out of the scorer's reach keeps what the judge sends: each result
// gets an id made here and waits in the page's storage, shown as "not sent
// yet", until the server answers it; it is sent again when the network
// comes back, every few seconds meanwhile, and from any finish-line page
// opened later; a refusal of its content is shown there. The server counts
// a result once whatever the number of tries, and the last one sent opens
// its status page. Every page also says now and then that the judge is
// there, for the scorer's list of phones. A browser too old for this posts
// the form as it stands.
constexpr const char* kKeepScript =
    "(function(){\n"
    "if(!window.fetch||!window.URLSearchParams||!window.crypto)return;\n"
    "var K='zav-unsent',T=document.currentScript.dataset,q=[],busy=false,fault='';\n"
    "try{q=JSON.parse(localStorage.getItem(K))||[];}catch(e){}\n"
    "function keep(){try{localStorage.setItem(K,JSON.stringify(q));}catch(e){}}\n"
    "function line(b,c,t){var p=document.createElement('p');p.className=c;p.textContent=t;"
    "b.appendChild(p);}\n"
    "function show(){var b=document.getElementById('zav-unsent');if(!b){b=document.createElement("
    "'div');b.id='zav-unsent';b.className='unsent';var h=document.querySelector('h1');"
    "h.parentNode.insertBefore(b,h.nextSibling);}b.hidden=!q.length&&!fault;b.textContent='';"
    "if(fault)line(b,'problem',fault);if(q.length)line(b,'',T.kept);"
    "q.forEach(function(r){line(b,'status',T.notsent.replace('%d',r.game));});}\n"
    "function problem(t,a){var p=new DOMParser().parseFromString(t,'text/html')"
    ".querySelector('.problem');return p?p.textContent:String(a.status);}\n"
    "function send(){if(busy||!q.length)return;busy=true;var r=q[0];"
    "fetch('/entry/result',{method:'POST',headers:{'Content-Type':"
    "'application/x-www-form-urlencoded'},body:r.body,credentials:'same-origin'})"
    ".then(function(a){return a.text().then(function(t){busy=false;"
    "if(a.status===403||a.status>=500){fault=a.status===403?problem(t,a):'';show();return;}"
    "q=q.filter(function(x){return x.uid!==r.uid;});keep();"
    "if(a.ok&&a.redirected&&!q.length){location.href=a.url;return;}"
    "fault=a.ok?'':problem(t,a);show();send();});})"
    ".catch(function(){busy=false;show();});}\n"
    "function id(){var b=new Uint8Array(16);crypto.getRandomValues(b);"
    "return Array.prototype.map.call(b,function(x){return(x+256).toString(16).slice(1);})"
    ".join('');}\n"
    "document.addEventListener('DOMContentLoaded',function(){show();send();"
    "var f=document.getElementById('zav-result');if(f)f.addEventListener("
    "'submit',function(e){e.preventDefault();var d=new URLSearchParams(new FormData(f)),u=id();"
    "d.append('uid',u);q.push({uid:u,game:f.game.value,body:d.toString()});keep();f.reset();"
    "show();send();});});\n"
    "window.addEventListener('online',send);setInterval(send,5000);\n"
    "setInterval(function(){fetch('/entry/here',{cache:'no-store',credentials:'same-origin'})"
    ".then(send).catch(function(){});},10000);\n"
    "})();\n";

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
    page += "<script data-kept=\"";
    page += EscapeAttribute(Text(language, TextId::EntryKeptOnPhone));
    page += "\" data-notsent=\"";
    page += EscapeAttribute(Text(language, TextId::EntryGameNotSent));
    page += "\">\n";
    page += kKeepScript;
    page += "</script>\n<title>";
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
        "<form id=\"zav-result\" method=\"post\" action=\"/entry/result\">\n<input "
        "type=\"hidden\" "
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
