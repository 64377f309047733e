#include <gtest/gtest.h>

#include "encoding/ReadingOrder.h"

using namespace zav;

TEST(ReadingOrder, AccentedLettersGoWithTheirBaseLetter) {
    EXPECT_EQ(Folded("À pied, À CHEVAL Œuvre Straße Ærø ×÷"),
              "a pied, a cheval oeuvre strasse aero ×÷");
    const std::pair<const char*, const char*> before[] = {
        {"À pied, à cheval", "Agility"},  // word by word: "a p" before "ag"
        {"Agility", "Association"},
        {"Drapeau", "Épée"},
        {"Épée", "Flag"},
        {"Ball und Kegel", "Bälle"},
        {"Bälle", "Bank"},
        {"Eté", "été"},  // the written name settles equal folds: capitals first
        {"ete", "été"},
    };
    for (const auto& [a, b] : before) {
        EXPECT_TRUE(ReadingOrderLess(a, b)) << a << " < " << b;
        EXPECT_FALSE(ReadingOrderLess(b, a)) << b << " < " << a;
        EXPECT_FALSE(ReadingOrderLess(a, a)) << a;
    }
}

TEST(ReadingOrder, TypedTextSelectsTheEntryItBegins) {
    const std::vector<std::string> entries = {"1",           "2",       "10",
                                              "Élimination", "Abandon", "Abandon définitif"};
    const struct {
        int current;
        const char* typed;
        int expected;
    } cases[] = {
        {4, "1", 0},   // an equal entry first
        {0, "10", 2},  //
        {0, "e", 3},   // accents and capitals aside
        {0, "A", 4},   //
        {4, "a", 5},   // typed again: the next one
        {5, "a", 4},   // and round again
        {0, "abandon def", 5}, {0, "7", -1}, {0, "", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedEntry(entries, c.current, c.typed), c.expected) << c.typed;
    EXPECT_EQ(TypedEntry({}, 0, "1"), -1);
}
