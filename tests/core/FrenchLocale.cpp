// Every core test runs under a French locale, which writes 12,5 in C and C++:
// the sheet files, pages and numbers the core writes and reads must be the
// same bytes whatever the user's locale. scripts/install-deps.sh makes the
// locale.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>

#include "encoding/NumberText.h"

namespace {

// Linux's name for it, then Windows' C runtime's.
constexpr const char* kFrenchNames[] = {"fr_FR.UTF-8", "French_France.1252"};

class FrenchLocale : public ::testing::Environment {
public:
    void SetUp() override {
        const char* french = nullptr;
        for (const char* name : kFrenchNames)
            if (!french && std::setlocale(LC_ALL, name)) french = name;
        ASSERT_NE(french, nullptr) << "no French locale";
        try {
            std::locale::global(std::locale(french));
        } catch (const std::runtime_error&) {
            // MinGW's C++ library knows no named locale: C's alone is French.
        }
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
    }
};

const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new FrenchLocale);

TEST(FrenchLocale, IsInForceAndNumbersKeepTheirPoint) {
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(zav::OneDecimal(12.5f), "12.5");
    EXPECT_EQ(zav::LeadingFloat("12.5"), 12.5f);
}

}  // namespace
