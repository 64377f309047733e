// A heat's standing: its results and ranking are provisional until the
// scorer makes them official, and a change to what they are computed from
// makes them provisional again. The one rule every change goes through.
#pragma once

#include <string>

#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

// True when the two sheets differ in anything the heat's results and
// ranking are computed from: teams, results, blames, tie-breaks, previous
// scores, the scoring and its 'Challenge'. Titles, colours, the add-on
// column, game names and staff are not.
bool RankingInputsDiffer(const ScoreSheet& a, const ScoreSheet& b);

// `before` is official and `after` changes its ranking's inputs: the scorer
// is asked first, and the change makes the heat provisional again.
bool TouchesOfficialHeat(const ScoreSheet& before, const ScoreSheet& after);

// Official from `at` (LocalTimestamp), or provisional again.
void MakeOfficial(ScoreSheet& sheet, const std::string& at);
void MakeProvisional(ScoreSheet& sheet);

// What the pages and the window say of the heat: "Provisional", or
// "Official 2024-06-01 14:32".
std::string StandingText(const ScoreSheet& sheet, Language language);

// The official time without its seconds: "2024-06-01 14:32".
std::string OfficialMinute(const std::string& at);

}  // namespace zav
