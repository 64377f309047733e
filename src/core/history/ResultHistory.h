// How the record of a heat's results grows: every change the scorer makes,
// accepts, undoes or makes again adds what it changed, with where it came
// from. The window says who and when; the changes are found by comparing
// the sheet before and after, so no command can change a result unrecorded.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "history/HistoryEntry.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// The record keeps this many entries, the oldest going first: far more than
// a heat's day brings, and the sheet file stays well within what its reader
// takes.
constexpr std::size_t kMostHistoryEntries = 1000;

// Adds to after.history an entry for each game whose results differ from
// before's, one for the tie-break places when they differ, and one when the
// heat became official or provisional.
void RecordChanges(const ScoreSheet& before, ScoreSheet& after, const ChangeSource& source);

// The teams that have a result or a blame in game g, in team order.
std::vector<TeamMark> GameMarks(const ScoreSheet& sheet, int game);

// "2024-06-01 14:32:05", local time.
std::string LocalTimestamp(std::time_t time);

}  // namespace zav
