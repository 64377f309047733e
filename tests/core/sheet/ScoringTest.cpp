#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "sheet/Scoring.h"

namespace zav {
namespace {

ScoreSheet Heat(int teams, int games, int scoring, int elimination) {
    ScoreSheet s;
    s.iTeamsNr = teams;
    s.iGamesNr = games;
    s.iScoring = scoring;
    s.iEliminationRule = elimination;
    return s;
}

void SetGame(ScoreSheet& s, int g, std::initializer_list<int> codes) {
    int t = 0;
    for (int code : codes) s.iGamePlace[t++][g] = code;
}

// The two-game heat of four teams used to explain the rules: shared places,
// an elimination, an abandon and points brought from previous heats.
TEST(ComputeScores, WorkedExampleInternationalRules) {
    ScoreSheet s = Heat(4, 2, 4, 0);
    s.fPreviousScore[0] = 10;
    SetGame(s, 0, {1, 2, 2, kElimination});
    SetGame(s, 1, {kAbandon, 1, 2, 3});
    ComputeScores(s);

    EXPECT_FLOAT_EQ(s.fGameScore[0][0], 4);
    EXPECT_FLOAT_EQ(s.fGameScore[1][0], 2.5f);
    EXPECT_FLOAT_EQ(s.fGameScore[2][0], 2.5f);
    EXPECT_FLOAT_EQ(s.fGameScore[3][0], 0);
    EXPECT_FLOAT_EQ(s.fGameScore[0][1], 1);
    EXPECT_FLOAT_EQ(s.fGameScore[1][1], 4);
    EXPECT_FLOAT_EQ(s.fGameScore[2][1], 3);
    EXPECT_FLOAT_EQ(s.fGameScore[3][1], 2);

    const float heat[] = {5, 6.5f, 5.5f, 2};
    const float total[] = {15, 6.5f, 5.5f, 2};
    const int place[] = {3, 1, 2, 4};
    for (int t = 0; t < 4; ++t) {
        EXPECT_FLOAT_EQ(s.fSetScore[t], heat[t]) << "team " << t;
        EXPECT_FLOAT_EQ(s.fTotalScore[t], total[t]) << "team " << t;
        EXPECT_EQ(s.iSetPlace[t], place[t]) << "team " << t;
    }
    // Computing again from the results changes nothing.
    ScoreSheet again = s;
    ComputeScores(again);
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(again.fSetScore[t], s.fSetScore[t]);
        EXPECT_EQ(again.iSetPlace[t], s.iSetPlace[t]);
    }
}

TEST(ComputeScores, WorkedExampleFrenchRules) {
    ScoreSheet s = Heat(4, 2, 5, 1);
    SetGame(s, 0, {1, 2, 2, kElimination});
    SetGame(s, 1, {kAbandon, 1, 2, 3});
    ComputeScores(s);
    EXPECT_FLOAT_EQ(s.fGameScore[0][0], 5);
    EXPECT_FLOAT_EQ(s.fGameScore[1][0], 3.5f);
    EXPECT_FLOAT_EQ(s.fGameScore[3][0], 1);
    EXPECT_FLOAT_EQ(s.fGameScore[0][1], 2);
    EXPECT_FLOAT_EQ(s.fGameScore[3][1], 3);
}

// One game each: the points every place code earns.
TEST(ComputeScores, GamePointsOfSharedPlacesGapsAndAbandons) {
    const int E = kElimination, A = kAbandon, D = kDefinitiveAbandon;
    const struct {
        const char* what;
        std::vector<int> codes;
        std::vector<float> points;
    } cases[] = {
        {"all share first: (4+3+2+1)/4", {1, 1, 1, 1}, {2.5f, 2.5f, 2.5f, 2.5f}},
        {"gaps cost nothing, a place above the teams gets nothing", {1, 3, 5, 0}, {4, 3, 0, 0}},
        {"places follow their order, not their values", {1, 1, 2, 3}, {3.5f, 3.5f, 2, 1}},
        {"three-way share gives thirds", {2, 2, 2, 1}, {2, 2, 2, 4}},
        {"abandon takes the lowest points left after eliminations",
         {E, E, A, 1, 2, D},
         {0, 0, 6 - 6 + 2 + 1, 6, 5, 0}},
    };
    for (const auto& c : cases) {
        const int teams = static_cast<int>(c.codes.size());
        ScoreSheet s = Heat(teams, 1, teams, 0);
        for (int t = 0; t < teams; ++t) s.iGamePlace[t][0] = c.codes[t];
        ComputeScores(s);
        for (int t = 0; t < teams; ++t)
            EXPECT_FLOAT_EQ(s.fGameScore[t][0], c.points[t]) << c.what << ", team " << t;
    }
}

TEST(ComputeScores, UnrunCellsAndColumnsBeyondTheGamesKeepTheirPoints) {
    ScoreSheet s = Heat(2, 2, 2, 0);
    s.fGameScore[0][1] = 7;  // left over from an earlier computation
    s.iGamePlace[0][2] = 1;  // beyond iGamesNr
    SetGame(s, 0, {1, 2});
    s.iGamePlace[1][1] = 99;  // not a code
    ComputeScores(s);
    EXPECT_FLOAT_EQ(s.fGameScore[0][1], 7);
    EXPECT_FLOAT_EQ(s.fGameScore[0][2], 0);
    EXPECT_FLOAT_EQ(s.fSetScore[0], 2 + 7);
    EXPECT_FLOAT_EQ(s.fSetScore[1], 1);
}

TEST(ComputeScores, NoScoreYetLeavesPositionsAlone) {
    ScoreSheet s = Heat(3, 2, 3, 0);
    s.iSetPlace[0] = 2;
    s.iSetPlace[1] = 7;
    ComputeScores(s);
    EXPECT_EQ(s.iSetPlace[0], 2);
    EXPECT_EQ(s.iSetPlace[1], 7);
    EXPECT_EQ(s.iSetPlace[2], 0);
}

TEST(ComputeScores, EqualHeatScoresSharePlacesWhateverTheTeamOrder) {
    // Heat scores 0, 29.5, 28, 29.5, 0 from one game on a 30-point scale: the
    // teams without points share the last place like any others.
    ScoreSheet s = Heat(5, 1, 30, 0);
    SetGame(s, 0, {kDefinitiveAbandon, 1, 3, 1, kDefinitiveAbandon});
    ComputeScores(s);
    ASSERT_FLOAT_EQ(s.fSetScore[1], 29.5f);
    ASSERT_FLOAT_EQ(s.fSetScore[2], 28);
    const int expected[] = {4, 1, 3, 1, 4};
    for (int t = 0; t < 5; ++t) EXPECT_EQ(s.iSetPlace[t], expected[t]) << "team " << t;
}

TEST(ComputeScores, DamagedCountsNeverReachBeyondTheArrays) {
    ScoreSheet s = Heat(50, 40, 10, 0);
    for (int t = 0; t < kMaxTeams; ++t) s.iGamePlace[t][0] = t + 1;
    ComputeScores(s);  // must not touch memory beyond 10 x 12
    EXPECT_FLOAT_EQ(s.fGameScore[0][0], 10);
    EXPECT_FLOAT_EQ(s.fGameScore[9][0], 1);
}

// Five teams, B, D and E in the 'Challenge' on a 3-point scale.
TEST(ComputeChallengeScores, WorkedExampleAndUntouchedOutsiders) {
    ScoreSheet s = Heat(5, 1, 5, 0);
    s.iChallengeScoring = 3;
    s.bChallengeTeam[1] = s.bChallengeTeam[3] = s.bChallengeTeam[4] = 1;
    s.fChallengeGameScore[0][0] = 42;  // outsider's cell is left alone
    s.fChallengePreviousScore[1] = 2.5f;
    SetGame(s, 0, {1, 2, 3, 4, kAbandon});
    ComputeChallengeScores(s);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[1][0], 3);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[3][0], 2);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[4][0], 1);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[0][0], 42);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[2][0], 0);
    EXPECT_FLOAT_EQ(s.fChallengeSetScore[1], 3);
    EXPECT_FLOAT_EQ(s.fChallengeTotalScore[1], 5.5f);
}

TEST(ComputeChallengeScores, AbandonIsOnePointAndSharesAreMeans) {
    ScoreSheet s = Heat(4, 2, 4, 1);
    s.bChallengeTeam[0] = s.bChallengeTeam[1] = s.bChallengeTeam[2] = 1;
    SetGame(s, 0, {kAbandon, kElimination, kDefinitiveAbandon, 1});
    SetGame(s, 1, {2, 2, 3, 1});
    s.iChallengeScoring = 4;
    ComputeChallengeScores(s);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[0][0], 1);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[1][0], 1) << "elimination takes the rule's points";
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[2][0], 0);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[0][1], 3.5f);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[1][1], 3.5f);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[2][1], 2);
}

TEST(ComputeChallengeScores, CounterGoesBelowZeroWithTooManyTeams) {
    ScoreSheet s = Heat(5, 1, 5, 0);
    s.iChallengeScoring = 3;
    for (int t = 0; t < 5; ++t) s.bChallengeTeam[t] = 1;
    SetGame(s, 0, {1, 2, 3, 4, 5});
    ComputeChallengeScores(s);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[3][0], 0);
    EXPECT_FLOAT_EQ(s.fChallengeGameScore[4][0], -1);
}

}  // namespace
}  // namespace zav
