// zavscore-cli sif and import-sif: the entries file as the program reads it,
// and the creation of a score sheet set from it with the dialogs' answers
// given as options.
#include <iostream>
#include <set>

#include "CliSupport.h"
#include "Json.h"
#include "sets/Categories.h"
#include "sets/SetCreation.h"
#include "sets/SetFile.h"
#include "sets/SetTexts.h"
#include "sets/SifFile.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zavcli {
namespace {

void WriteEntries(std::ostream& out, const zav::SifEntries& entries) {
    out << "{\n  \"competition\": " << JsonString(entries.wxCompetNr) << ",\n  \"categories\": [";
    for (std::size_t i = 0; i < entries.wxCategory.size(); ++i) {
        const std::string& field = entries.wxCategory[i];
        out << (i ? ",\n" : "\n") << "    {\"field\": " << JsonString(field)
            << ", \"code\": " << JsonString(zav::CategoryCode(field))
            << ", \"name\": " << JsonString(zav::CategoryFull(field)) << "}";
    }
    out << (entries.wxCategory.empty() ? "" : "\n  ") << "],\n  \"teams\": [";
    for (std::size_t i = 0; i < entries.teams.size(); ++i) {
        const zav::SifTeam& team = entries.teams[i];
        out << (i ? ",\n" : "\n") << "    {\"category\": " << JsonString(team.category)
            << ", \"name\": " << JsonString(team.name) << "}";
    }
    out << (entries.teams.empty() ? "" : "\n  ") << "]\n}\n";
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The categories one --group item names: the category whose whole field it
// is, otherwise every category with that code.
std::set<std::size_t> NamedCategories(const zav::SifEntries& entries, const std::string& item) {
    for (const std::string& candidate : {item, Trimmed(item)}) {
        for (std::size_t i = 0; i < entries.wxCategory.size(); ++i)
            if (entries.wxCategory[i] == candidate) return {i};
        std::set<std::size_t> byCode;
        for (std::size_t i = 0; i < entries.wxCategory.size(); ++i)
            if (zav::CategoryCode(entries.wxCategory[i]) == candidate) byCode.insert(i);
        if (!byCode.empty()) return byCode;
    }
    return {};
}

// The grouping the --group options describe, as the grouping dialog would
// build it pass after pass; nothing, after a message, when a group names an
// unknown or already grouped category or a category is left without a sheet.
std::optional<zav::SetPlan> GroupingFromOptions(const zav::SifEntries& entries,
                                                const std::vector<std::string>& groups,
                                                int wxLanguage) {
    const auto refuse = [&](int offset, const std::string& name) {
        std::cerr << zav::FormatText(zav::Text(wxLanguage, offset), name) << '\n';
        return std::nullopt;
    };
    zav::SetPlan plan = zav::EmptyGrouping(entries);
    for (const std::string& group : groups) {
        std::set<std::size_t> chosen;
        std::size_t start = 0;
        while (start <= group.size()) {
            const std::size_t comma = std::min(group.find(',', start), group.size());
            const std::string item = group.substr(start, comma - start);
            const std::set<std::size_t> named = NamedCategories(entries, item);
            if (named.empty()) return refuse(zav::settxt::kNoSuchCategory, item);
            chosen.insert(named.begin(), named.end());
            start = comma + 1;
        }
        for (const std::size_t i : chosen)
            if (plan.iCategory[i] != 0)
                return refuse(zav::settxt::kCategoryAlreadyGrouped, entries.wxCategory[i]);
        zav::AddGroupedSheet(plan, {chosen.begin(), chosen.end()});
    }
    const std::vector<std::size_t> left = zav::UnassignedCategories(plan);
    if (!left.empty()) return refuse(zav::settxt::kCategoryOnNoSheet, entries.wxCategory[left[0]]);
    return plan;
}

std::optional<int> GamesNumber(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int games = std::stoi(text);
    if (games < 4 || games > zav::kMaxGames) return std::nullopt;
    return games;
}

}  // namespace

int RunSif(const std::vector<std::string>& args) {
    const Command& self = FindCommand("sif");
    std::string problem;
    auto parsed = ParseArgs(args, {"--lang", "--settings"}, {}, problem);
    if (!parsed) return UsageError(self, problem);
    if (parsed->positional.size() != 1) return UsageError(self, "expects one SIF file");
    const auto language = ResolveLanguage(*parsed);
    if (!language) return UsageError(self, "--lang takes FR, EN, IT or GE");

    StderrMessageSink messages;
    zav::SifEntries entries;
    if (zav::ReadSifFile(parsed->positional[0], entries, *language, messages) != 0)
        return kExitFailure;
    WriteEntries(std::cout, entries);
    return kExitOk;
}

int RunImportSif(const std::vector<std::string>& args) {
    const Command& self = FindCommand("import-sif");
    std::string problem;
    auto parsed = ParseArgs(
        args,
        {"--title", "--date", "--referee", "--games", "--rules", "--group", "--lang", "--settings"},
        {}, problem);
    if (!parsed) return UsageError(self, problem);
    if (parsed->positional.size() != 2)
        return UsageError(self, "expects a SIF file and a set file");
    const auto language = ResolveLanguage(*parsed);
    if (!language) return UsageError(self, "--lang takes FR, EN, IT or GE");

    zav::SetOptions options;
    options.sTitle = parsed->Value("--title");
    options.sDate = parsed->Value("--date");
    options.sReferee = parsed->Value("--referee");
    if (parsed->Has("--games")) {
        const auto games = GamesNumber(parsed->Value("--games"));
        if (!games) return UsageError(self, "--games takes a number from 4 to 12");
        options.iGamesNr = *games;
    }
    const std::string rules = parsed->Value("--rules", "french");
    if (rules != "french" && rules != "international")
        return UsageError(self, "--rules takes french or international");
    options.bFrenchRules = rules == "french";
    const auto groupsIt = parsed->values.find("--group");
    const std::vector<std::string> groups =
        groupsIt == parsed->values.end() ? std::vector<std::string>{} : groupsIt->second;

    StderrMessageSink messages;
    zav::SifEntries entries;
    if (zav::ReadSifFile(parsed->positional[0], entries, *language, messages) != 0 ||
        zav::CheckSifHasTeams(entries, parsed->positional[0], *language, messages) != 0)
        return kExitFailure;
    std::optional<zav::SetPlan> plan = zav::OneSheetPerCategory(entries);
    if (!groups.empty()) plan = GroupingFromOptions(entries, groups, *language);
    if (!plan) return kExitFailure;

    const std::string& setPath = parsed->positional[1];
    zav::ScoreSheet sheet;
    if (zav::CreateSet(entries, options, *plan, setPath, sheet, *language, messages) != 0)
        return kExitFailure;
    const std::string setFileName = setPath.substr(setPath.rfind('/') + 1);
    for (const std::string& name : zav::SheetFileNames(setFileName, entries, *plan))
        std::cout << name << '\n';
    return kExitOk;
}

}  // namespace zavcli
