// zavscore-cli history: where each result of a heat came from, for an
// appeal, as text or JSON.
#include <iostream>

#include "CliSupport.h"
#include "Json.h"
#include "history/HistoryText.h"
#include "history/HistoryWords.h"
#include "official/Standing.h"
#include "sheetfile/SheetFile.h"

namespace zavcli {
namespace {

// Each team by its number and name then; a game's code as the scores
// command gives places (-1 abandon, -2 elimination, -3 definitive abandon),
// a tie-break's the place.
Json MarksJson(const std::vector<zav::TeamMark>& marks) {
    Json list = Json::array();
    for (const zav::TeamMark& mark : marks)
        list.push_back({{"team", mark.number},
                        {"name", mark.team},
                        {"code", mark.code},
                        {"blame", mark.blame}});
    return list;
}

Json EntryJson(const zav::HistoryEntry& entry) {
    Json json = {{"at", entry.at},
                 {"origin", std::string(zav::OriginWord(entry.origin))},
                 {"by", entry.by},
                 {"step", entry.step},
                 {"about", std::string(zav::AboutWord(entry))}};
    if (entry.subject == zav::HistorySubject::Game) json["game"] = entry.game + 1;
    if (entry.origin == zav::HistoryOrigin::FinishLine) {
        json["judge"] = entry.judge;
        json["phone"] = entry.phone;
        json["sent_at"] = entry.sentAt;
        json["edited"] = entry.edited;
        if (entry.edited) json["judge_sent"] = MarksJson(entry.sent);
    }
    if (entry.subject != zav::HistorySubject::Standing) {
        json["before"] = MarksJson(entry.before);
        json["after"] = MarksJson(entry.after);
    }
    return json;
}

Json HistoryJson(const zav::ScoreSheet& sheet) {
    Json entries = Json::array();
    for (const zav::HistoryEntry& entry : sheet.history) entries.push_back(EntryJson(entry));
    return {{"title", sheet.sTitle},
            {"subtitle", sheet.sSubTitle},
            {"official", sheet.bOfficial},
            {"official_at", sheet.bOfficial ? Json(sheet.sOfficialAt) : Json(nullptr)},
            {"history", std::move(entries)}};
}

// The heat and its standing, then each game that has a history, then the
// tie-breaks and standing changes.
void WriteText(std::ostream& out, const zav::ScoreSheet& sheet, zav::Language language) {
    out << sheet.sTitle;
    if (!sheet.sSubTitle.empty()) out << " - " << sheet.sSubTitle;
    out << " - " << zav::StandingText(sheet, language) << '\n';
    for (int g = 0; g < zav::GamesInUse(sheet); ++g) {
        const std::vector<std::string> lines =
            zav::GameHistoryLines(sheet, g, language, zav::WithStanding::No);
        if (lines.empty()) continue;
        out << zav::FormatText(zav::Text(language, zav::TextId::HistoryOfGame), long(g + 1))
            << '\n';
        for (const std::string& line : lines) out << "  " << line << '\n';
    }
    const std::vector<std::string> heat = zav::HeatHistoryLines(sheet, language);
    if (heat.empty()) return;
    out << zav::Text(language, zav::TextId::HistoryOfHeat) << '\n';
    for (const std::string& line : heat) out << "  " << line << '\n';
}

}  // namespace

int RunHistory(const std::vector<std::string>& args) {
    auto run =
        ReadInvocation(FindCommand("history"), args, 1, "expects one sheet file", {}, {"--json"});
    if (!run) return kExitUsage;
    zav::ScoreSheet sheet;
    if (!zav::LoadSheet(sheet, run->File(0), run->Reporter())) return kExitFailure;
    if (run->args.flags.count("--json"))
        std::cout << PrintJson(HistoryJson(sheet));
    else
        WriteText(std::cout, sheet, run->language);
    return kExitOk;
}

}  // namespace zavcli
