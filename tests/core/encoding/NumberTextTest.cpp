#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cstdio>

#include "encoding/NumberText.h"

using namespace zav;

TEST(NumberText, LeadingIntReadsLikeAtoi) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"12", 12},
                 {"  -3", -3},
                 {"\t\n+7x", 7},
                 {"3 A", 3},
                 {"A", 0},
                 {"", 0},
                 {"- 4", 0},
                 {"0012", 12},
                 {"2147483647", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"2147483648", INT_MAX},
                 {"-99999999999999999999", INT_MIN},
                 {"1.9", 1}};
    for (const auto& c : cases) EXPECT_EQ(LeadingInt(c.text), c.value) << c.text;
}

TEST(NumberText, LeadingFloatReadsDecimalNumbersOnly) {
    const struct {
        const char* text;
        float value;
    } cases[] = {{"12.5", 12.5f},
                 {" -3", -3.0f},
                 {".5", 0.5f},
                 {"+1e2x", 100.0f},
                 {"7,5", 7.0f},
                 {"1e", 1.0f},
                 {"abc", 0.0f},
                 {"", 0.0f},
                 {"inf", 0.0f},
                 {"-nan", 0.0f},
                 {"0x10", 0.0f},
                 {".", 0.0f},
                 {"1e999", FLT_MAX},
                 {"-1e39", -FLT_MAX},
                 {"1e-999", 0.0f},
                 {"0.0000000000000000000000000000000000000000000000000001e400", FLT_MAX}};
    for (const auto& c : cases) EXPECT_EQ(LeadingFloat(c.text), c.value) << c.text;
}

TEST(NumberText, OneDecimalMatchesPrintfInTheCLocale) {
    std::setlocale(LC_NUMERIC, "C");
    for (const float value : {0.0f, 12.5f, -3.25f, 0.05f, 0.15f, 2.45f, 1e7f, -0.04f, FLT_MAX}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%3.1f", value);
        EXPECT_EQ(OneDecimal(value), expected) << expected;
    }
    // A desktop locale with a decimal comma changes nothing.
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(OneDecimal(12.5f), "12.5");
        EXPECT_EQ(LeadingFloat("12.5"), 12.5f);
        std::setlocale(LC_NUMERIC, "C");
    }
}
