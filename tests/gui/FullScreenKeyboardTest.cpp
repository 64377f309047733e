// View > Full screen from the real keyboard: key presses sent through the
// display (XTest) to the window a window manager gave the focus, as a user's
// keys arrive. F11 is a menu shortcut: that it leaves full screen shows the
// shortcuts working while the menus are hidden.
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include "gui/FrameFixture.h"
#include "gui/RealKeys.h"
#include "view/PageView.h"

namespace {

class FullScreenKeyboardTest : public FrameFixture {
protected:
    // Without a window manager no window gets the keyboard focus.
    void SetUp() override { ASSERT_TRUE(EnsureWindowManager()) << "openbox is needed"; }

    void Press(int key) {
        wxUIActionSimulator keys;
        keys.Char(key);
    }
    bool CoversTheScreen() const { return frame->GetSize() == wxGetDisplaySize(); }
};

TEST_F(FullScreenKeyboardTest, F11EntersAndLeavesEscapeLeavesThePageFollowsTheSheet) {
    OpenFrame(wxString::FromUTF8(CopyExample("nations-cup-semi-final.score")));
    ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    const wxSize windowed = frame->GetSize();

    Press(WXK_F11);
    ASSERT_TRUE(WaitUntil([&] { return frame->IsFullScreen() && CoversTheScreen(); }));
    EXPECT_FALSE(frame->GetMenuBar()->IsShown());
    EXPECT_FALSE(frame->GetToolBar()->IsShown());
    EXPECT_TRUE(frame->View().LargeType());
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_FULL_SCREEN));
    // A change of the sheet shows at once, still in large type.
    frame->Document().EditSheet().sTitle = "Final standings";
    frame->SheetChanged(zav::TextId::StepTeams);
    EXPECT_NE(ShownText().find("Final standings"), std::string::npos);
    EXPECT_TRUE(frame->View().LargeType());

    Press(WXK_F11);
    ASSERT_TRUE(WaitUntil([&] { return !frame->IsFullScreen() && frame->GetSize() == windowed; }));
    EXPECT_TRUE(frame->GetMenuBar()->IsShown());
    EXPECT_FALSE(frame->View().LargeType());
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_FULL_SCREEN));

    Press(WXK_F11);
    ASSERT_TRUE(WaitUntil([&] { return frame->IsFullScreen() && CoversTheScreen(); }));
    Press(WXK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !frame->IsFullScreen() && frame->GetSize() == windowed; }));
    EXPECT_TRUE(frame->GetToolBar()->IsShown());
}

}  // namespace
