// zavscore-cli scores: the computed sheet as JSON, for publishing results.
#include <iostream>
#include <sstream>

#include "CliSupport.h"
#include "Json.h"
#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"

namespace zavcli {
namespace {

template <typename T, typename Format>
std::string JsonArray(const T* values, int count, Format format) {
    std::string out = "[";
    for (int i = 0; i < count; ++i) {
        if (i) out += ", ";
        out += format(values[i]);
    }
    return out + "]";
}

std::string Int(int v) {
    return std::to_string(v);
}
// Flags as the numbers 0 and 1 that readers of this output have always had.
std::string Flag(bool v) {
    return v ? "1" : "0";
}
std::string Num(float v) {
    return JsonNumber(v);
}
std::string Str(const std::string& v) {
    return JsonString(v);
}

void WriteTeam(std::ostream& out, const zav::ScoreSheet& s, int t) {
    const int games = zav::GamesInUse(s);
    out << "    {\"name\": " << Str(s.sTeamName[t]) << ", \"colors\": " << Str(s.sTeamColors[t])
        << ", \"comment\": " << Str(s.sColSupContent[t])
        << ",\n     \"places\": " << JsonArray(s.iGamePlace[t], games, Int)
        << ", \"blames\": " << JsonArray(s.bAvertissement[t], games, Flag)
        << ",\n     \"game_scores\": " << JsonArray(s.fGameScore[t], games, Num)
        << ",\n     \"heat_score\": " << Num(s.fSetScore[t])
        << ", \"heat_position\": " << s.iSetPlace[t] << ", \"tiebreak\": " << s.iTieBreakPlace[t]
        << ", \"previous\": " << Num(s.fPreviousScore[t])
        << ", \"total\": " << Num(s.fTotalScore[t]) << ",\n     \"challenge\": ";
    if (s.iChallengeScoring == 0 || !s.bChallengeTeam[t]) {
        out << "null}";
        return;
    }
    out << "{\"previous\": " << Num(s.fChallengePreviousScore[t])
        << ", \"game_scores\": " << JsonArray(s.fChallengeGameScore[t], games, Num)
        << ", \"heat_score\": " << Num(s.fChallengeSetScore[t])
        << ", \"total\": " << Num(s.fChallengeTotalScore[t]) << "}}";
}

void WriteSheet(std::ostream& out, const zav::ScoreSheet& s) {
    out << "{\n  \"title\": " << Str(s.sTitle) << ",\n  \"subtitle\": " << Str(s.sSubTitle)
        << ",\n  \"date\": " << Str(s.sDate) << ",\n  \"ampm\": " << Str(s.sAmPm)
        << ",\n  \"referee\": " << Str(s.sReferee)
        << ",\n  \"colsuptitle\": " << Str(s.sColSupTitle)
        << ",\n  \"challenge_title\": " << Str(s.sChallengeTitle)
        << ",\n  \"teams_nr\": " << s.iTeamsNr << ",\n  \"games_nr\": " << s.iGamesNr
        << ",\n  \"scoring\": " << s.iScoring << ",\n  \"elimination\": " << s.iEliminationRule
        << ",\n  \"challenge_scoring\": " << s.iChallengeScoring
        << ",\n  \"games\": " << JsonArray(s.sGame, zav::GamesInUse(s), Str)
        << ",\n  \"teams\": [\n";
    const int teams = zav::TeamsInUse(s);
    for (int t = 0; t < teams; ++t) {
        WriteTeam(out, s, t);
        out << (t + 1 < teams ? ",\n" : "\n");
    }
    out << "  ]\n}\n";
}

}  // namespace

int RunScores(const std::vector<std::string>& args) {
    auto run = ReadInvocation(FindCommand("scores"), args, 1, "expects one sheet file");
    if (!run) return kExitUsage;
    zav::ScoreSheet sheet;
    if (!zav::LoadSheet(sheet, run->File(0), run->Reporter())) return kExitFailure;
    zav::ComputeScores(sheet);
    if (sheet.iChallengeScoring != 0) zav::ComputeChallengeScores(sheet);

    std::ostringstream out;
    WriteSheet(out, sheet);
    std::cout << out.str();
    return kExitOk;
}

}  // namespace zavcli
