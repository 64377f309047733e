#include "sets/SetCreation.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "sets/Categories.h"
#include "sets/SetFile.h"
#include "sets/SetTexts.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

namespace zav {

namespace {
constexpr std::string_view kSetExtension = ".mscore";
constexpr std::string_view kSheetExtension = ".pscore";
// French whatever the interface language, as on every event's sheets.
constexpr std::string_view kSubTitleStart = "Comp\xC3\xA9tition num\xC3\xA9ro ";
constexpr std::string_view kSubTitleCategories = " - Cat\xC3\xA9gorie(s) : ";
constexpr std::string_view kCategorySeparator = " - ";

// The first `count` characters of a UTF-8 text, never splitting one.
std::string FirstChars(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == count) return text.substr(0, i);
        ++chars;
    }
    return text;
}

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
        text += CategoryFull(entries.wxCategory[i]) + std::string(kCategorySeparator);
    return text;
}

// The teams of sheet s in file order, categories mixed; 1 after the message
// naming the category of the eleventh when they do not fit on one sheet.
int TeamsOfSheet(const SifEntries& entries, const SetPlan& plan, int sheetNumber,
                 std::vector<const SifTeam*>& teams, int wxLanguage, MessageSink& messages) {
    teams.clear();
    for (const SifTeam& team : entries.teams) {
        if (team.categoryIndex >= plan.iCategory.size() ||
            plan.iCategory[team.categoryIndex] != sheetNumber)
            continue;
        if (teams.size() == static_cast<std::size_t>(kMaxTeams)) {
            const std::string pattern =
                FormatText(Text(wxLanguage, txt::kTooManyTeamsOnSheet), long{sheetNumber});
            messages.ShowMessage(FormatText(pattern, std::string(CategoryCode(team.category))),
                                 MessageIcon::Error);
            return 1;
        }
        teams.push_back(&team);
    }
    return 0;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string FileNameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);  // npos + 1 is 0: a bare name
}

bool Write(std::FILE* file, const std::string& piece) {
    return std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
}
}  // namespace

int CheckSifHasTeams(const SifEntries& entries, const std::string& sifPath, int wxLanguage,
                     MessageSink& messages) {
    if (!entries.teams.empty()) return 0;
    messages.ShowMessage(FormatText(Text(wxLanguage, txt::kNotSifFile), sifPath),
                         MessageIcon::Error);
    return 1;
}

SetPlan OneSheetPerCategory(const SifEntries& entries) {
    SetPlan plan;
    plan.bOnePerCat = true;
    for (std::size_t i = 0; i < entries.wxCategory.size(); ++i)
        plan.iCategory.push_back(static_cast<int>(i) + 1);
    plan.iFeuilleCat = static_cast<int>(entries.wxCategory.size());
    return plan;
}

SetPlan EmptyGrouping(const SifEntries& entries) {
    SetPlan plan;
    plan.bOnePerCat = false;
    plan.iCategory.assign(entries.wxCategory.size(), 0);
    return plan;
}

std::vector<std::size_t> UnassignedCategories(const SetPlan& plan) {
    return CategoriesOfSheet(plan, 0);
}

std::string GroupChoiceLine(const std::string& category) {
    return category + " - " + CategoryFull(category);
}

int AddGroupedSheet(SetPlan& plan, const std::vector<std::size_t>& categories) {
    if (categories.empty()) return 1;
    for (const std::size_t i : categories)
        if (i >= plan.iCategory.size() || plan.iCategory[i] != 0) return 1;
    ++plan.iFeuilleCat;
    for (const std::size_t i : categories) plan.iCategory[i] = plan.iFeuilleCat;
    return 0;
}

std::string SheetStem(const std::string& setFileName, const SifEntries& entries,
                      const SetPlan& plan, int sheetNumber) {
    std::string stem = setFileName.substr(0, setFileName.find(kSetExtension));
    for (const std::size_t i : CategoriesOfSheet(plan, sheetNumber))
        stem += "_" + CategoryFull(entries.wxCategory[i]);
    std::replace(stem.begin(), stem.end(), '/', '_');
    std::replace(stem.begin(), stem.end(), '\0', '_');
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

int CreateScoreFile(const std::string& path, const SifEntries& entries, const SetPlan& plan,
                    int sheetIndex, ScoreSheet& sheet, int wxLanguage, MessageSink& messages) {
    const int sheetNumber = sheetIndex + 1;
    sheet.iScoreSet = 1;
    for (int t = 0; t < kMaxTeams; ++t) {
        sheet.sTeamName[t].clear();
        sheet.sColSupContent[t].clear();
    }
    sheet.sColSupTitle = plan.bOnePerCat ? std::string() : Text(wxLanguage, settxt::kCategory);
    sheet.sSubTitle = SubTitle(entries.wxCompetNr, entries, CategoriesOfSheet(plan, sheetNumber));
    std::vector<const SifTeam*> teams;
    if (TeamsOfSheet(entries, plan, sheetNumber, teams, wxLanguage, messages) != 0) return 1;
    sheet.iTeamsNr = static_cast<int>(teams.size());
    for (std::size_t t = 0; t < teams.size(); ++t) {
        sheet.sTeamName[t] = teams[t]->name;
        if (!plan.bOnePerCat) sheet.sColSupContent[t] = CategoryFull(teams[t]->category);
    }
    sheet.iScoring = sheet.iTeamsNr + (sheet.iEliminationRule == 1 ? 1 : 0);
    return SaveSheet(sheet, path, wxLanguage, messages);
}

int CreateSet(const SifEntries& entries, const SetOptions& options, const SetPlan& plan,
              const std::string& setPath, ScoreSheet& sheet, int wxLanguage,
              MessageSink& messages) {
    // A sheet that cannot hold its teams is found before anything is written,
    // so that a refused import leaves the folder as it was.
    std::vector<const SifTeam*> teams;
    for (int s = 1; s <= plan.iFeuilleCat; ++s)
        if (TeamsOfSheet(entries, plan, s, teams, wxLanguage, messages) != 0) return 1;

    SetDataToZero(sheet);
    sheet.sTitle = options.sTitle;
    sheet.sDate = options.sDate;
    sheet.sReferee = options.sReferee;
    sheet.iGamesNr = options.iGamesNr;
    sheet.iEliminationRule = options.bFrenchRules ? 1 : 0;

    const std::vector<std::string> names = SheetFileNames(FileNameOf(setPath), entries, plan);
    const bool utf8 = SetFileNeedsUtf8(names);

    File setFile(std::fopen(setPath.c_str(), "wb"));
    if (!setFile) {
        messages.ShowMessage(FormatText(Text(wxLanguage, txt::kErrorCreating), setPath),
                             MessageIcon::Information);
        return 1;
    }
    const auto abandon = [&](bool reportWrite) {
        setFile.reset();
        std::remove(setPath.c_str());
        if (reportWrite)
            messages.ShowMessage(FormatText(Text(wxLanguage, txt::kErrorWriting), setPath),
                                 MessageIcon::Information);
        return 1;
    };
    if (!Write(setFile.get(), SetFileHead(utf8))) return abandon(true);

    const std::string previousSet = sheet.wxsMScoreOpen;
    sheet.wxsMScoreOpen = setPath;
    for (int s = 1; s <= plan.iFeuilleCat; ++s) {
        const std::string& name = names[static_cast<std::size_t>(s - 1)];
        if (CreateScoreFile(SiblingPath(setPath, name), entries, plan, s - 1, sheet, wxLanguage,
                            messages) != 0) {
            sheet.wxsMScoreOpen = previousSet;
            return abandon(false);
        }
        if (!Write(setFile.get(), SetFileSheetLine(name, utf8))) {
            sheet.wxsMScoreOpen = previousSet;
            return abandon(true);
        }
    }
    const bool tailWritten = Write(setFile.get(), SetFileTail());
    const bool closed = std::fclose(setFile.release()) == 0;
    if (!tailWritten || !closed) {
        sheet.wxsMScoreOpen = previousSet;
        std::remove(setPath.c_str());
        messages.ShowMessage(FormatText(Text(wxLanguage, txt::kErrorWriting), setPath),
                             MessageIcon::Information);
        return 1;
    }
    return 0;
}

}  // namespace zav
