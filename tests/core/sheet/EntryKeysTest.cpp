#include <gtest/gtest.h>

#include "sheet/EntryKeys.h"

namespace zav {
namespace {

constexpr KeyMeaning C = KeyMeaning::Choose, W = KeyMeaning::Wait, P = KeyMeaning::PassOn,
                     N = KeyMeaning::None;

TEST(EntryKeys, DigitsMakeNumbersOfOneOrTwoDigits) {
    const std::vector<int> places = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<int> sixPlaces = {1, 2, 3, 4, 5, 6};
    const std::vector<int> games = {4, 5, 6, 7, 8, 9, 10, 11, 12};
    const std::vector<int> challenge = {0, 1, 2, 3};
    const struct {
        const std::vector<int>& numbers;
        const char* typed;
        char32_t key;
        KeyMeaning meaning;
        int entry;
    } cases[] = {
        {sixPlaces, "", '3', C, 2},  // one key per place up to 9 teams
        {sixPlaces, "", '7', N, -1},
        {sixPlaces, "", '0', N, -1},
        {places, "", '1', W, 0},  // 1, or the start of 10
        {places, "1", '0', C, 9},
        {places, "1", '3', P, -1},  // 1 stands, 3 is for the next list
        {places, "", '0', C, 9},    // 0 alone is 10
        {places, "", 'a', N, -1},
        {games, "", '1', W, 6},  // no game 1: 10 shown until the next digit
        {games, "1", '2', C, 8},
        {challenge, "", '0', C, 0},
    };
    for (const auto& c : cases) {
        const EntryKey key = NumberKey(c.numbers, c.typed, c.key);
        EXPECT_EQ(key.meaning, c.meaning) << c.typed << char(c.key);
        EXPECT_EQ(key.entry, c.entry) << c.typed << char(c.key);
    }
}

TEST(EntryKeys, EachLanguageHasALetterPerOutcome) {
    ScoreSheet s;
    s.iTeamsNr = 4;
    const struct {
        Language language;
        const char* keys;  // elimination, abandon, definitive abandon
    } languages[] = {{Language::French, "EAD"},
                     {Language::English, "ead"},
                     {Language::Italian, "ERD"},
                     {Language::German, "xae"}};
    for (const auto& l : languages)
        for (int outcome = 0; outcome < 3; ++outcome) {
            const EntryKey key = ResultKey(s, l.language, "", l.keys[outcome]);
            EXPECT_EQ(key.meaning, C) << l.keys;
            EXPECT_EQ(key.entry, 4 + outcome) << l.keys;  // after the four places
        }
    EXPECT_EQ(ResultKey(s, Language::English, "", 'x').meaning, N);
    EXPECT_EQ(ResultKey(s, Language::English, "", ' ').meaning, KeyMeaning::Blame);
    EXPECT_EQ(ResultKey(s, Language::English, "", 8).meaning, KeyMeaning::Clear);
    EXPECT_EQ(ResultKey(s, Language::English, "", 127).meaning, KeyMeaning::Clear);
    EXPECT_EQ(ResultKey(s, Language::English, "", '4').entry, 3);
    s.iTeamsNr = 10;
    EXPECT_EQ(ResultKey(s, Language::English, "1", 'e').meaning, P);  // after a pending 1
    EXPECT_EQ(ResultKey(s, Language::English, "", '0').entry, 9);     // 0 alone is 10
}

}  // namespace
}  // namespace zav
