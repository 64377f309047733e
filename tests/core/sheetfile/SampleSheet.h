// A full sheet: 10 teams, 12 games, 'Challenge', blames, tie-breaks, staff,
// texts outside ASCII (all within Windows-1252).
#pragma once

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
        s.sGame[g] = zav::Text(zav::Language::French, zav::CatalogueGame(3 * g));
    for (int t = 0; t < zav::kMaxTeams; ++t) {
        const std::string n = std::to_string(t + 1);
        s.sTeamName[t] = "Écurie des Étangs " + n;
        s.sTeamColors[t] = "rouge/blanc " + n;
        s.sColSupContent[t] = t % 2 ? "Junior" : "Open";
        s.fPreviousScore[t] = 10.5f * t;
        s.bChallengeTeam[t] = t < 4;
        s.fChallengePreviousScore[t] = t < 4 ? 2.5f * t : 0.0f;
        s.iTieBreakPlace[t] = t == 2 ? 1 : (t == 3 ? 2 : 0);
        for (int g = 0; g < zav::kMaxGames; ++g) {
            s.iGamePlace[t][g] = (t + g) % 13 - 3;  // every code from -3 to 9
            s.bAvertissement[t][g] = (t * g) % 7 == 1 ? 1 : 0;
        }
        s.sARefereeName[t] = "Arbitre " + n;
        s.sARefereeTeam[t] = "Club " + n;
        s.sPlaceurName[t] = "Placeur " + n;
    }
    return s;
}

}  // namespace zavtest
