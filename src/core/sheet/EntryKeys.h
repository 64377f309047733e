// What a key means in the lists of the result dialogs, so that a scorer
// enters a game with one key per team: a place's number (two digits for
// 10), a letter for each special outcome, Space for a blame. The dialogs keep the
// digits typed into the focused list and act on the meaning.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

enum class KeyMeaning {
    None,    // the key means nothing here
    Choose,  // select `entry`; the list is done, move on
    Wait,    // select `entry`; a further digit may make a longer number
    PassOn,  // the number typed so far stands: move on, the key is for the next list
    Blame,   // the team's blame on or off
    Clear,   // no result for the team
};

struct EntryKey {
    KeyMeaning meaning = KeyMeaning::None;
    int entry = -1;
};

// A digit typed into a list of numbers (places, positions, game numbers)
// after the digits `typed` of the same list. "1" then "0" is 10; "0" alone
// is 10 in a list that has no 0.
EntryKey NumberKey(const std::vector<int>& numbers, std::string_view typed, char32_t key);

// The keys of the special outcomes in `language`, in list order
// (elimination, abandon, definitive abandon): small letters, one each.
const std::string& OutcomeKeys(Language language);

// A team's result in a game as one short mark: its place, its outcome's key
// as a capital ("E" for an elimination in English), "-" for none; "*" after
// it when blamed.
std::string ShortResult(int code, bool blame, Language language);

// A key typed into a team's result list (places 1..iTeamsNr, then the three
// outcomes): digits as NumberKey, the language's outcome letters in either
// case, Space the blame, Backspace or Delete (`key` 8 or 127) no result.
EntryKey ResultKey(const ScoreSheet& sheet, Language language, std::string_view typed,
                   char32_t key);

}  // namespace zav
