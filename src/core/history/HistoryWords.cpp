#include "history/HistoryWords.h"

#include <utility>

namespace zav {
namespace {

constexpr std::pair<HistoryOrigin, std::string_view> kOrigins[] = {
    {HistoryOrigin::Window, "window"},
    {HistoryOrigin::FinishLine, "finish_line"},
    {HistoryOrigin::Undo, "undo"},
    {HistoryOrigin::Redo, "redo"},
};

struct About {
    HistorySubject subject;
    bool official;  // for a standing only
    std::string_view word;
};
constexpr About kAbouts[] = {
    {HistorySubject::Game, false, "game"},
    {HistorySubject::TieBreak, false, "tiebreak"},
    {HistorySubject::Standing, true, "official"},
    {HistorySubject::Standing, false, "provisional"},
};

}  // namespace

std::string_view OriginWord(HistoryOrigin origin) {
    for (const auto& [known, word] : kOrigins)
        if (known == origin) return word;
    return kOrigins[0].second;
}

std::optional<HistoryOrigin> OriginOfWord(std::string_view word) {
    for (const auto& [origin, known] : kOrigins)
        if (known == word) return origin;
    return std::nullopt;
}

std::string_view AboutWord(const HistoryEntry& entry) {
    for (const About& about : kAbouts)
        if (about.subject == entry.subject &&
            (entry.subject != HistorySubject::Standing || about.official == entry.official))
            return about.word;
    return kAbouts[0].word;
}

bool ReadAboutWord(std::string_view word, HistoryEntry& entry) {
    for (const About& about : kAbouts) {
        if (about.word != word) continue;
        entry.subject = about.subject;
        entry.official = about.official;
        return true;
    }
    return false;
}

}  // namespace zav
