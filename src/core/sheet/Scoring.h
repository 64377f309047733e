// Points, heat scores, heat positions and totals from the finishing orders.
// Derived fields are rewritten at each call; nothing else is touched.
#pragma once

#include "sheet/ScoreSheet.h"

namespace zav {

// Heat scoring: fGameScore, fSetScore, fTotalScore and iSetPlace.
void ComputeScores(ScoreSheet& sheet);

// 'Challenge' scoring over the teams flagged bChallengeTeam: its own points
// scale starting at iChallengeScoring. Other teams' cells are left alone.
void ComputeChallengeScores(ScoreSheet& sheet);

}  // namespace zav
