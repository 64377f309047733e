// The previous scores a heat takes from earlier sheets of its championship.
// From one sheet a team carries its total there, which already holds what it
// brought into that sheet; from several, the sum of its heat scores in them,
// so that no heat counts twice.
#pragma once

#include <optional>
#include <vector>

#include "championship/Heats.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// Match of a team in an earlier sheet: a team index there, or one of these.
constexpr int kNoTeam = -1;   // the team was not in that heat
constexpr int kAskTeam = -2;  // several teams bear its name: the user chooses

enum class CarryRule { TotalOfOneSheet, SumOfHeatScores };
CarryRule CarryRuleFor(std::size_t sheets);

// [team of the open sheet][earlier sheet]: each team proposed by its name.
using TeamMatches = std::vector<std::vector<int>>;
TeamMatches ProposeMatches(const ScoreSheet& open, const std::vector<const ScoreSheet*>& earlier);

struct Carried {
    std::optional<float> points;     // nothing: matched in no sheet
    std::optional<float> challenge;  // nothing: no 'Challenge' score to carry
};

// What team `team` of the open sheet carries with these matches.
Carried CarriedScores(const ScoreSheet& open, int team,
                      const std::vector<const ScoreSheet*>& earlier,
                      const std::vector<int>& matches);

// The open sheet's teams matched in no sheet (a choice still to make
// included): they keep the previous score they have.
std::vector<int> UnmatchedTeams(const TeamMatches& matches);

// Stores every carried score into the previous-score fields; a team without
// a match, or without a 'Challenge' score to carry, keeps its own.
void StoreCarriedScores(ScoreSheet& open, const std::vector<const ScoreSheet*>& earlier,
                        const TeamMatches& matches);

// The sheets among the heats that were read.
std::vector<const ScoreSheet*> ReadSheets(const std::vector<Heat>& heats);

}  // namespace zav
