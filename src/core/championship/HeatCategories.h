// The category each team of a heat runs in, as a set made from an entries
// file records it: the sheet's sub-title names its categories, and a sheet
// that groups several names each team's in its add-on column. A championship
// ranks the teams of one category together, never across categories.
#pragma once

#include <string>
#include <vector>

#include "sheet/ScoreSheet.h"

namespace zav {

// The team's category by its display name ("Minime 1"). On a grouped sheet
// whose add-on column names none of its categories for the team, the
// sheet's categories joined ("Minime 1, Minime 2"); empty on a sheet that
// names no category (a sheet made by hand).
std::string TeamCategory(const ScoreSheet& sheet, int team);

// The distinct categories of the sheet's teams, in team order; a sheet
// without teams has those its sub-title names, else the one empty category.
std::vector<std::string> SheetCategories(const ScoreSheet& sheet);

// Whether the two sheets have teams of one category.
bool ShareACategory(const ScoreSheet& a, const ScoreSheet& b);

}  // namespace zav
