#include "history/HistoryText.h"

#include "history/ResultHistory.h"
#include "sheet/EntryKeys.h"

namespace zav {
namespace {

std::string Filled(Language language, TextId id, const std::string& value) {
    return FormatText(Text(language, id), value.empty() ? std::string("?") : value);
}

// "Alpha 1, Bravo E*"; "no result" for none.
std::string MarksText(const std::vector<TeamMark>& marks, bool tieBreak, Language language) {
    if (marks.empty()) return Text(language, TextId::HistoryNoResult);
    std::string text;
    for (const TeamMark& mark : marks) {
        if (!text.empty()) text += ", ";
        text += mark.team.empty()
                    ? FormatText(Text(language, TextId::TeamNumber), long(mark.number))
                    : mark.team;
        text += ' ';
        text += tieBreak ? std::to_string(mark.code) : ShortResult(mark.code, mark.blame, language);
    }
    return text;
}

std::string OriginText(const HistoryEntry& entry, Language language) {
    switch (entry.origin) {
        case HistoryOrigin::Window:
            // Nothing is typed to make a heat official: the scorer decided.
            if (entry.subject == HistorySubject::Standing)
                return Filled(language, TextId::HistoryBy, entry.by);
            return Filled(language, TextId::HistoryTyped, entry.by) + " (" + entry.step + ")";
        case HistoryOrigin::FinishLine: {
            std::string text = Filled(language, TextId::HistoryFromJudge, entry.judge) + ", " +
                               Filled(language, TextId::HistoryPhone, entry.phone) + ", " +
                               Filled(language, TextId::HistorySentAt, entry.sentAt) + ", " +
                               Filled(language, TextId::HistoryAcceptedBy, entry.by);
            if (entry.edited)
                text += "; " + FormatText(Text(language, TextId::HistoryJudgeSent),
                                          MarksText(entry.sent, false, language));
            return text;
        }
        case HistoryOrigin::Undo:
            return Filled(language, TextId::HistoryUndone, entry.step) + " " +
                   Filled(language, TextId::HistoryBy, entry.by);
        case HistoryOrigin::Redo:
            return Filled(language, TextId::HistoryRedone, entry.step) + " " +
                   Filled(language, TextId::HistoryBy, entry.by);
    }
    return std::string();
}

std::string ChangeText(const HistoryEntry& entry, Language language) {
    const bool tieBreak = entry.subject == HistorySubject::TieBreak;
    switch (entry.subject) {
        case HistorySubject::Standing:
            return Text(language,
                        entry.official ? TextId::StepMakeOfficial : TextId::HistoryProvisional);
        case HistorySubject::TieBreak:
        case HistorySubject::Game: {
            std::string text = MarksText(entry.after, tieBreak, language);
            if (tieBreak) text = FormatText(Text(language, TextId::HistoryTieBreak), text);
            return text + " (" +
                   FormatText(Text(language, TextId::HistoryBefore),
                              MarksText(entry.before, tieBreak, language)) +
                   ")";
        }
    }
    return std::string();
}

}  // namespace

std::string DescribeEntry(const HistoryEntry& entry, Language language) {
    return entry.at + "  " + ChangeText(entry, language) + "; " + OriginText(entry, language);
}

std::vector<std::string> GameHistoryLines(const ScoreSheet& sheet, int game, Language language,
                                          WithStanding standing) {
    std::vector<std::string> lines;
    const HistoryEntry* first = nullptr;
    for (const HistoryEntry& entry : sheet.history) {
        if (entry.subject == HistorySubject::Game && entry.game == game) {
            first = &entry;
            break;
        }
    }
    const std::vector<TeamMark> unexplained = first ? first->before : GameMarks(sheet, game);
    if (!unexplained.empty())
        lines.push_back(FormatText(Text(language, TextId::HistoryUnrecorded),
                                   MarksText(unexplained, false, language)));
    for (const HistoryEntry& entry : sheet.history)
        if ((entry.subject == HistorySubject::Game && entry.game == game) ||
            (entry.subject == HistorySubject::Standing && standing == WithStanding::Yes))
            lines.push_back(DescribeEntry(entry, language));
    return lines;
}

std::vector<std::string> HeatHistoryLines(const ScoreSheet& sheet, Language language) {
    std::vector<std::string> lines;
    for (const HistoryEntry& entry : sheet.history)
        if (entry.subject != HistorySubject::Game) lines.push_back(DescribeEntry(entry, language));
    return lines;
}

}  // namespace zav
