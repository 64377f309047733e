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
    std::string position;  // in the rows' ranking: "2", "2 =" when shared; empty: not ranked
    float total = 0;       // as the phone page shows it: with the previous scores when any
    float heat = 0;        // the heat score, which the positions follow
    float lastGame = 0;    // points in the last game in
    int moved = 0;         // places gained (+) or lost (-) through the last game in
    float gap = 0;         // points behind the first row, in the rows' ranking
};

struct HeatStandings {
    std::vector<Standing> rows;  // by position: the total's with previous scores, else the heat's
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

// For a sheet already scored: the score sheet's position of team `t` ("2",
// "2 =" when shared), the place it sorts by (0: not ranked yet), and its
// position by total score with the earlier heats, on the same pattern.
std::string HeatPosition(const ScoreSheet& scored, int t);
int HeatPlace(const ScoreSheet& scored, int t);
std::string TotalPosition(const ScoreSheet& scored, int t);
// The teams in the order of the heat's positions; `byTotal` (a sheet with
// earlier heats): by total score, teams of one total in heat order. The
// number shown large and the position beside it then belong to one ranking.
std::vector<int> RankingOrder(const ScoreSheet& scored, bool byTotal);
// The 'Challenge' has no positions of its own: its teams by their points
// (totals with `previous`), ties in sheet order.
std::vector<int> ChallengeOrder(const ScoreSheet& scored, bool previous);

}  // namespace zav
