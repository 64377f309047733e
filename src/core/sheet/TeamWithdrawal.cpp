#include "sheet/TeamWithdrawal.h"

namespace zav {

void WithdrawTeam(ScoreSheet& s, int d) {
    const int teams = TeamsInUse(s), games = GamesInUse(s);
    if (d < 0 || d >= teams) return;
    for (int i = d; i + 1 < teams; ++i) {
        const int n = i + 1;
        s.sTeamName[i] = s.sTeamName[n];
        s.bChallengeTeam[i] = s.bChallengeTeam[n];
        s.sTeamColors[i] = s.sTeamColors[n];
        s.fPreviousScore[i] = s.fPreviousScore[n];
        s.fChallengePreviousScore[i] = s.fChallengePreviousScore[n];
        for (int g = 0; g < games; ++g) {
            s.bAvertissement[i][g] = s.bAvertissement[n][g];
            s.iGamePlace[i][g] = s.iGamePlace[n][g];
        }
        s.iTieBreakPlace[i] = s.iTieBreakPlace[n];
        s.sColSupContent[i] = s.sColSupContent[n];
    }
    // Every staff row moves, also those past the last team (the assistant
    // referees have at least six rows): a row left behind would be listed
    // twice, once moved up and once where it was.
    for (int k = d; k + 1 < kStaffRows; ++k) {
        s.sARefereeName[k] = s.sARefereeName[k + 1];
        s.sARefereeTeam[k] = s.sARefereeTeam[k + 1];
        s.sPlaceurName[k] = s.sPlaceurName[k + 1];
    }
    s.sARefereeName[kStaffRows - 1].clear();
    s.sARefereeTeam[kStaffRows - 1].clear();
    s.sPlaceurName[kStaffRows - 1].clear();
    s.iTeamsNr = teams - 1;
    s.iScoring -= 1;
}

}  // namespace zav
