// The category each team of a heat runs in, as a set made from an entries
// file records it: the sheet's sub-title names its categories, and a sheet
// that groups several names each team's in its add-on column. A championship
// ranks the teams of one category together, never across categories.
#pragma once

#include <string>
#include <vector>

#include "sheet/ScoreSheet.h"

namespace zav {

// The teams (by index) of one category, named by its display name
// ("Minime 1"). On a grouped sheet, a team whose add-on column names none of
// its categories is of the sheet's categories joined ("Minime 1, Minime 2");
// on a sheet that names no category (a sheet made by hand), of the empty one.
struct CategoryTeams {
    std::string category;
    std::vector<int> teams;
};

// The sheet's teams by category, the categories in the order of their
// first team.
std::vector<CategoryTeams> TeamsByCategory(const ScoreSheet& sheet);

// The distinct categories of the sheet's teams, in team order; a sheet
// without teams has those its sub-title names, else the one empty category.
std::vector<std::string> SheetCategories(const ScoreSheet& sheet);

// Whether the two sheets have teams of one category.
bool ShareACategory(const ScoreSheet& a, const ScoreSheet& b);

}  // namespace zav
