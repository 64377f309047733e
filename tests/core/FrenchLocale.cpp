// Every core test runs under a French locale, which writes 12,5 in C and C++:
// the sheet files, pages and numbers the core writes and reads must be the
// same bytes whatever the user's locale. scripts/install-deps.sh makes the
// locale.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "encoding/NumberText.h"

namespace {

constexpr const char* kFrench = "fr_FR.UTF-8";

class FrenchLocale : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, kFrench), nullptr) << "no " << kFrench << " locale";
        std::locale::global(std::locale(kFrench));
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
