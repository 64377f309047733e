#include "sheet/Scoring.h"

namespace zav {
namespace {

// Hands out the points P, P-1, ... in order of place value; teams sharing a
// place share the mean of the values they take. `counts` says which teams
// take part (all teams for the heat, the flagged ones for the 'Challenge').
template <typename Takes>
void AwardPlaces(ScoreSheet& s, int g, int firstPoints, float (*scores)[kMaxGames],
                 Takes takesPart) {
    const int teams = TeamsInUse(s);
    int points = firstPoints;
    for (int place = 1; place <= teams; ++place) {
        int count = 0;
        float sum = 0;
        for (int t = 0; t < teams; ++t) {
            if (s.iGamePlace[t][g] == place && takesPart(t)) {
                sum += static_cast<float>(points - count);
                ++count;
            }
        }
        if (count == 0) continue;
        const float share = count == 1 ? static_cast<float>(points) : sum / count;
        for (int t = 0; t < teams; ++t)
            if (s.iGamePlace[t][g] == place && takesPart(t)) scores[t][g] = share;
        points -= count;
    }
}

void RankHeat(ScoreSheet& s) {
    const int teams = TeamsInUse(s);
    float total = 0;
    for (int t = 0; t < teams; ++t) total += s.fSetScore[t];
    // Nobody has scored yet: the heat is not ranked, as in a sheet just read.
    if (total == 0.0f) {
        for (int& place : s.iSetPlace) place = 0;
        return;
    }

    bool ranked[kMaxTeams] = {};
    float previous = 9999.0f;
    int place = 0, run = 0;
    for (int n = 0; n < teams; ++n) {
        int best = -1;
        for (int t = 0; t < teams; ++t)
            if (!ranked[t] && (best < 0 || s.fSetScore[t] >= s.fSetScore[best])) best = t;
        if (s.fSetScore[best] == previous) {
            ++run;
        } else {
            place += run + 1;
            run = 0;
        }
        s.iSetPlace[best] = place;
        ranked[best] = true;
        previous = s.fSetScore[best];
    }
}

// A cell loses its points with its result (a cleared game, a team whose
// result was taken away): points come from the results alone, as when the
// sheet is read again from its file.
void ClearPoints(float (&scores)[kMaxTeams][kMaxGames]) {
    for (auto& team : scores)
        for (float& points : team) points = 0;
}

}  // namespace

void ComputeScores(ScoreSheet& s) {
    const int teams = TeamsInUse(s), games = GamesInUse(s);
    ClearPoints(s.fGameScore);
    for (int g = 0; g < games; ++g) {
        int eliminated = 0;
        for (int t = 0; t < teams; ++t) {
            if (s.iGamePlace[t][g] == kElimination) {
                ++eliminated;
                s.fGameScore[t][g] = static_cast<float>(s.iEliminationRule);
            }
        }
        const float lowest = static_cast<float>(s.iScoring - s.iTeamsNr + eliminated + 1);
        for (int t = 0; t < teams; ++t) {
            if (s.iGamePlace[t][g] == kAbandon) s.fGameScore[t][g] = lowest;
            if (s.iGamePlace[t][g] == kDefinitiveAbandon) s.fGameScore[t][g] = 0;
        }
        AwardPlaces(s, g, s.iScoring, s.fGameScore, [](int) { return true; });
    }
    for (int t = 0; t < teams; ++t) {
        float sum = 0;
        for (int g = 0; g < games; ++g) sum += s.fGameScore[t][g];
        s.fSetScore[t] = sum;
        s.fTotalScore[t] = s.fPreviousScore[t] + sum;
    }
    RankHeat(s);
}

void ComputeChallengeScores(ScoreSheet& s) {
    const int teams = TeamsInUse(s), games = GamesInUse(s);
    ClearPoints(s.fChallengeGameScore);
    for (int g = 0; g < games; ++g) {
        for (int t = 0; t < teams; ++t) {
            if (!s.bChallengeTeam[t]) continue;
            switch (s.iGamePlace[t][g]) {
                case kElimination:
                    s.fChallengeGameScore[t][g] = static_cast<float>(s.iEliminationRule);
                    break;
                case kAbandon: s.fChallengeGameScore[t][g] = 1; break;
                case kDefinitiveAbandon: s.fChallengeGameScore[t][g] = 0; break;
                default: break;
            }
        }
        AwardPlaces(s, g, s.iChallengeScoring, s.fChallengeGameScore,
                    [&s](int t) { return s.bChallengeTeam[t]; });
    }
    for (int t = 0; t < teams; ++t) {
        float sum = 0;
        for (int g = 0; g < games; ++g) sum += s.fChallengeGameScore[t][g];
        s.fChallengeSetScore[t] = sum;
        s.fChallengeTotalScore[t] = s.fChallengePreviousScore[t] + sum;
    }
}

}  // namespace zav
