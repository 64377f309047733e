// The comparison of the fields a sheet file stores.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sheet/ScoreSheet.h"

namespace zavtest {

// Every field the file stores, over the rows and columns in use.
inline void ExpectSameStoredFields(const zav::ScoreSheet& a, const zav::ScoreSheet& b) {
    EXPECT_EQ(a.sTitle, b.sTitle);
    EXPECT_EQ(a.sSubTitle, b.sSubTitle);
    EXPECT_EQ(a.sDate, b.sDate);
    EXPECT_EQ(a.sAmPm, b.sAmPm);
    EXPECT_EQ(a.sReferee, b.sReferee);
    EXPECT_EQ(a.iTeamsNr, b.iTeamsNr);
    EXPECT_EQ(a.iGamesNr, b.iGamesNr);
    EXPECT_EQ(a.iScoring, b.iScoring);
    EXPECT_EQ(a.iEliminationRule, b.iEliminationRule);
    EXPECT_EQ(a.iChallengeScoring, b.iChallengeScoring);
    EXPECT_EQ(a.sChallengeTitle, b.sChallengeTitle);
    EXPECT_EQ(a.sColSupTitle, b.sColSupTitle);
    EXPECT_EQ(a.bScoreSet, b.bScoreSet);
    const int teams = zav::TeamsInUse(a), games = zav::GamesInUse(a);
    for (int g = 0; g < games; ++g) EXPECT_EQ(a.sGame[g], b.sGame[g]) << "game " << g;
    for (int t = 0; t < teams; ++t) {
        SCOPED_TRACE("team " + std::to_string(t));
        EXPECT_EQ(a.sTeamName[t], b.sTeamName[t]);
        EXPECT_EQ(a.sTeamColors[t], b.sTeamColors[t]);
        EXPECT_EQ(a.sColSupContent[t], b.sColSupContent[t]);
        EXPECT_EQ(a.fPreviousScore[t], b.fPreviousScore[t]);
        EXPECT_EQ(a.bChallengeTeam[t], b.bChallengeTeam[t]);
        EXPECT_EQ(a.fChallengePreviousScore[t], b.fChallengePreviousScore[t]);
        EXPECT_EQ(a.iTieBreakPlace[t], b.iTieBreakPlace[t]);
        for (int g = 0; g < games; ++g) {
            EXPECT_EQ(a.iGamePlace[t][g], b.iGamePlace[t][g]) << "game " << g;
            EXPECT_EQ(a.bAvertissement[t][g], b.bAvertissement[t][g]) << "game " << g;
        }
        EXPECT_EQ(a.sPlaceurName[t], b.sPlaceurName[t]);
    }
    for (int k = 0; k < std::max(teams, 6); ++k) {
        EXPECT_EQ(a.sARefereeName[k], b.sARefereeName[k]) << "row " << k;
        EXPECT_EQ(a.sARefereeTeam[k], b.sARefereeTeam[k]) << "row " << k;
    }
}

}  // namespace zavtest
