// The one heat held in memory: inputs typed by the scorer, derived scores
// recomputed at every page build, and the identity of the file it came from.
#pragma once

#include <string>

namespace zav {

constexpr int kMaxTeams = 10;
constexpr int kMaxGames = 12;
constexpr int kStaffRows = 10;

// Result codes held in iGamePlace; 1..iTeamsNr are finishing places.
constexpr int kNoResult = 0;
constexpr int kAbandon = -1;
constexpr int kElimination = -2;
constexpr int kDefinitiveAbandon = -3;

struct ScoreSheet {
    // Heat header
    std::string sTitle;
    std::string sSubTitle;
    std::string sDate;
    std::string sAmPm;
    std::string sReferee;
    int iTeamsNr = 0;
    int iGamesNr = 0;
    int iScoring = 0;
    int iEliminationRule = 0;
    int iChallengeScoring = 0;
    std::string sChallengeTitle;
    std::string sColSupTitle;
    int iGamesRunning = 0;
    int wxLanguageSheet = 0;
    int iFlagAvertissement = 0;

    // Per game
    std::string sGame[kMaxGames];

    // Per team
    std::string sTeamName[kMaxTeams];
    std::string sTeamColors[kMaxTeams];
    int iChallengeTeam[kMaxTeams] = {};
    float fPreviousScore[kMaxTeams] = {};
    float fPreviousScoreSave[kMaxTeams] = {};
    float fChallengePreviousScore[kMaxTeams] = {};
    float fChallengePreviousScoreSave[kMaxTeams] = {};
    float fSetScore[kMaxTeams] = {};
    int iSetPlace[kMaxTeams] = {};
    int iTieBreakPlace[kMaxTeams] = {};
    float fTotalScore[kMaxTeams] = {};
    float fChallengeSetScore[kMaxTeams] = {};
    float fChallengeTotalScore[kMaxTeams] = {};
    std::string sColSupContent[kMaxTeams];

    // Per team and game, [team][game]
    int iGamePlace[kMaxTeams][kMaxGames] = {};
    int iAvertissement[kMaxTeams][kMaxGames] = {};
    float fGameScore[kMaxTeams][kMaxGames] = {};
    float fChallengeGameScore[kMaxTeams][kMaxGames] = {};

    // Staff rows; row k belongs to team k by default
    std::string sARefereeName[kStaffRows];
    std::string sARefereeTeam[kStaffRows];
    std::string sPlaceurName[kStaffRows];

    // File identity
    std::string wxsFullFileName;
    std::string wxsFileName;
    std::string wxsFilePath;
    int iScoreSet = 0;
    std::string wxsMScoreOpen;
    std::string wxsScoreSetFileName;
    std::string wxsMultiFileOpen;

    // Game result dialog list positions of the special entries (never saved)
    int iRetElimin = 0;
    int iRetAbandon = 0;
    int iRetAbandonDef = 0;
};

// The record part of the reset: everything a new or freshly read sheet must
// not inherit. Leaves the elimination rule, the file language, the save copies
// of previous scores, the folder and set identity and the dialog positions, so
// that set sheets and open dialogs keep their context. The window clears its
// page, state and view choices itself.
void SetDataToZero(ScoreSheet& sheet);

// iTeamsNr and iGamesNr bounded to the arrays: every loop over the sheet uses
// these, so a damaged count can never index past a row.
int TeamsInUse(const ScoreSheet& sheet);
int GamesInUse(const ScoreSheet& sheet);

// True when any team of the sheet has a result code in any game of the sheet.
bool HasAnyResult(const ScoreSheet& sheet);

}  // namespace zav
