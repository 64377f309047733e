#include "gui/FrameFixture.h"

namespace {

using StartupTest = FrameFixture;

TEST_F(StartupTest, WithoutFileShowsWelcomePageAndNoSheet) {
    wxZAVFrame& window = OpenFrame();
    EXPECT_EQ(window.iSheetState, kNoSheet);
    EXPECT_EQ(window.GetTitle(), wxS("ZAVscore"));
    EXPECT_NE(window.wxsHtmlPage.find("accueil.jpg"), std::string::npos);
}

}  // namespace
