// The one heat held in memory: inputs typed by the scorer, derived scores
// recomputed at every page build, and the identity of the file it came from.
#pragma once

#include <optional>
#include <string>

#include "history/HistoryEntry.h"
#include "texts/Texts.h"

namespace zav {

constexpr int kMaxTeams = 10;
constexpr int kMaxGames = 12;
constexpr int kStaffRows = 10;
// Staff lists have one row per team but at least this many, so a small heat
// still has room for the assistant referees.
constexpr int kMinStaffRows = 6;

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
    // The language of the catalogue game names in sGame; nothing before a
    // file or the dialogs have set them.
    std::optional<Language> languageSheet;
    // A blame mark is on the page last built: its footnote is shown.
    bool bFlagAvertissement = false;

    // Per game
    std::string sGame[kMaxGames];

    // Per team
    std::string sTeamName[kMaxTeams];
    std::string sTeamColors[kMaxTeams];
    bool bChallengeTeam[kMaxTeams] = {};
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
    bool bAvertissement[kMaxTeams][kMaxGames] = {};  // blamed in that game
    float fGameScore[kMaxTeams][kMaxGames] = {};
    float fChallengeGameScore[kMaxTeams][kMaxGames] = {};

    // The heat's results are provisional until the scorer makes them
    // official, at sOfficialAt (local time, "2024-06-01 14:32:05").
    bool bOfficial = false;
    std::string sOfficialAt;
    // Where each result came from, oldest first. Undo leaves it as it is and
    // adds the undo to it: the record never loses what happened.
    ResultHistory history;

    // Staff rows; row k belongs to team k by default
    std::string sARefereeName[kStaffRows];
    std::string sARefereeTeam[kStaffRows];
    std::string sPlaceurName[kStaffRows];

    // File identity
    std::string sFullFileName;
    std::string sFileName;
    std::string sFilePath;
    bool bScoreSet = false;  // a sheet of a set
    std::string sMScoreOpen;
    std::string sScoreSetFileName;
    std::string sMultiFileOpen;

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

// The fields that say which file the sheet belongs to, from one sheet to
// another: an earlier state of the heat put back stays in today's file.
void CopyFileIdentity(const ScoreSheet& from, ScoreSheet& to);

// iTeamsNr and iGamesNr bounded to the arrays: every loop over the sheet uses
// these, so a damaged count can never index past a row.
int TeamsInUse(const ScoreSheet& sheet);
int GamesInUse(const ScoreSheet& sheet);

// True when any team of the sheet has a result code in any game of the sheet.
bool HasAnyResult(const ScoreSheet& sheet);

}  // namespace zav
