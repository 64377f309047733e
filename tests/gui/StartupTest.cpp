// Start-up: the window with and without a file named on the command line,
// and the program itself started with a relative file name.
#include <sys/stat.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include <cstdlib>
#include <vector>

#include "app/ZAVApp.h"
#include "gui/FrameFixture.h"
#include "settings/Settings.h"

namespace {

using StartupTest = FrameFixture;

TEST_F(StartupTest, WithoutFileShowsWelcomePageAndNoSheet) {
    EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, "GE"));
    wxZAVFrame& window = OpenFrame();
    EXPECT_EQ(window.Document().State(), SheetState::NoSheet);
    EXPECT_EQ(window.GetTitle(), wxS("ZAVscore"));
    EXPECT_NE(window.View().Page().find("accueil.jpg"), std::string::npos);
    // Built once the language is known: the German texts.
    EXPECT_NE(window.View().Page().find(zav::Text(zav::Language::German, zav::TextId::TagLine)),
              std::string::npos);
    EXPECT_EQ(window.GetStatusBar()->GetStatusText(1),
              wxS(" ZAVscore ") + Tx(zav::Language::German, zav::TextId::Version));
    // How to begin, with the menus and shortcuts as the menu bar has them.
    wxMenuBar* bar = window.GetMenuBar();
    const wxString page = FromCore(window.View().Page());
    for (int id : {ID_NEW_SHEET, ID_OPEN_SHEET, ID_CREATE_SIF_SCORE_SET}) {
        wxMenu* menu = nullptr;
        const wxMenuItem* item = bar->FindItem(id, &menu);
        ASSERT_TRUE(item && menu) << id;
        wxString path;
        for (size_t m = 0; m < bar->GetMenuCount(); ++m)
            if (bar->GetMenu(m) == menu) path = bar->GetMenuLabelText(m);
        path += wxS(" &gt; ") + item->GetItemLabelText();
        if (const wxAcceleratorEntry* key = item->GetAccel())
            path += wxS(" (") + key->ToString() + wxS(")");
        EXPECT_NE(page.Find(path), wxNOT_FOUND) << path.utf8_str().data();
    }
}

TEST_F(StartupTest, MenusStartWithTheChallengeItemsAndRenameDisabled) {
    EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::SaveAuto, "1"));
    wxZAVFrame& window = OpenFrame();
    wxMenuBar* bar = window.GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 7u);
    for (int id :
         {ID_PREVIOUS_CHALL, ID_VIEW_BOTH, ID_VIEW_CHAMP, ID_VIEW_CHALL, ID_RENAME_SIF_SCORE_SET})
        EXPECT_FALSE(bar->IsEnabled(id)) << id;
    for (int id : {ID_NEW_SHEET, ID_SAVE_AS_SHEET, ID_GENERAL_DATA, ID_SCORE_SHEET, ID_LANGUAGE})
        EXPECT_TRUE(bar->IsEnabled(id)) << id;
    for (int id = ID_SCORE_SHEET; id <= ID_VIEW_CHALL; ++id) EXPECT_FALSE(bar->IsChecked(id));
    EXPECT_TRUE(bar->IsChecked(ID_SAVE_AUTO));
    // The toolbar's ranking buttons are never disabled; every tool is a
    // command of the menus.
    wxToolBar* tools = window.GetToolBar();
    EXPECT_TRUE(tools->GetToolEnabled(ID_VIEW_CHALL));
    int buttons = 0;
    for (size_t pos = 0; pos < tools->GetToolsCount(); ++pos) {
        const wxToolBarToolBase* tool = tools->GetToolByPos(static_cast<int>(pos));
        if (!tool->IsButton()) continue;
        ++buttons;
        EXPECT_EQ(tool->GetShortHelp(), bar->FindItem(tool->GetId())->GetItemLabelText())
            << tool->GetId();
    }
    EXPECT_EQ(buttons, 19);
}

TEST_F(StartupTest, WithSheetFileOpensItAndNamesItInTheTitle) {
    const std::string path = CopyExample("nations-cup-semi-final.score");
    wxZAVFrame& window = OpenFrame(wxString::FromUTF8(path));
    EXPECT_EQ(window.Document().State(), SheetState::Unchanged);
    EXPECT_EQ(window.GetTitle(), wxS("ZAV score - nations-cup-semi-final.score"));
    EXPECT_NE(ShownText().find("Nations Cup 2026"), std::string::npos);
    // The sheet has a 'Challenge': its commands are offered, both rankings shown.
    EXPECT_TRUE(window.GetMenuBar()->IsEnabled(ID_PREVIOUS_CHALL));
    EXPECT_TRUE(window.GetMenuBar()->IsChecked(ID_VIEW_BOTH));
    EXPECT_EQ(window.Choices().ViewOf(window.Document().Sheet()).bViewChall, 1);
}

TEST_F(StartupTest, UnreadableFileLeavesNoSheetAfterTheReadersMessage) {
    const std::string path = temp.File("not-a-sheet.score");
    zavtest::WriteFile(path, "hello");
    wxString message;
    wxTEST_DIALOG(OpenFrame(wxString::FromUTF8(path)), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(frame->Document().State(), SheetState::NoSheet);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAVscore"));
}

TEST(StartupFilePathTest, RelativeNamesAreResolvedAgainstTheUsersFolder) {
    const wxString sep = wxFileName::GetPathSeparator();
    EXPECT_EQ(StartupFilePath(wxS("event/heat1.score"), wxS("/home/scorer")),
              wxS("/home/scorer") + sep + wxS("event") + sep + wxS("heat1.score"));
    EXPECT_EQ(StartupFilePath(wxS("/data/50%.score"), wxS("/home/scorer")), wxS("/data/50%.score"));
    EXPECT_TRUE(StartupFilePath(wxString(), wxS("/home/scorer")).empty());
}

TEST_F(StartupTest, RestartFindsAProgramInAFolderWithSpaces) {
    const std::string folder = temp.File("my programs");
    wxFileName::Mkdir(wxString::FromUTF8(folder));
    const std::string program = folder + "/zav score";
    const std::string marker = temp.File("started");
    zavtest::WriteFile(program, "#!/bin/sh\ntouch '" + marker + "'\n");
    chmod(program.c_str(), 0755);
    ASSERT_TRUE(StartProgram(wxString::FromUTF8(program)));
    EXPECT_TRUE(WaitUntil([&] { return wxFileExists(wxString::FromUTF8(marker)); }));
}

// The program started from the user's folder with a relative file name opens
// the file (a file it cannot find would hold the start on a message box, and
// the time limit would end it with a failure). Two names open nothing: the
// usage text is printed and the program starts all the same.
TEST_F(StartupTest, ProgramStartsWithARelativeFileNameOrWithTooManyNames) {
    CopyExample("heat-4-teams.score");
    const auto start = [&](const std::string& arguments) {
        const std::string command = "cd '" + temp.Path() + "' && ZAVSCORE_INI='" + SettingsFile() +
                                    "' XDG_STATE_HOME='" + temp.Path() +
                                    "' ZAVSCORE_EXIT_WHEN_SHOWN=1 timeout 60 '" ZAV_PROGRAM_DIR
                                    "/zavscore' " +
                                    arguments + " > output.txt 2>&1";
        return std::system(command.c_str());
    };
    EXPECT_EQ(start("heat-4-teams.score"), 0);
    EXPECT_EQ(zavtest::ReadFile(temp.File("output.txt")).find("Usage"), std::string::npos);
    EXPECT_EQ(start("missing-a.score missing-b.score"), 0);
    EXPECT_NE(zavtest::ReadFile(temp.File("output.txt")).find("Usage"), std::string::npos);
}

}  // namespace
