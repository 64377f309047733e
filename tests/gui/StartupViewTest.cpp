// The view of a window just started waits for the window to settle before it
// paints its page.
#include <wx/html/htmlwin.h>

#include "gui/FrameFixture.h"

namespace {

using StartupViewTest = FrameFixture;

// Frozen past the first idle moment, the window would stay blank.
TEST_F(StartupViewTest, ViewShowsItsPageOnceTheProgramIsIdle) {
    wxZAVFrame& window = OpenFrame(wxString::FromUTF8(CopyExample("nations-cup-semi-final.score")));
    Yield();
    EXPECT_FALSE(window.View().Window()->IsFrozen());
    ASSERT_NE(window.View().Window()->GetInternalRepresentation(), nullptr);
    EXPECT_NE(ShownText().find("Nations Cup 2026"), std::string::npos);
}

}  // namespace
