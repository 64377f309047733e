// The heat as the arena's screens tell it: the ranking with each team's
// points in the game that came in last and the places that game made it
// gain or lose, the gap to the leader, the game now running and the next.
// The positions are the score sheet's (the tie-break's when given, "=" for a
// shared one), so every page of the program ranks the teams alike.
#pragma once

#include <string>
#include <vector>

#include "sheet/ScoreSheet.h"

namespace zav {

struct Standing {
    int team = 0;
    std::string position;  // "2", or "2 =" when another team shares it; empty: not ranked
    float total = 0;       // as the phone page shows it: with the previous scores when any
    float heat = 0;        // the heat score, which the positions follow
    float lastGame = 0;    // points in the last game in
    int moved = 0;         // places gained (+) or lost (-) through the last game in
    float gap = 0;         // heat points behind the first row
};

struct HeatStandings {
    std::vector<Standing> rows;  // by position
    bool withPrevious = false;   // the totals carry previous scores
    int lastGame = -1;           // the last game with a result (from 0); -1: none yet
    int nowGame = -1;            // the first game without a result; -1: every game has one
    int nextGame = -1;           // the first after it without a result; -1: none
};

// From the results alone: a copy of the sheet is scored.
HeatStandings ComputeStandings(const ScoreSheet& sheet);

// The order in which the teams finished game `game`: places first, then
// eliminations, abandons and definitive abandons; teams without a result
// there are left out.
struct Finish {
    int team = 0;
    int code = 0;  // the result code: a place, or an outcome
    bool blame = false;
};
std::vector<Finish> FinishingOrder(const ScoreSheet& sheet, int game);

// For a sheet already scored: the score sheet's position of team `t`, and
// the teams in the order of those positions.
std::string HeatPosition(const ScoreSheet& scored, int t);
std::vector<int> RankingOrder(const ScoreSheet& scored);
// The 'Challenge' has no positions of its own: its teams by their points
// (totals with `previous`), ties in sheet order.
std::vector<int> ChallengeOrder(const ScoreSheet& scored, bool previous);

}  // namespace zav
