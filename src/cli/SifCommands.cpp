// zavscore-cli sif and import-sif: the entries file as the program reads it,
// and the creation of a score sheet set from it with the dialogs' answers
// given as options.
#include <iostream>
#include <set>

#include "CliSupport.h"
#include "Json.h"
#include "paths/PathNames.h"
#include "sets/Categories.h"
#include "sets/SetCreation.h"
#include "sets/SetFile.h"
#include "sets/SifFile.h"
#include "sheet/ScoreSheet.h"

namespace zavcli {
namespace {

Json EntriesJson(const zav::SifEntries& entries) {
    Json categories = Json::array();
    for (const std::string& field : entries.sCategory)
        categories.push_back({{"field", field},
                              {"code", zav::CategoryCode(field)},
                              {"name", zav::CategoryFull(field)}});
    Json teams = Json::array();
    for (const zav::SifTeam& team : entries.teams)
        teams.push_back({{"category", team.category}, {"name", team.name}});
    return {{"competition", entries.sCompetNr},
            {"categories", std::move(categories)},
            {"teams", std::move(teams)}};
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
        for (std::size_t i = 0; i < entries.sCategory.size(); ++i)
            if (entries.sCategory[i] == candidate) return {i};
        std::set<std::size_t> byCode;
        for (std::size_t i = 0; i < entries.sCategory.size(); ++i)
            if (zav::CategoryCode(entries.sCategory[i]) == candidate) byCode.insert(i);
        if (!byCode.empty()) return byCode;
    }
    return {};
}

// The grouping the --group options describe, as the grouping dialog would
// build it pass after pass; nothing, after a message, when a group names an
// unknown or already grouped category or a category is left without a sheet.
std::optional<zav::SetPlan> GroupingFromOptions(const zav::SifEntries& entries,
                                                const std::vector<std::string>& groups,
                                                const zav::Reporter& reporter) {
    const auto refuse = [&](zav::TextId id, const std::string& name) {
        reporter.Show(zav::MessageIcon::Error, id, name);
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
            if (named.empty()) return refuse(zav::TextId::NoSuchCategory, item);
            chosen.insert(named.begin(), named.end());
            start = comma + 1;
        }
        for (const std::size_t i : chosen)
            if (plan.iCategory[i] != 0)
                return refuse(zav::TextId::CategoryAlreadyGrouped, entries.sCategory[i]);
        // Cannot fail: the chosen categories exist and are on no sheet yet.
        static_cast<void>(zav::AddGroupedSheet(plan, {chosen.begin(), chosen.end()}));
    }
    const std::vector<std::size_t> left = zav::UnassignedCategories(plan);
    if (!left.empty()) return refuse(zav::TextId::CategoryOnNoSheet, entries.sCategory[left[0]]);
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
    auto run = ReadInvocation(FindCommand("sif"), args, 1, "expects one SIF file");
    if (!run) return kExitUsage;
    zav::SifEntries entries;
    if (!zav::ReadSifFile(run->File(0), entries, run->Reporter())) return kExitFailure;
    std::cout << PrintJson(EntriesJson(entries));
    return kExitOk;
}

int RunImportSif(const std::vector<std::string>& args) {
    const Command& self = FindCommand("import-sif");
    auto run = ReadInvocation(self, args, 2, "expects a SIF file and a set file",
                              {"--title", "--date", "--referee", "--games", "--rules", "--group"},
                              {"--replace"});
    if (!run) return kExitUsage;
    const ParsedArgs* parsed = &run->args;

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

    const zav::Reporter reporter = run->Reporter();
    zav::SifEntries entries;
    if (!zav::ReadSifFile(run->File(0), entries, reporter) ||
        !zav::CheckSifHasTeams(entries, run->File(0), reporter))
        return kExitFailure;
    std::optional<zav::SetPlan> plan = zav::OneSheetPerCategory(entries);
    if (!groups.empty()) plan = GroupingFromOptions(entries, groups, reporter);
    if (!plan) return kExitFailure;

    // Every file the set would write, not the set file alone: another set of
    // the same name stem holds sheet files of the same names.
    const std::string& setPath = run->File(1);
    const std::vector<std::string> existing = zav::ExistingSetFiles(entries, *plan, setPath);
    if (!existing.empty() && parsed->flags.count("--replace") == 0) {
        std::string list;
        for (const std::string& path : existing) list += (list.empty() ? "" : "\n") + path;
        reporter.Show(zav::MessageIcon::Error, zav::TextId::FilesExist, list);
        return kExitFailure;
    }
    zav::ScoreSheet sheet;
    if (!zav::CreateSet(entries, options, *plan, setPath, sheet, reporter)) return kExitFailure;
    for (const std::string& name : zav::SheetFileNames(zav::FileNameOf(setPath), entries, *plan))
        std::cout << name << '\n';
    return kExitOk;
}

}  // namespace zavcli
