#include <gtest/gtest.h>
// clang-format off
#include <windows.h>  // first: wincred.h needs its types
#include <wincred.h>
// clang-format on

#include <string>

#include "platform/DesktopSecretStore.h"
#include "platform/windows/Wide.h"

namespace {

// The Credential Manager is the user's own: the test's site is one nobody
// else names. The user finds each password there under the site's name, from
// where the test takes it out again.
class CredentialManagerTest : public ::testing::Test {
protected:
    const std::string site_ =
        "sftp://scorer@127.0.0.1/zavscore-test-" + std::to_string(GetCurrentProcessId());
    void TearDown() override {
        for (const std::string& name : {site_, site_ + "/other"})
            EXPECT_TRUE(CredDeleteW(zav::Wide("ZAVscore: " + name).c_str(), CRED_TYPE_GENERIC, 0))
                << name;
    }
};

TEST_F(CredentialManagerTest, KeepsEachSitesPasswordForTheNextStore) {
    {
        auto store = zavgui::MakeDesktopSecretStore();
        EXPECT_FALSE(store->Find(site_));
        ASSERT_TRUE(store->Keep(site_, "first"));
        // The password a scorer typed last is the one kept, accents and all.
        ASSERT_TRUE(store->Keep(site_, "mot de passe \xC3\xA9t\xC3\xA9"));
        ASSERT_TRUE(store->Keep(site_ + "/other", "another"));
    }
    auto again = zavgui::MakeDesktopSecretStore();
    EXPECT_EQ(again->Find(site_), "mot de passe \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(again->Find(site_ + "/other"), "another");
}

}  // namespace
