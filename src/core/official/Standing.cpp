#include "official/Standing.h"

namespace zav {

bool RankingInputsDiffer(const ScoreSheet& a, const ScoreSheet& b) {
    if (a.iTeamsNr != b.iTeamsNr || a.iGamesNr != b.iGamesNr || a.iScoring != b.iScoring ||
        a.iEliminationRule != b.iEliminationRule || a.iChallengeScoring != b.iChallengeScoring)
        return true;
    for (int t = 0; t < TeamsInUse(a); ++t) {
        if (a.sTeamName[t] != b.sTeamName[t] || a.bChallengeTeam[t] != b.bChallengeTeam[t] ||
            a.fPreviousScore[t] != b.fPreviousScore[t] ||
            a.fChallengePreviousScore[t] != b.fChallengePreviousScore[t] ||
            a.iTieBreakPlace[t] != b.iTieBreakPlace[t])
            return true;
        for (int g = 0; g < GamesInUse(a); ++g)
            if (a.iGamePlace[t][g] != b.iGamePlace[t][g] ||
                a.bAvertissement[t][g] != b.bAvertissement[t][g])
                return true;
    }
    return false;
}

bool TouchesOfficialHeat(const ScoreSheet& before, const ScoreSheet& after) {
    return before.bOfficial && RankingInputsDiffer(before, after);
}

void MakeOfficial(ScoreSheet& sheet, const std::string& at) {
    sheet.bOfficial = true;
    sheet.sOfficialAt = at;
}

void MakeProvisional(ScoreSheet& sheet) {
    sheet.bOfficial = false;
    sheet.sOfficialAt.clear();
}

std::string OfficialMinute(const std::string& at) {
    return at.substr(0, 16);
}

std::string StandingText(const ScoreSheet& sheet, Language language) {
    if (!sheet.bOfficial) return Text(language, TextId::Provisional);
    return FormatText(Text(language, TextId::OfficialAt), OfficialMinute(sheet.sOfficialAt));
}

}  // namespace zav
