// The heat score, total and position, and the 'Challenge' points among its
// own teams; each result code's points also show in the golden pages.
#include <gtest/gtest.h>

#include <vector>

#include "sheet/Scoring.h"

namespace zav {
namespace {

constexpr int E = kElimination, A = kAbandon, D = kDefinitiveAbandon;
using Rows = std::vector<std::vector<int>>;

// One row of result codes per game, one column per team.
ScoreSheet Heat(int scoring, int elimination, const Rows& games) {
    ScoreSheet s;
    s.iGamesNr = static_cast<int>(games.size());
    s.iTeamsNr = static_cast<int>(games[0].size());
    s.iScoring = scoring;
    s.iEliminationRule = elimination;
    for (int g = 0; g < s.iGamesNr; ++g)
        for (int t = 0; t < s.iTeamsNr; ++t) s.iGamePlace[t][g] = games[g][t];
    return s;
}

TEST(ComputeScores, HeatScoreTotalAndPosition) {
    ScoreSheet s = Heat(4, 0, {{1, 2, 2, E}, {A, 1, 2, 3}});
    s.fPreviousScore[0] = 10;
    ComputeScores(s);
    const float heat[] = {5, 6.5f, 5.5f, 2};
    const int place[] = {3, 1, 2, 4};
    for (int round = 0; round < 2; ++round) {  // computing again changes nothing
        for (int t = 0; t < 4; ++t) {
            EXPECT_FLOAT_EQ(s.fSetScore[t], heat[t]) << "team " << t;
            EXPECT_FLOAT_EQ(s.fTotalScore[t], heat[t] + (t == 0 ? 10 : 0)) << "team " << t;
            EXPECT_EQ(s.iSetPlace[t], place[t]) << "team " << t;
        }
        ComputeScores(s);
    }

    // Heat scores 0, 29.5, 28, 29.5, 0: equal scores share a place, whatever
    // the team order, the teams without points too.
    s = Heat(30, 0, {{D, 1, 3, 1, D}});
    ComputeScores(s);
    const int shared[] = {4, 1, 3, 1, 4};
    for (int t = 0; t < 5; ++t) EXPECT_EQ(s.iSetPlace[t], shared[t]) << "team " << t;

    // Only cells of the heat count; a cell without a result has no points,
    // whatever an earlier computation gave it.
    s = Heat(2, 0, {{1, 2}, {0, 99}});  // 99: not a code
    s.fGameScore[0][1] = 7;             // before its result was cleared
    s.iGamePlace[0][2] = 1;             // beyond iGamesNr
    s.iGamePlace[2][0] = 1;             // a withdrawn team's row, beyond iTeamsNr
    ComputeScores(s);
    EXPECT_FLOAT_EQ(s.fGameScore[0][2], 0);
    EXPECT_FLOAT_EQ(s.fSetScore[0], 2);
    EXPECT_FLOAT_EQ(s.fSetScore[1], 1);
    // Every result cleared: no points and no positions left.
    for (int g = 0; g < 2; ++g) s.iGamePlace[0][g] = s.iGamePlace[1][g] = 0;
    ComputeScores(s);
    EXPECT_FLOAT_EQ(s.fGameScore[0][0] + s.fSetScore[0] + s.fTotalScore[1], 0);
    EXPECT_EQ(s.iSetPlace[0] + s.iSetPlace[1], 0);

    s = ScoreSheet();
    s.iTeamsNr = 50;
    s.iGamesNr = 40;
    s.iScoring = 10;
    for (int t = 0; t < kMaxTeams; ++t) s.iGamePlace[t][0] = t + 1;
    ComputeScores(s);  // must not touch memory beyond 10 x 12
    EXPECT_FLOAT_EQ(s.fGameScore[0][0], 10);
    EXPECT_FLOAT_EQ(s.fGameScore[9][0], 1);
}

// The 'Challenge' ranks its own teams on its own scale; an abandon is one
// point, an elimination the rule's points; other teams have none, whatever
// their cells held.
TEST(ComputeChallengeScores, PointsAmongTheChallengeTeams) {
    const float X = 0;  // a team outside the 'Challenge'
    const struct {
        const char* what;
        int scoring, elimination;
        std::vector<bool> inChallenge;
        Rows games;
        std::vector<float> points;  // of the last game
    } cases[] = {
        {"three of five", 3, 0, {0, 1, 0, 1, 1}, {{1, 2, 3, 4, A}}, {X, 3, X, 2, 1}},
        {"French elimination", 4, 1, {1, 1, 1, 0}, {{A, E, D, 1}}, {1, 1, 0, X}},
        {"international elimination", 4, 0, {1, 1, 1, 0}, {{A, E, D, 1}}, {1, 0, 0, X}},
        {"shares are means", 4, 1, {1, 1, 1, 0}, {{A, E, D, 1}, {2, 2, 3, 1}}, {3.5f, 3.5f, 2, X}},
        {"more teams than points", 3, 0, {1, 1, 1, 1, 1}, {{1, 2, 3, 4, 5}}, {3, 2, 1, 0, -1}},
    };
    for (const auto& c : cases) {
        ScoreSheet s = Heat(5, c.elimination, c.games);
        s.iChallengeScoring = c.scoring;
        const int last = s.iGamesNr - 1;
        for (int t = 0; t < s.iTeamsNr; ++t) {
            s.bChallengeTeam[t] = c.inChallenge[t];
            s.fChallengeGameScore[t][last] = 42;
        }
        ComputeChallengeScores(s);
        for (int t = 0; t < s.iTeamsNr; ++t)
            EXPECT_FLOAT_EQ(s.fChallengeGameScore[t][last], c.points[t])
                << c.what << ", team " << t;
    }

    ScoreSheet s = Heat(5, 0, {{1, 2, 3, 4, A}});
    s.iChallengeScoring = 3;
    s.bChallengeTeam[1] = true;
    s.fChallengePreviousScore[1] = 2.5f;
    ComputeChallengeScores(s);
    EXPECT_FLOAT_EQ(s.fChallengeSetScore[1], 3);
    EXPECT_FLOAT_EQ(s.fChallengeTotalScore[1], 5.5f);
}

}  // namespace
}  // namespace zav
