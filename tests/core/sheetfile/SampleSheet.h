// A full sheet (10 teams, 12 games, 'Challenge', blames, tie-breaks, staff,
// texts outside ASCII) and the comparison of the fields a sheet file stores.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "sheet/GameCatalogue.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zavtest {

inline zav::ScoreSheet FullSampleSheet() {
    zav::ScoreSheet s;
    s.sTitle = "Championnat régional — Manche 2";
    s.sSubTitle = "Open & Juniors";
    s.sDate = "14/09/2024";
    s.sAmPm = "PM";
    s.sReferee = "Hélène Müller";
    s.iTeamsNr = zav::kMaxTeams;
    s.iGamesNr = zav::kMaxGames;
    s.iScoring = 11;
    s.iEliminationRule = 1;
    s.iChallengeScoring = 4;
    s.sChallengeTitle = "Challenge des clubs";
    s.sColSupTitle = "Catégorie";
    for (int g = 0; g < zav::kMaxGames; ++g)
        s.sGame[g] = zav::Text(zav::kLangFrench, zav::kFirstCatalogueGame + 3 * g);
    for (int t = 0; t < zav::kMaxTeams; ++t) {
        const std::string n = std::to_string(t + 1);
        s.sTeamName[t] = "Écurie des Étangs " + n;
        s.sTeamColors[t] = "rouge/blanc " + n;
        s.sColSupContent[t] = t % 2 ? "Junior" : "Open";
        s.fPreviousScore[t] = 10.5f * t;
        s.iChallengeTeam[t] = t < 4 ? 1 : 0;
        s.fChallengePreviousScore[t] = t < 4 ? 2.5f * t : 0.0f;
        s.iTieBreakPlace[t] = t == 2 ? 1 : (t == 3 ? 2 : 0);
        for (int g = 0; g < zav::kMaxGames; ++g) {
            s.iGamePlace[t][g] = (t + g) % 13 - 3;  // every code from -3 to 9
            s.iAvertissement[t][g] = (t * g) % 7 == 1 ? 1 : 0;
        }
        s.sARefereeName[t] = "Arbitre " + n;
        s.sARefereeTeam[t] = "Club " + n;
        s.sPlaceurName[t] = "Placeur " + n;
    }
    return s;
}

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
    EXPECT_EQ(a.iScoreSet, b.iScoreSet);
    const int teams = zav::TeamsInUse(a), games = zav::GamesInUse(a);
    for (int g = 0; g < games; ++g) EXPECT_EQ(a.sGame[g], b.sGame[g]) << "game " << g;
    for (int t = 0; t < teams; ++t) {
        SCOPED_TRACE("team " + std::to_string(t));
        EXPECT_EQ(a.sTeamName[t], b.sTeamName[t]);
        EXPECT_EQ(a.sTeamColors[t], b.sTeamColors[t]);
        EXPECT_EQ(a.sColSupContent[t], b.sColSupContent[t]);
        EXPECT_EQ(a.fPreviousScore[t], b.fPreviousScore[t]);
        EXPECT_EQ(a.iChallengeTeam[t], b.iChallengeTeam[t]);
        EXPECT_EQ(a.fChallengePreviousScore[t], b.fChallengePreviousScore[t]);
        EXPECT_EQ(a.iTieBreakPlace[t], b.iTieBreakPlace[t]);
        for (int g = 0; g < games; ++g) {
            EXPECT_EQ(a.iGamePlace[t][g], b.iGamePlace[t][g]) << "game " << g;
            EXPECT_EQ(a.iAvertissement[t][g], b.iAvertissement[t][g]) << "game " << g;
        }
        EXPECT_EQ(a.sPlaceurName[t], b.sPlaceurName[t]);
    }
    for (int k = 0; k < std::max(teams, 6); ++k) {
        EXPECT_EQ(a.sARefereeName[k], b.sARefereeName[k]) << "row " << k;
        EXPECT_EQ(a.sARefereeTeam[k], b.sARefereeTeam[k]) << "row " << k;
    }
}

}  // namespace zavtest
