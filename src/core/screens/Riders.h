// The riders of each team of a sheet, from the entries file its set was
// made from, for the announcer: only when the file's competition number is
// the one the sheet's sub-title names (another event's file says nothing),
// each team found by its name among the teams of the sheet's categories
// (the same name, else the same up to case, accents and spaces; a name two
// teams share there finds none).
#pragma once

#include <vector>

#include "sets/SifFile.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// One list per team of the sheet, empty where none is known.
std::vector<std::vector<SifRider>> RidersOfSheet(const SifEntries& entries,
                                                 const ScoreSheet& sheet);

}  // namespace zav
