// Real key presses (XTest, as a keyboard sends them) under a window manager,
// which gives the window the keyboard as a desktop does: the shortcuts reach
// their commands, and full screen is entered and left from the keyboard.
#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include <vector>

#include "gui/FrameFixture.h"
#include "gui/RealKeys.h"
#include "view/PageView.h"

namespace {

class ShortcutKeyboardTest : public FrameFixture {
protected:
    static void SetUpTestSuite() { EXPECT_TRUE(EnsureWindowManager()) << "no window manager"; }

    ShortcutKeyboardTest() {
        recorder_.Bind(wxEVT_MENU,
                       [this](wxCommandEvent& event) { reached.push_back(event.GetId()); });
    }

    // The window with the keyboard and a step to undo and one to redo, and
    // every command it runs recorded instead of run.
    void OpenRecordingFrame() {
        StopRecording();
        OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
        frame->SheetChanged(zav::TextId::StepTeams);
        frame->SheetChanged(zav::TextId::StepTeams);
        Run(ID_UNDO);
        frame->PushEventHandler(&recorder_);
        frame->Raise();
        frame->View().Window()->SetFocus();
        ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    }
    void StopRecording() {
        if (frame && frame->GetEventHandler() == &recorder_) frame->PopEventHandler();
    }
    void TearDown() override {
        StopRecording();
        FrameFixture::TearDown();
    }

    static void Press(int key, int modifiers = wxMOD_NONE) {
        wxUIActionSimulator().Char(key, modifiers);
    }

    std::vector<int> reached;

private:
    wxEvtHandler recorder_;
};

TEST_F(ShortcutKeyboardTest, EveryShortcutReachesItsCommand) {
    const struct {
        int key;
        int modifiers;
        int command;
    } shortcuts[] = {
        {'n', wxMOD_CONTROL, ID_NEW_SHEET},  {'o', wxMOD_CONTROL, ID_OPEN_SHEET},
        {'s', wxMOD_CONTROL, ID_SAVE_SHEET}, {'s', wxMOD_CONTROL | wxMOD_SHIFT, ID_SAVE_AS_SHEET},
        {'p', wxMOD_CONTROL, ID_PRINT},      {'r', wxMOD_CONTROL, ID_GAME_RESULT},
        {'q', wxMOD_CONTROL, ID_QUIT},       {WXK_F1, wxMOD_NONE, ID_USER_GUIDE},
        {'z', wxMOD_CONTROL, ID_UNDO},       {'z', wxMOD_CONTROL | wxMOD_SHIFT, ID_REDO},
        {'y', wxMOD_CONTROL, ID_REDO}};
    OpenRecordingFrame();
    for (const auto& shortcut : shortcuts) {
        reached.clear();
        Press(shortcut.key, shortcut.modifiers);
        EXPECT_TRUE(WaitUntil([&] { return !reached.empty(); }));
        EXPECT_EQ(reached, std::vector<int>{shortcut.command}) << shortcut.command;
    }
}

// F11 is a menu shortcut: that it leaves full screen shows the shortcuts
// working while the menus are hidden. Escape leaves full screen too.
TEST_F(ShortcutKeyboardTest, F11EntersAndLeavesFullScreenEscapeLeavesThePageFollowsTheSheet) {
    OpenFrame(wxString::FromUTF8(CopyExample("nations-cup-semi-final.score")));
    ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    const wxSize windowed = frame->GetSize();
    const auto fullScreen = [&] {
        return frame->IsFullScreen() && frame->GetSize() == wxGetDisplaySize();
    };
    const auto left = [&] { return !frame->IsFullScreen() && frame->GetSize() == windowed; };

    Press(WXK_F11);
    ASSERT_TRUE(WaitUntil(fullScreen));
    EXPECT_FALSE(frame->GetMenuBar()->IsShown());
    EXPECT_FALSE(frame->GetToolBar()->IsShown());
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_FULL_SCREEN));
    // A change of the sheet shows at once, still in large type.
    frame->Document().EditSheet().sTitle = "Final standings";
    frame->SheetChanged(zav::TextId::StepTeams);
    EXPECT_NE(ShownText().find("Final standings"), std::string::npos);
    EXPECT_TRUE(frame->View().LargeType());

    Press(WXK_F11);
    ASSERT_TRUE(WaitUntil(left));
    EXPECT_TRUE(frame->GetMenuBar()->IsShown());
    EXPECT_FALSE(frame->View().LargeType());
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_FULL_SCREEN));

    Press(WXK_F11);
    ASSERT_TRUE(WaitUntil(fullScreen));
    Press(WXK_ESCAPE);
    ASSERT_TRUE(WaitUntil(left));
    EXPECT_TRUE(frame->GetToolBar()->IsShown());
}

}  // namespace
