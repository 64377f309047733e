#include "history/ResultHistory.h"

#include <algorithm>

#include "platform/NativeFile.h"

namespace zav {
namespace {

// Teams past a sheet's count have no result: a heat that lost or gained a
// team compares team by team all the same.
int CodeOf(const ScoreSheet& sheet, int t, int g) {
    return t < TeamsInUse(sheet) && g < GamesInUse(sheet) ? sheet.iGamePlace[t][g] : kNoResult;
}
bool BlameOf(const ScoreSheet& sheet, int t, int g) {
    return t < TeamsInUse(sheet) && g < GamesInUse(sheet) && sheet.bAvertissement[t][g];
}
int TieBreakOf(const ScoreSheet& sheet, int t) {
    return t < TeamsInUse(sheet) ? sheet.iTieBreakPlace[t] : 0;
}

bool GameDiffers(const ScoreSheet& a, const ScoreSheet& b, int g) {
    for (int t = 0; t < kMaxTeams; ++t)
        if (CodeOf(a, t, g) != CodeOf(b, t, g) || BlameOf(a, t, g) != BlameOf(b, t, g)) return true;
    return false;
}

bool TieBreaksDiffer(const ScoreSheet& a, const ScoreSheet& b) {
    for (int t = 0; t < kMaxTeams; ++t)
        if (TieBreakOf(a, t) != TieBreakOf(b, t)) return true;
    return false;
}

std::vector<TeamMark> TieBreakMarks(const ScoreSheet& sheet) {
    std::vector<TeamMark> marks;
    for (int t = 0; t < TeamsInUse(sheet); ++t)
        if (sheet.iTieBreakPlace[t] != 0)
            marks.push_back({t + 1, sheet.sTeamName[t], sheet.iTieBreakPlace[t], false});
    return marks;
}

HistoryEntry EntryOf(const ChangeSource& source, HistorySubject subject) {
    HistoryEntry entry;
    static_cast<ChangeSource&>(entry) = source;
    entry.subject = subject;
    return entry;
}

}  // namespace

std::vector<TeamMark> GameMarks(const ScoreSheet& sheet, int game) {
    std::vector<TeamMark> marks;
    for (int t = 0; t < TeamsInUse(sheet); ++t)
        if (CodeOf(sheet, t, game) != kNoResult || BlameOf(sheet, t, game))
            marks.push_back({t + 1, sheet.sTeamName[t], sheet.iGamePlace[t][game],
                             sheet.bAvertissement[t][game]});
    return marks;
}

void RecordChanges(const ScoreSheet& before, ScoreSheet& after, const ChangeSource& source) {
    ResultHistory& history = after.history;
    for (int g = 0; g < kMaxGames; ++g) {
        if (!GameDiffers(before, after, g)) continue;
        HistoryEntry entry = EntryOf(source, HistorySubject::Game);
        entry.game = g;
        entry.before = GameMarks(before, g);
        entry.after = GameMarks(after, g);
        history.push_back(std::move(entry));
    }
    if (TieBreaksDiffer(before, after)) {
        HistoryEntry entry = EntryOf(source, HistorySubject::TieBreak);
        entry.before = TieBreakMarks(before);
        entry.after = TieBreakMarks(after);
        history.push_back(std::move(entry));
    }
    if (before.bOfficial != after.bOfficial) {
        HistoryEntry entry = EntryOf(source, HistorySubject::Standing);
        entry.official = after.bOfficial;
        history.push_back(std::move(entry));
    }
    if (history.size() > kMostHistoryEntries)
        history.erase(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(
                                                             history.size() - kMostHistoryEntries));
}

std::string LocalTimestamp(std::time_t time) {
    std::tm local{};
    char text[32] = {};
    if (!LocalTime(time, local)) return "";
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local));
}

}  // namespace zav
