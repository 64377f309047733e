#include "arena/FinishLineResult.h"

#include "sheet/EntryKeys.h"
#include "sheet/ResultEntry.h"

namespace zav {
namespace {

// A number of one or two digits; -1 for anything else.
int SmallNumber(const std::string& text) {
    if (text.empty() || text.size() > 2) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The team (from 0) a field "t3" or "b3" names, or -1.
int TeamOfField(const std::string& name, char kind, int teams) {
    if (name.size() < 2 || name[0] != kind) return -1;
    const int number = SmallNumber(name.substr(1));
    return number >= 1 && number <= teams ? number - 1 : -1;
}

}  // namespace

std::optional<TextId> ReadResultForm(const ScoreSheet& original, const FormFields& fields,
                                     FinishLineResult& result) {
    ScoreSheet sheet = original;
    SetResultListPositions(sheet);
    const int teams = TeamsInUse(sheet);
    bool seenGame = false, seenTeam[kMaxTeams] = {}, seenBlame[kMaxTeams] = {};
    bool anyResult = false;
    for (const auto& [name, value] : fields) {
        if (name == "form" || name == "sheet" || name == "uid") continue;
        if (name == "game") {
            if (seenGame) return TextId::EntryBadForm;
            seenGame = true;
            const int game = SmallNumber(value);
            if (game < 1 || game > GamesInUse(sheet)) return TextId::EntryBadGame;
            result.game = game - 1;
        } else if (const int t = TeamOfField(name, 't', teams); t >= 0) {
            if (seenTeam[t]) return TextId::EntryBadForm;
            seenTeam[t] = true;
            if (value.empty()) {
                result.codes[t] = kNoResult;
                continue;
            }
            const int position = SmallNumber(value);
            // The list holds the places, then the three outcomes.
            if (position < 0 || position >= teams + 3) return TextId::EntryBadPlace;
            result.codes[t] = ResultCodeAt(sheet, position);
            anyResult = true;
        } else if (const int b = TeamOfField(name, 'b', teams); b >= 0) {
            if (seenBlame[b] || value != "1") return TextId::EntryBadForm;
            seenBlame[b] = true;
            result.blames[b] = true;
        } else {
            return TextId::EntryBadForm;
        }
    }
    if (!seenGame) return TextId::EntryBadForm;
    for (int t = 0; t < teams; ++t)
        if (!seenTeam[t]) return TextId::EntryBadForm;
    if (!anyResult) return TextId::EntryNoResult;
    return std::nullopt;
}

Conflict ConflictOf(const FinishLineResult& result, const ScoreSheet& sheet,
                    const std::vector<FinishLineResult>& waiting) {
    for (const FinishLineResult& other : waiting)
        if (other.id != result.id && other.sheetKey == result.sheetKey && other.game == result.game)
            return Conflict::SameGameWaiting;
    const int teams = TeamsInUse(sheet);
    for (int t = 0; t < teams; ++t)
        if (sheet.iGamePlace[t][result.game] != kNoResult) return Conflict::GameHasResult;
    return Conflict::None;
}

void ApplyResult(const FinishLineResult& result, ScoreSheet& sheet) {
    const int teams = TeamsInUse(sheet);
    if (result.game < 0 || result.game >= GamesInUse(sheet)) return;
    for (int t = 0; t < teams; ++t) {
        sheet.iGamePlace[t][result.game] = result.codes[t];
        sheet.bAvertissement[t][result.game] = result.blames[t];
    }
    // As the dialog opened on the proposed game and chosen this one.
    if (result.game != GameToPropose(sheet)) OnOtherGameChosen(sheet);
    AfterGameResult(sheet);
}

std::string DescribeResult(const FinishLineResult& result, const ScoreSheet& sheet,
                           Language language) {
    std::string line;
    const int teams = TeamsInUse(sheet);
    for (int t = 0; t < teams; ++t) {
        if (!line.empty()) line += ", ";
        line += sheet.sTeamName[t].empty()
                    ? FormatText(Text(language, TextId::TeamNumber), long(t + 1))
                    : sheet.sTeamName[t];
        line += ' ';
        line += ShortResult(result.codes[t], result.blames[t], language);
    }
    return line;
}

std::vector<std::string> ResultChoices(const ScoreSheet& sheet, Language language) {
    std::vector<std::string> choices;
    for (int p = 1; p <= TeamsInUse(sheet); ++p) choices.push_back(std::to_string(p));
    choices.push_back(
        FormatText(Text(language, TextId::EliminationEntry), long(sheet.iEliminationRule)));
    choices.push_back(Text(language, TextId::AbandonEntry));
    choices.push_back(Text(language, TextId::DefinitiveAbandonEntry));
    return choices;
}

}  // namespace zav
