// Any request to the arena network's pages and finish-line entry, as a phone
// (or anything on the ground's network) may send it: path, query, form and
// cookies. The answers must never crash nor let a result in without a judge's
// session and a form of its own; a result that goes in is one the Game
// result dialog could have stored. The words SESSION and FORM in the input
// stand for a judge's real session and a fresh form, so that the fuzzer
// reaches the result's rules.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "arena/ArenaSite.h"

namespace {

zav::ScoreSheet Heat() {
    zav::ScoreSheet sheet;
    sheet.sTitle = "Heat";
    sheet.iTeamsNr = 4;
    sheet.iGamesNr = 6;
    sheet.iScoring = 4;
    for (int t = 0; t < 4; ++t) sheet.sTeamName[t] = std::string("Team ") + char('A' + t);
    for (int g = 0; g < 6; ++g) sheet.sGame[g] = "Game " + std::to_string(g + 1);
    sheet.iGamePlace[0][0] = 1;  // game 1 has a result
    return sheet;
}

zav::ArenaSite& Site(std::string& session) {
    static zav::ArenaSite site(true, 1);
    static std::string token = [] {
        auto shot = std::make_shared<zav::ArenaSnapshot>();
        shot->language = zav::Language::English;
        shot->sheets.push_back({"Heat", "<main>live</main>", "sheet", "heat.score"});
        shot->entry = zav::EntrySheet{Heat(), "key"};
        shot->logoName = "logo.png";
        shot->logoBytes = "PNG";
        site.SetSnapshot(shot);
        zav::HttpRequest login;
        login.post = true;
        login.path = "/entry/code";
        login.params = {{"code", site.EntryCode()}, {"name", "Judge"}};
        for (const auto& [name, value] : site.Answer(login).headers)
            if (name == "Set-Cookie") return value.substr(0, value.find(';'));
        return std::string();
    }();
    session = token;
    return site;
}

std::string Replaced(std::string text, const std::string& word, const std::string& by) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at))
        text.replace(at, word.size(), by), at += by.size();
    return text;
}

// The next line of the input, taken from it.
std::string Line(std::string_view& input) {
    const std::size_t end = input.find('\n');
    std::string line(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string session;
    zav::ArenaSite& site = Site(session);
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    zav::HttpRequest request;
    request.post = data[0] & 1;
    request.path = zav::DecodePercent(Line(input), false);
    request.params = zav::ReadUrlEncoded(Line(input));
    std::string form = Line(input);
    if (form.find("FORM") != std::string::npos) {
        zav::HttpRequest page;
        page.path = "/entry";
        page.cookies = session;
        const std::string body = site.Answer(page).body;
        const std::size_t at = body.find("name=\"form\" value=\"");
        if (at != std::string::npos)
            form = Replaced(form, "FORM", body.substr(at + 19, body.find('"', at + 19) - at - 19));
    }
    const zav::FormFields posted = zav::ReadUrlEncoded(form);
    request.params.insert(posted.begin(), posted.end());
    request.cookies = Replaced(Line(input), "SESSION", session);
    request.remoteAddress = "10.0.0." + std::to_string(data[0] >> 1);

    const zav::HttpResponse answer = site.Answer(request);
    switch (answer.status) {
        case 200:
        case 303:
        case 400:
        case 403:
        case 404:
        case 409:
        case 429:
        case 503: break;
        default: std::abort();
    }
    for (const zav::FinishLineResult& result : site.TakeArrivals()) {
        // Only through a judge's session, into a game of the sheet.
        if (request.cookies.find(session) == std::string::npos || result.game < 0 ||
            result.game >= 6 || result.judge != "Judge")
            std::abort();
        site.Decide(result.id, zav::FinishLineStatus::Rejected);
    }
    return 0;
}
