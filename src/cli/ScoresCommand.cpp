// zavscore-cli scores: the computed sheet as JSON, for publishing results.
#include <iostream>

#include "CliSupport.h"
#include "Json.h"
#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"

namespace zavcli {
namespace {

template <typename T, typename Format>
Json Array(const T* values, int count, Format format) {
    Json array = Json::array();
    for (int i = 0; i < count; ++i) array.push_back(format(values[i]));
    return array;
}

Json Int(int v) {
    return v;
}
// Flags as the numbers 0 and 1 that readers of this output have always had.
Json Flag(bool v) {
    return v ? 1 : 0;
}
Json Num(float v) {
    return JsonNumber(v);
}
Json Str(const std::string& v) {
    return v;
}

Json Team(const zav::ScoreSheet& s, int t) {
    const int games = zav::GamesInUse(s);
    Json team = {{"name", s.sTeamName[t]},
                 {"colors", s.sTeamColors[t]},
                 {"comment", s.sColSupContent[t]},
                 {"places", Array(s.iGamePlace[t], games, Int)},
                 {"blames", Array(s.bAvertissement[t], games, Flag)},
                 {"game_scores", Array(s.fGameScore[t], games, Num)},
                 {"heat_score", Num(s.fSetScore[t])},
                 {"heat_position", s.iSetPlace[t]},
                 {"tiebreak", s.iTieBreakPlace[t]},
                 {"previous", Num(s.fPreviousScore[t])},
                 {"total", Num(s.fTotalScore[t])},
                 {"challenge", nullptr}};
    if (s.iChallengeScoring != 0 && s.bChallengeTeam[t])
        team["challenge"] = {{"previous", Num(s.fChallengePreviousScore[t])},
                             {"game_scores", Array(s.fChallengeGameScore[t], games, Num)},
                             {"heat_score", Num(s.fChallengeSetScore[t])},
                             {"total", Num(s.fChallengeTotalScore[t])}};
    return team;
}

Json Sheet(const zav::ScoreSheet& s) {
    Json teams = Json::array();
    for (int t = 0; t < zav::TeamsInUse(s); ++t) teams.push_back(Team(s, t));
    return {{"title", s.sTitle},
            {"subtitle", s.sSubTitle},
            {"date", s.sDate},
            {"ampm", s.sAmPm},
            {"referee", s.sReferee},
            {"colsuptitle", s.sColSupTitle},
            {"challenge_title", s.sChallengeTitle},
            {"teams_nr", s.iTeamsNr},
            {"games_nr", s.iGamesNr},
            {"scoring", s.iScoring},
            {"elimination", s.iEliminationRule},
            {"challenge_scoring", s.iChallengeScoring},
            {"games", Array(s.sGame, zav::GamesInUse(s), Str)},
            {"teams", std::move(teams)}};
}

}  // namespace

int RunScores(const std::vector<std::string>& args) {
    auto run = ReadInvocation(FindCommand("scores"), args, 1, "expects one sheet file");
    if (!run) return kExitUsage;
    zav::ScoreSheet sheet;
    if (!zav::LoadSheet(sheet, run->File(0), run->Reporter())) return kExitFailure;
    zav::ComputeScores(sheet);
    if (sheet.iChallengeScoring != 0) zav::ComputeChallengeScores(sheet);

    std::cout << PrintJson(Sheet(sheet));
    return kExitOk;
}

}  // namespace zavcli
