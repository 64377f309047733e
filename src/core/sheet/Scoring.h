// Points, heat scores, heat positions and totals from the finishing orders.
// Derived fields are rewritten whole at each call from the results alone, so
// a sheet in memory scores as the same sheet read again from its file;
// nothing else is touched.
#pragma once

#include "sheet/ScoreSheet.h"

namespace zav {

// Heat scoring: fGameScore, fSetScore, fTotalScore and iSetPlace (0 for
// every team while nobody has scored).
void ComputeScores(ScoreSheet& sheet);

// 'Challenge' scoring over the teams flagged bChallengeTeam: its own points
// scale starting at iChallengeScoring. Other teams have no 'Challenge' points.
void ComputeChallengeScores(ScoreSheet& sheet);

}  // namespace zav
