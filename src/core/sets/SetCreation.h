// Creating a score sheet set from an entries file: one sheet file per group
// of categories, filled with their teams, and the set file that lists them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sets/SifFile.h"
#include "sheet/ScoreSheet.h"
#include "texts/Reporter.h"

namespace zav {

constexpr std::size_t kMaxStemChars = 80;

// The answers of the default options dialog, common to every sheet.
struct SetOptions {
    std::string sTitle;
    std::string sDate;
    std::string sReferee;
    int iGamesNr = 6;
    bool bFrenchRules = true;
};

// Which sheet (from 1) each category goes on, parallel to sCategory; 0 while
// a category has no sheet yet.
struct SetPlan {
    std::vector<int> iCategory;
    int iFeuilleCat = 0;     // number of sheets
    bool bOnePerCat = true;  // false: categories grouped by the user
};

// A set needs at least one team: an entries file without any team line
// would give a set file naming no sheet, which no one can open. Refuses it
// with "The file [%s] is not a SIF file..." naming `sifPath`. True when it
// has a team.
[[nodiscard]] bool CheckSifHasTeams(const SifEntries& entries, const std::string& sifPath,
                                    const Reporter& reporter);

// One sheet per category, in the order the categories first occur.
SetPlan OneSheetPerCategory(const SifEntries& entries);

// An empty grouping, to be filled sheet after sheet with AddGroupedSheet.
SetPlan EmptyGrouping(const SifEntries& entries);

// The categories not yet on a sheet, in category-list order (the lines of the
// grouping dialog's next pass).
std::vector<std::size_t> UnassignedCategories(const SetPlan& plan);

// The grouping dialog's line for a category: "field - display name".
std::string GroupChoiceLine(const std::string& category);

// Puts the chosen categories on a new sheet. False, changing nothing, when
// the choice is empty, names no category or a category already on a sheet.
[[nodiscard]] bool AddGroupedSheet(SetPlan& plan, const std::vector<std::size_t>& categories);

// Stem of the name of sheet s (from 1): the set file name up to ".mscore",
// then "_" and the display name of each of the sheet's categories, cut to 80
// characters. A "/" (no file name may hold one) becomes "_".
std::string SheetStem(const std::string& setFileName, const SifEntries& entries,
                      const SetPlan& plan, int sheetNumber);

// The sheet file names (with ".pscore") of every sheet of the plan, in sheet
// order. A stem equal to an earlier sheet's (two categories with the same
// display name, or stems cut to the same 80 characters) gets "_2", "_3"...
// so that no sheet file overwrites another.
std::vector<std::string> SheetFileNames(const std::string& setFileName, const SifEntries& entries,
                                        const SetPlan& plan);

// The categories a set's sheet sub-title names, in order: "Minime 1" and
// "Cadet 1" from
// "Compétition numéro 2611 - Catégorie(s) : Minime 1 - Cadet 1 - ".
// None for any other sub-title.
std::vector<std::string> SubTitleCategories(const std::string& subTitle);

// The same joined by ", " ("Minime 1, Cadet 1"): a sheet's brief name where
// space is short. Empty for any other sub-title.
std::string CategoriesInSubTitle(const std::string& subTitle);
// The competition number such a sub-title names ("2611"); empty for any
// other sub-title.
std::string CompetitionInSubTitle(const std::string& subTitle);

// The files CreateSet would write (the sheet files, then the set file) that
// exist already, by their paths.
std::vector<std::string> ExistingSetFiles(const SifEntries& entries, const SetPlan& plan,
                                          const std::string& setPath);

// Resets `sheet`, fills it sheet after sheet and writes every sheet file
// beside `setPath`, then the set file at `setPath`. True when created; false
// after a message. A sheet with more than 10 teams is refused before anything
// is written; the files are written as one (io/FileWrite.h,
// ReplaceFilesTogether), so any failure leaves the folder as it was. Every
// sheet file carries `setPath` as its set marker.
[[nodiscard]] bool CreateSet(const SifEntries& entries, const SetOptions& options,
                             const SetPlan& plan, const std::string& setPath, ScoreSheet& sheet,
                             const Reporter& reporter);

}  // namespace zav
