// The record of a heat's results told to the scorer, in the interface
// language: for the window, the command line and an appeal.
#pragma once

#include <string>
#include <vector>

#include "history/HistoryEntry.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

// One line: when, what the game (or the tie-breaks, or the heat) became,
// what it was before, and where the change came from.
std::string DescribeEntry(const HistoryEntry& entry, Language language);

// What game g's history shows besides the game's own changes.
enum class WithStanding { No, Yes };

// Game g's history (from 0), oldest first, with the heat made official or
// provisional between its changes when asked. A result the record does not
// explain (entered before the sheet kept one) comes first, said so.
std::vector<std::string> GameHistoryLines(const ScoreSheet& sheet, int game, Language language,
                                          WithStanding standing);

// The tie-break changes and the heat's standing changes, oldest first.
std::vector<std::string> HeatHistoryLines(const ScoreSheet& sheet, Language language);

}  // namespace zav
