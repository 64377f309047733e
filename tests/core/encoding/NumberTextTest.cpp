#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

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
    // The tests run under a French locale (FrenchLocale.cpp): printf is
    // asked in C, then the locale is put back.
    const std::string locale = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    std::vector<std::string> expected;
    const float values[] = {0.0f, 12.5f, -3.25f, 0.05f, 0.15f, 2.45f, 1e7f, -0.04f, FLT_MAX};
    for (const float value : values) {
        char text[64];
        std::snprintf(text, sizeof text, "%3.1f", value);
        expected.push_back(text);
    }
    std::setlocale(LC_NUMERIC, locale.c_str());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(OneDecimal(values[i]), expected[i]) << expected[i];
}
