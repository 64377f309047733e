#include "sheet/ResultEntry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "encoding/NumberText.h"

namespace zav {

namespace {
// The fields of the score and tie-break entries hold at most this many
// characters.
constexpr std::size_t kNumberFieldLength = 9;
}  // namespace

void SetNewSheetDefaults(ScoreSheet& s) {
    s.iGamesNr = 8;
    s.iTeamsNr = 4;
    s.iScoring = 4;
}

void ClearChallenge(ScoreSheet& s) {
    for (int t = 0; t < TeamsInUse(s); ++t) {
        s.bChallengeTeam[t] = false;
        s.fChallengePreviousScore[t] = 0;
    }
    s.sChallengeTitle.clear();
}

bool ChallengeTeamsIncoherent(const ScoreSheet& s) {
    int flagged = 0;
    for (int t = 0; t < TeamsInUse(s); ++t)
        if (s.bChallengeTeam[t]) ++flagged;
    return flagged > s.iChallengeScoring;
}

bool WarnIfChallengeIncoherent(const ScoreSheet& s, const Reporter& reporter) {
    if (!ChallengeTeamsIncoherent(s)) return false;
    reporter.Show(MessageIcon::Error, TextId::ChallengeIncoherent);
    return true;
}

void SetResultListPositions(ScoreSheet& s) {
    const int teams = TeamsInUse(s);
    s.iRetElimin = teams;
    s.iRetAbandon = teams + 1;
    s.iRetAbandonDef = teams + 2;
}

int ResultListPosition(const ScoreSheet& s, int code) {
    switch (code) {
        case kElimination: return s.iRetElimin;
        case kAbandon: return s.iRetAbandon;
        case kDefinitiveAbandon: return s.iRetAbandonDef;
        default: return code >= 1 && code <= TeamsInUse(s) ? code - 1 : -1;
    }
}

int ResultCodeAt(const ScoreSheet& s, int position) {
    if (position < 0) return kNoResult;
    if (position == s.iRetElimin) return kElimination;
    if (position == s.iRetAbandon) return kAbandon;
    if (position == s.iRetAbandonDef) return kDefinitiveAbandon;
    return position + 1;
}

int GameToPropose(const ScoreSheet& s) {
    const int games = GamesInUse(s);
    if (games == 0) return 0;
    return s.iGamesRunning >= 0 && s.iGamesRunning < games ? s.iGamesRunning : games - 1;
}

void ProposeFirstGameToComplete(ScoreSheet& s) {
    const int games = GamesInUse(s);
    const int teams = TeamsInUse(s);
    int g = 0;
    while (g < games &&
           std::all_of(s.iGamePlace, s.iGamePlace + teams,
                       [g](const int(&places)[kMaxGames]) { return places[g] != kNoResult; }))
        ++g;
    s.iGamesRunning = g;
}

void OnOtherGameChosen(ScoreSheet& s) {
    if (s.iGamesRunning > 0) --s.iGamesRunning;
}

void AfterGameResult(ScoreSheet& s) {
    if (s.iGamesRunning < s.iGamesNr) ++s.iGamesRunning;
}

void AfterTieBreak(ScoreSheet& s) {
    ++s.iGamesRunning;
}

TieBreakChoice TieBreakChoiceFor(const ScoreSheet& s, int t) {
    TieBreakChoice choice;
    const int teams = TeamsInUse(s);
    if (t < 0 || t >= teams) return choice;
    int others = 0;
    for (int u = 0; u < teams; ++u)
        if (u != t && s.iSetPlace[u] == s.iSetPlace[t]) ++others;
    if (others == 0) {
        for (int p = 1; p <= teams; ++p) choice.entries.push_back(p);
        const int own = s.iSetPlace[t] - 1;
        choice.selected = own >= 0 && own < teams ? own : -1;
        return choice;
    }
    choice.level = true;
    for (int p = s.iSetPlace[t]; p <= s.iSetPlace[t] + others; ++p) choice.entries.push_back(p);
    if (s.iTieBreakPlace[t] == 0) {
        choice.selected = 0;
    } else {
        // The stored position, when it is still one of those offered.
        const auto it =
            std::find(choice.entries.begin(), choice.entries.end(), s.iTieBreakPlace[t]);
        choice.selected =
            it == choice.entries.end() ? -1 : static_cast<int>(it - choice.entries.begin());
    }
    return choice;
}

std::string PreviousScoreText(float score) {
    if (score == 0) return "0";
    if (std::isfinite(score) && std::floor(score) == score) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%3.0f", static_cast<double>(score));
        return buffer;
    }
    return OneDecimal(score);
}

float PreviousScoreFromText(std::string_view text) {
    return LeadingFloat(text.substr(0, kNumberFieldLength));
}

int PlaceFromText(std::string_view text) {
    return LeadingInt(text.substr(0, kNumberFieldLength));
}

int ARefereeRows(const ScoreSheet& s) {
    return std::max(TeamsInUse(s), kMinStaffRows);
}

std::string TeamLabel(const ScoreSheet& s, int t) {
    if (t < 0 || t >= kMaxTeams || s.sTeamName[t].empty()) return std::string();
    if (s.sTeamColors[t].empty()) return s.sTeamName[t];
    return s.sTeamName[t] + "     (" + s.sTeamColors[t] + ")";
}

}  // namespace zav
