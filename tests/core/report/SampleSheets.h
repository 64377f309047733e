// Heats for the page tests and the page benchmark, built in code so every
// field a page shows is chosen on purpose.
#pragma once

#include <string>

#include "report/PageStyle.h"
#include "sheet/GameCatalogue.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zavtest {

// A style with every colour set and no logo.
inline zav::PageStyle ColourStyle() {
    zav::PageStyle style;
    style.headFont = "#000080";
    style.titleBkg = "#DDDDFF";
    style.bkgLine1 = "#FFFFFF";
    style.bkgLine2 = "#EEEEEE";
    return style;
}

// Four teams, six games, nothing optional: no previous score, tie-break,
// add-on column, 'Challenge' or blame. Games 1 to 3 run, 4 to 6 not yet.
inline zav::ScoreSheet SmallSheet(zav::Language language = zav::Language::English) {
    zav::ScoreSheet s;
    s.sTitle = "Regional championship";
    s.sSubTitle = "Open - heat 1";
    s.sDate = "12/05/2026";
    s.sAmPm = "AM";
    s.sReferee = "J. Martin";
    s.iTeamsNr = 4;
    s.iGamesNr = 6;
    s.iScoring = 4;
    s.iEliminationRule = 0;
    s.languageSheet = language;
    const char* names[] = {"Alpha", "Bravo", "Charlie", "Delta"};
    const char* colours[] = {"red", "blue", "green", ""};
    for (int t = 0; t < 4; ++t) {
        s.sTeamName[t] = names[t];
        s.sTeamColors[t] = colours[t];
    }
    for (int g = 0; g < 6; ++g) s.sGame[g] = zav::Text(language, zav::CatalogueGame(3 * g));
    // Game 1: Alpha 1, Bravo and Charlie share 2, Delta eliminated.
    // Game 2: Alpha abandons, Bravo 1, Charlie 2, Delta 3.
    // Game 3: plain order.
    const int places[4][3] = {{1, -1, 1}, {2, 1, 2}, {2, 2, 3}, {-2, 3, 4}};
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 3; ++g) s.iGamePlace[t][g] = places[t][g];
    return s;
}

// The fullest page there is: 10 teams, 12 games all run, previous scores,
// tie-breaks, the add-on column, blames, a 'Challenge' of 6 teams with its own
// previous scores, and names that need escaping or leave the code page.
inline zav::ScoreSheet FullSheet(zav::Language language = zav::Language::English) {
    zav::ScoreSheet s;
    s.sTitle = "Nations cup <semi-final>";
    s.sSubTitle = "Seniors & juniors";
    s.sDate = "14/06/2026";
    s.sAmPm = "PM";
    s.sReferee = "Zoë Łukasz";
    s.iTeamsNr = 10;
    s.iGamesNr = 12;
    s.iScoring = 10;
    s.iEliminationRule = 0;
    s.iChallengeScoring = 6;
    s.sChallengeTitle = "Challenge 'Young riders'";
    s.sColSupTitle = "Vet check";
    s.languageSheet = language;
    const char* names[] = {"Great Britain", "France", "Ireland", "Germany", "Belgium",
                           "Sweden",        "Italy",  "Denmark", "Norway",  "Smith & Sons"};
    const char* colours[] = {"red/white",   "blue",        "green", "black", "yellow",
                             "blue/yellow", "green/white", "red",   "navy",  "grey"};
    for (int t = 0; t < 10; ++t) {
        s.sTeamName[t] = names[t];
        s.sTeamColors[t] = colours[t];
    }
    for (int t : {0, 2, 4, 5, 6, 9}) s.bChallengeTeam[t] = 1;
    for (int g = 0; g < 12; ++g) s.sGame[g] = zav::Text(language, zav::CatalogueGame(2 * g));
    s.sGame[11] = "Relay <local>";  // not a catalogue game

    // Each game a rotation of the order, with a shared place, an elimination
    // and an abandon on alternate games.
    for (int g = 0; g < 12; ++g) {
        for (int t = 0; t < 10; ++t) s.iGamePlace[t][g] = (t + g) % 10 + 1;
        if (g % 2 == 0) {
            const int a = (10 - g % 10) % 10, b = (11 - g % 10) % 10;  // places 1 and 2
            s.iGamePlace[b][g] = s.iGamePlace[a][g];
        } else {
            s.iGamePlace[(g + 3) % 10][g] = zav::kElimination;
            s.iGamePlace[(g + 5) % 10][g] = zav::kAbandon;
        }
    }
    s.iGamePlace[7][11] = zav::kDefinitiveAbandon;
    s.bAvertissement[3][2] = 1;
    s.bAvertissement[6][7] = 1;

    const float previous[] = {42, 38.5f, 40, 31, 0, 29, 35.5f, 22, 18, 0.5f};
    const float challengePrevious[] = {12, 0, 9.5f, 0, 7, 6, 0, 0, 0, 4};
    for (int t = 0; t < 10; ++t) {
        s.fPreviousScore[t] = previous[t];
        s.fChallengePreviousScore[t] = challengePrevious[t];
        s.sColSupContent[t] = t % 3 == 0 ? "OK" : "";
    }
    s.iTieBreakPlace[2] = 1;
    s.iTieBreakPlace[3] = 2;
    return s;
}

// A sheet of the given size with staff names in every row.
inline zav::ScoreSheet StaffSheet(int teams) {
    zav::ScoreSheet s = SmallSheet();
    s.iTeamsNr = teams;
    for (int k = 0; k < zav::kStaffRows; ++k) {
        s.sTeamName[k] = "Team " + std::to_string(k + 1);
        s.sARefereeTeam[k] = "Group " + std::to_string(k + 1);
        s.sARefereeName[k] = "Referee " + std::to_string(k + 1);
        s.sPlaceurName[k] = "Placeur " + std::to_string(k + 1);
    }
    return s;
}

}  // namespace zavtest
