#include "sheet/ScoreSheet.h"

#include <algorithm>

namespace zav {

void SetDataToZero(ScoreSheet& s) {
    s.sFullFileName.clear();
    s.sFileName.clear();
    s.bScoreSet = false;

    s.sTitle.clear();
    s.sSubTitle.clear();
    s.sDate.clear();
    s.sAmPm.clear();
    s.sReferee.clear();
    s.iTeamsNr = 0;
    s.iGamesNr = 0;
    s.iGamesRunning = 0;
    s.iScoring = 0;
    s.bFlagAvertissement = false;
    s.sColSupTitle.clear();
    s.iChallengeScoring = 0;
    s.sChallengeTitle.clear();
    s.bOfficial = false;
    s.sOfficialAt.clear();
    s.history.clear();

    for (int t = 0; t < kMaxTeams; ++t) {
        s.sTeamName[t].clear();
        s.sTeamColors[t].clear();
        s.sColSupContent[t].clear();
        s.sARefereeName[t].clear();
        s.sARefereeTeam[t].clear();
        s.sPlaceurName[t].clear();
        s.bChallengeTeam[t] = false;
        s.fPreviousScore[t] = 0;
        s.fChallengePreviousScore[t] = 0;
        s.fSetScore[t] = 0;
        s.fChallengeSetScore[t] = 0;
        s.iSetPlace[t] = 0;
        s.iTieBreakPlace[t] = 0;
        s.fTotalScore[t] = 0;
        s.fChallengeTotalScore[t] = 0;
    }
    for (auto& game : s.sGame) game.clear();
    for (int t = 0; t < kMaxTeams; ++t) {
        for (int g = 0; g < kMaxGames; ++g) {
            s.fGameScore[t][g] = 0;
            s.fChallengeGameScore[t][g] = 0;
            s.iGamePlace[t][g] = 0;
            s.bAvertissement[t][g] = false;
        }
    }
}

void CopyFileIdentity(const ScoreSheet& from, ScoreSheet& to) {
    to.sFullFileName = from.sFullFileName;
    to.sFileName = from.sFileName;
    to.sFilePath = from.sFilePath;
    to.bScoreSet = from.bScoreSet;
    to.sMScoreOpen = from.sMScoreOpen;
    to.sScoreSetFileName = from.sScoreSetFileName;
    to.sMultiFileOpen = from.sMultiFileOpen;
}

int TeamsInUse(const ScoreSheet& s) {
    return std::clamp(s.iTeamsNr, 0, kMaxTeams);
}
int GamesInUse(const ScoreSheet& s) {
    return std::clamp(s.iGamesNr, 0, kMaxGames);
}

bool HasAnyResult(const ScoreSheet& s) {
    const int teams = TeamsInUse(s), games = GamesInUse(s);
    for (int t = 0; t < teams; ++t)
        for (int g = 0; g < games; ++g)
            if (s.iGamePlace[t][g] != kNoResult) return true;
    return false;
}

}  // namespace zav
