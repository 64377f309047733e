#include "sheet/EntryKeys.h"

namespace zav {

EntryKey NumberKey(const std::vector<int>& numbers, std::string_view typed, char32_t key) {
    if (key < '0' || key > '9') return {};
    const std::string candidate = std::string(typed) + static_cast<char>(key);
    int exact = -1;
    int firstLonger = -1;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string text = std::to_string(numbers[i]);
        if (text == candidate)
            exact = static_cast<int>(i);
        else if (firstLonger < 0 && text.compare(0, candidate.size(), candidate) == 0)
            firstLonger = static_cast<int>(i);
    }
    if (exact >= 0) return {firstLonger >= 0 ? KeyMeaning::Wait : KeyMeaning::Choose, exact};
    if (firstLonger >= 0) return {KeyMeaning::Wait, firstLonger};
    if (!typed.empty()) return {KeyMeaning::PassOn, -1};
    if (key == '0')
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (numbers[i] == 10) return {KeyMeaning::Choose, static_cast<int>(i)};
    return {};
}

const std::string& OutcomeKeys(Language language) {
    return Text(language, TextId::OutcomeKeys);
}

std::string ShortResult(int code, bool blame, Language language) {
    std::string mark;
    if (code > 0) {
        mark = std::to_string(code);
    } else if (code == kNoResult) {
        mark = "-";
    } else {
        const int index = code == kElimination ? 0 : code == kAbandon ? 1 : 2;
        mark = std::string(1, static_cast<char>(OutcomeKeys(language)[index] - 'a' + 'A'));
    }
    if (blame) mark += '*';
    return mark;
}

EntryKey ResultKey(const ScoreSheet& sheet, Language language, std::string_view typed,
                   char32_t key) {
    const int teams = TeamsInUse(sheet);
    if (key >= '0' && key <= '9') {
        std::vector<int> places;
        for (int p = 1; p <= teams; ++p) places.push_back(p);
        return NumberKey(places, typed, key);
    }
    if (key == ' ') return {KeyMeaning::Blame, -1};
    if (key == 8 || key == 127) return {KeyMeaning::Clear, -1};
    const char32_t small = key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
    const auto outcome =
        small < 0x80 ? OutcomeKeys(language).find(static_cast<char>(small)) : std::string::npos;
    if (outcome == std::string::npos) return {};
    if (!typed.empty()) return {KeyMeaning::PassOn, -1};
    return {KeyMeaning::Choose, teams + static_cast<int>(outcome)};
}

}  // namespace zav
