#include "sets/SetCreation.h"

#include <algorithm>
#include <filesystem>

#include "encoding/Encoding.h"
#include "io/FileWrite.h"
#include "paths/PathNames.h"
#include "platform/NativePath.h"
#include "sets/Categories.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"

namespace zav {

namespace {
constexpr std::string_view kSetExtension = ".mscore";
constexpr std::string_view kSheetExtension = ".pscore";
// French whatever the interface language, as on every event's sheets.
constexpr std::string_view kSubTitleStart = "Comp\xC3\xA9tition num\xC3\xA9ro ";
constexpr std::string_view kSubTitleCategories = " - Cat\xC3\xA9gorie(s) : ";
constexpr std::string_view kCategorySeparator = " - ";

std::vector<std::size_t> CategoriesOfSheet(const SetPlan& plan, int sheetNumber) {
    std::vector<std::size_t> categories;
    for (std::size_t i = 0; i < plan.iCategory.size(); ++i)
        if (plan.iCategory[i] == sheetNumber) categories.push_back(i);
    return categories;
}

std::string SubTitle(const std::string& competNr, const SifEntries& entries,
                     const std::vector<std::size_t>& categories) {
    std::string text = std::string(kSubTitleStart) + competNr + std::string(kSubTitleCategories);
    for (const std::size_t i : categories)
        text += CategoryFull(entries.sCategory[i]) + std::string(kCategorySeparator);
    return text;
}

}  // namespace

std::vector<std::string> SubTitleCategories(const std::string& subTitle) {
    const std::size_t marker = subTitle.find(kSubTitleCategories);
    if (subTitle.rfind(kSubTitleStart, 0) != 0 || marker == std::string::npos) return {};
    std::vector<std::string> categories;
    for (std::size_t at = marker + kSubTitleCategories.size(); at < subTitle.size();) {
        const std::size_t end = std::min(subTitle.find(kCategorySeparator, at), subTitle.size());
        if (end > at) categories.push_back(subTitle.substr(at, end - at));
        at = end + kCategorySeparator.size();
    }
    return categories;
}

std::string CategoriesInSubTitle(const std::string& subTitle) {
    std::string joined;
    for (const std::string& category : SubTitleCategories(subTitle))
        joined += (joined.empty() ? "" : ", ") + category;
    return joined;
}

std::string CompetitionInSubTitle(const std::string& subTitle) {
    const std::size_t marker = subTitle.find(kSubTitleCategories);
    if (subTitle.rfind(kSubTitleStart, 0) != 0 || marker == std::string::npos) return {};
    return subTitle.substr(kSubTitleStart.size(), marker - kSubTitleStart.size());
}

namespace {

// The teams of sheet s in file order, categories mixed; 1 after the message
// naming the category of the eleventh when they do not fit on one sheet.
bool TeamsOfSheet(const SifEntries& entries, const SetPlan& plan, int sheetNumber,
                  std::vector<const SifTeam*>& teams, const Reporter& reporter) {
    teams.clear();
    for (const SifTeam& team : entries.teams) {
        if (team.categoryIndex >= plan.iCategory.size() ||
            plan.iCategory[team.categoryIndex] != sheetNumber)
            continue;
        if (teams.size() == static_cast<std::size_t>(kMaxTeams)) {
            // "On score sheet %d, ... with category %s": two values, filled in turn.
            const std::string pattern =
                FormatText(reporter.Text(TextId::TooManyTeamsOnSheet), long{sheetNumber});
            reporter.ShowText(MessageIcon::Error,
                              FormatText(pattern, std::string(CategoryCode(team.category))));
            return false;
        }
        teams.push_back(&team);
    }
    return true;
}

// Fills `sheet` as sheet number s of the set with its teams: every field a
// sheet of the set gets anew (the others are common to the set).
void FillScoreSheet(const SifEntries& entries, const SetPlan& plan, int sheetNumber,
                    const std::vector<const SifTeam*>& teams, ScoreSheet& sheet,
                    const Reporter& reporter) {
    sheet.bScoreSet = true;
    for (int t = 0; t < kMaxTeams; ++t) {
        sheet.sTeamName[t].clear();
        sheet.sColSupContent[t].clear();
    }
    sheet.sColSupTitle = plan.bOnePerCat ? std::string() : reporter.Text(TextId::Category);
    sheet.sSubTitle = SubTitle(entries.sCompetNr, entries, CategoriesOfSheet(plan, sheetNumber));
    sheet.iTeamsNr = static_cast<int>(teams.size());
    for (std::size_t t = 0; t < teams.size(); ++t) {
        sheet.sTeamName[t] = teams[t]->name;
        if (!plan.bOnePerCat) sheet.sColSupContent[t] = CategoryFull(teams[t]->category);
    }
    sheet.iScoring = sheet.iTeamsNr + (sheet.iEliminationRule == 1 ? 1 : 0);
}
}  // namespace

bool CheckSifHasTeams(const SifEntries& entries, const std::string& sifPath,
                      const Reporter& reporter) {
    if (!entries.teams.empty()) return true;
    reporter.Show(MessageIcon::Error, TextId::NotSifFile, sifPath);
    return false;
}

SetPlan OneSheetPerCategory(const SifEntries& entries) {
    SetPlan plan;
    plan.bOnePerCat = true;
    for (std::size_t i = 0; i < entries.sCategory.size(); ++i)
        plan.iCategory.push_back(static_cast<int>(i) + 1);
    plan.iFeuilleCat = static_cast<int>(entries.sCategory.size());
    return plan;
}

SetPlan EmptyGrouping(const SifEntries& entries) {
    SetPlan plan;
    plan.bOnePerCat = false;
    plan.iCategory.assign(entries.sCategory.size(), 0);
    return plan;
}

std::vector<std::size_t> UnassignedCategories(const SetPlan& plan) {
    return CategoriesOfSheet(plan, 0);
}

std::string GroupChoiceLine(const std::string& category) {
    return category + " - " + CategoryFull(category);
}

bool AddGroupedSheet(SetPlan& plan, const std::vector<std::size_t>& categories) {
    if (categories.empty()) return false;
    for (const std::size_t i : categories)
        if (i >= plan.iCategory.size() || plan.iCategory[i] != 0) return false;
    ++plan.iFeuilleCat;
    for (const std::size_t i : categories) plan.iCategory[i] = plan.iFeuilleCat;
    return true;
}

std::string SheetStem(const std::string& setFileName, const SifEntries& entries,
                      const SetPlan& plan, int sheetNumber) {
    std::string stem = setFileName.substr(0, setFileName.find(kSetExtension));
    for (const std::size_t i : CategoriesOfSheet(plan, sheetNumber))
        stem += "_" + CategoryFull(entries.sCategory[i]);
    std::replace_if(stem.begin(), stem.end(), IsForbiddenInFileName, '_');
    return FirstChars(stem, kMaxStemChars);
}

std::vector<std::string> SheetFileNames(const std::string& setFileName, const SifEntries& entries,
                                        const SetPlan& plan) {
    std::vector<std::string> names;
    for (int s = 1; s <= plan.iFeuilleCat; ++s) {
        const std::string stem = SheetStem(setFileName, entries, plan, s);
        std::string name = stem + std::string(kSheetExtension);
        for (int copy = 2; std::find(names.begin(), names.end(), name) != names.end(); ++copy) {
            const std::string suffix = "_" + std::to_string(copy);
            name = FirstChars(stem, kMaxStemChars - suffix.size()) + suffix +
                   std::string(kSheetExtension);
        }
        names.push_back(std::move(name));
    }
    return names;
}

std::vector<std::string> ExistingSetFiles(const SifEntries& entries, const SetPlan& plan,
                                          const std::string& setPath) {
    std::vector<std::string> paths;
    for (const std::string& name : SheetFileNames(FileNameOf(setPath), entries, plan))
        paths.push_back(SiblingPath(setPath, name));
    paths.push_back(setPath);
    std::vector<std::string> existing;
    for (const std::string& path : paths) {
        std::error_code error;
        // A dangling link is still a name the set would write through.
        if (std::filesystem::exists(std::filesystem::symlink_status(NativePath(path), error)))
            existing.push_back(path);
    }
    return existing;
}

bool CreateSet(const SifEntries& entries, const SetOptions& options, const SetPlan& plan,
               const std::string& setPath, ScoreSheet& sheet, const Reporter& reporter) {
    // A sheet that cannot hold its teams is found before anything is written.
    std::vector<std::vector<const SifTeam*>> teamsOfSheets(
        static_cast<std::size_t>(plan.iFeuilleCat));
    for (int s = 1; s <= plan.iFeuilleCat; ++s)
        if (!TeamsOfSheet(entries, plan, s, teamsOfSheets[static_cast<std::size_t>(s - 1)],
                          reporter))
            return false;

    SetDataToZero(sheet);
    sheet.sTitle = options.sTitle;
    sheet.sDate = options.sDate;
    sheet.sReferee = options.sReferee;
    sheet.iGamesNr = options.iGamesNr;
    sheet.iEliminationRule = options.bFrenchRules ? 1 : 0;

    const std::string previousSet = sheet.sMScoreOpen;
    sheet.sMScoreOpen = setPath;
    const std::vector<std::string> names = SheetFileNames(FileNameOf(setPath), entries, plan);
    std::vector<FileContents> files;
    for (int s = 1; s <= plan.iFeuilleCat; ++s) {
        const auto index = static_cast<std::size_t>(s - 1);
        FillScoreSheet(entries, plan, s, teamsOfSheets[index], sheet, reporter);
        files.push_back(
            {SiblingPath(setPath, names[index]), SheetFileBytes(sheet, reporter.GetLanguage())});
    }
    // The set file last: it names its sheets only once they all exist.
    files.push_back({setPath, SetFileBytes(names)});

    const GroupResult written = ReplaceFilesTogether(files);
    if (written.result == ReplaceResult::Done) return true;
    sheet.sMScoreOpen = previousSet;
    return ReportWrite(written.result, written.path, reporter);
}

}  // namespace zav
