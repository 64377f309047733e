#include "screens/Standings.h"

#include <algorithm>
#include <numeric>

#include "report/ScoreSheetPage.h"
#include "sheet/Scoring.h"

namespace zav {
namespace {

bool HasResult(const ScoreSheet& sheet, int g) {
    for (int t = 0; t < TeamsInUse(sheet); ++t)
        if (sheet.iGamePlace[t][g] != kNoResult) return true;
    return false;
}

int FirstWithoutResult(const ScoreSheet& sheet, int from) {
    for (int g = from; g < GamesInUse(sheet); ++g)
        if (!HasResult(sheet, g)) return g;
    return -1;
}

// Places first, then the outcomes in the order of the result lists.
int FinishRank(int code) {
    if (code > 0) return code;
    return code == kElimination ? 100 : code == kAbandon ? 101 : 102;
}

}  // namespace

std::string HeatPosition(const ScoreSheet& sheet, int t) {
    if (sheet.iTieBreakPlace[t] != 0) return std::to_string(sheet.iTieBreakPlace[t]);
    std::string place = std::to_string(sheet.iSetPlace[t]);
    const int teams = TeamsInUse(sheet);
    for (int u = 0; u < teams; ++u)
        if (u != t && sheet.iSetPlace[u] == sheet.iSetPlace[t]) return place + " =";
    return place;
}

int HeatPlace(const ScoreSheet& sheet, int t) {
    return sheet.iTieBreakPlace[t] != 0 ? sheet.iTieBreakPlace[t] : sheet.iSetPlace[t];
}

namespace {

// 1 + the teams of a higher total.
int TotalPlace(const ScoreSheet& sheet, int t) {
    int higher = 0;
    for (int u = 0; u < TeamsInUse(sheet); ++u)
        higher += sheet.fTotalScore[u] > sheet.fTotalScore[t];
    return higher + 1;
}

}  // namespace

// "=" when another team has the same total.
std::string TotalPosition(const ScoreSheet& sheet, int t) {
    bool shared = false;
    for (int u = 0; u < TeamsInUse(sheet); ++u)
        shared = shared || (u != t && sheet.fTotalScore[u] == sheet.fTotalScore[t]);
    return std::to_string(TotalPlace(sheet, t)) + (shared ? " =" : "");
}

std::vector<int> RankingOrder(const ScoreSheet& sheet, bool byTotal) {
    std::vector<int> order(TeamsInUse(sheet));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (byTotal && sheet.fTotalScore[a] != sheet.fTotalScore[b])
            return sheet.fTotalScore[a] > sheet.fTotalScore[b];
        return HeatPlace(sheet, a) < HeatPlace(sheet, b);
    });
    return order;
}

std::vector<int> ChallengeOrder(const ScoreSheet& sheet, bool previous) {
    std::vector<int> order;
    for (int t = 0; t < TeamsInUse(sheet); ++t)
        if (sheet.bChallengeTeam[t]) order.push_back(t);
    const auto points = [&](int t) {
        return previous ? sheet.fChallengeTotalScore[t] : sheet.fChallengeSetScore[t];
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return points(a) > points(b); });
    return order;
}

std::vector<Finish> FinishingOrder(const ScoreSheet& sheet, int game) {
    std::vector<Finish> order;
    if (game < 0 || game >= GamesInUse(sheet)) return order;
    for (int t = 0; t < TeamsInUse(sheet); ++t)
        if (sheet.iGamePlace[t][game] != kNoResult)
            order.push_back({t, sheet.iGamePlace[t][game], sheet.bAvertissement[t][game]});
    std::stable_sort(order.begin(), order.end(), [](const Finish& a, const Finish& b) {
        return FinishRank(a.code) < FinishRank(b.code);
    });
    return order;
}

HeatStandings ComputeStandings(const ScoreSheet& original) {
    ScoreSheet sheet = original;
    HeatStandings standings;
    standings.withPrevious = ComputeSheetColumns(sheet).previous;
    ComputeScores(sheet);
    for (int g = GamesInUse(sheet) - 1; g >= 0 && standings.lastGame < 0; --g)
        if (HasResult(sheet, g)) standings.lastGame = g;
    standings.nowGame = FirstWithoutResult(sheet, 0);
    if (standings.nowGame >= 0)
        standings.nextGame = FirstWithoutResult(sheet, standings.nowGame + 1);

    // The same sheet without its last game: where each team stood before it.
    ScoreSheet before = sheet;
    const int last = standings.lastGame;
    if (last >= 0)
        for (int t = 0; t < TeamsInUse(before); ++t) before.iGamePlace[t][last] = kNoResult;
    ComputeScores(before);

    // Places in the rows' own ranking, before and after the last game.
    const bool byTotal = standings.withPrevious;
    const auto placeIn = [byTotal](const ScoreSheet& scored, int t) {
        if (HeatPlace(scored, t) == 0) return 0;
        return byTotal ? TotalPlace(scored, t) : HeatPlace(scored, t);
    };
    for (const int t : RankingOrder(sheet, byTotal)) {
        Standing row;
        row.team = t;
        if (HeatPlace(sheet, t) != 0)
            row.position = byTotal ? TotalPosition(sheet, t) : HeatPosition(sheet, t);
        row.heat = sheet.fSetScore[t];
        row.total = byTotal ? sheet.fTotalScore[t] : row.heat;
        if (last >= 0) row.lastGame = sheet.fGameScore[t][last];
        const int was = placeIn(before, t), is = placeIn(sheet, t);
        if (was != 0 && is != 0) row.moved = was - is;
        standings.rows.push_back(row);
    }
    for (Standing& row : standings.rows) row.gap = standings.rows.front().total - row.total;
    return standings;
}

}  // namespace zav
