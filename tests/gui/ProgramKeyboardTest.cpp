// Real key presses (XTest, as a keyboard sends them) under a window manager,
// which gives the window the keyboard as a desktop does: the shortcuts reach
// their commands, and the real program, typed into and killed mid-heat, gives
// back every result.
#include <signal.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "gui/DialogTesting.h"
#include "gui/RealKeys.h"
#include "support/TestFiles.h"
#include "view/PageView.h"

namespace {

// Runs `command` in the background, not as a child of this process: the end
// of a child would interrupt the toolkit's connection to the display. Its pid.
pid_t Launch(const std::string& command, const std::string& pidFile) {
    if (std::system((command + " >/dev/null 2>&1 & echo $! >'" + pidFile + "'").c_str()) != 0)
        return 0;
    return static_cast<pid_t>(std::atol(zavtest::ReadFile(pidFile).c_str()));
}

// Running, and not a process that ended and waits to be reaped.
bool Running(pid_t pid) {
    const std::string stat = zavtest::ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t end = stat.rfind(')');
    return end != std::string::npos && stat.compare(end, 4, ") Z ") != 0;
}

// Keys typed by xdotool, to whatever window has the focus.
void Type(const std::string& keys) {
    ASSERT_EQ(std::system(("xdotool key --delay 150 " + keys).c_str()), 0) << keys;
}

// A window of that exact title is on screen (or is gone), within ten seconds.
bool WindowShown(const std::string& title, bool shown = true) {
    const std::string search = "xdotool search --onlyvisible --name '^" + title + "$' >/dev/null";
    return WaitUntil([&] { return (std::system(search.c_str()) == 0) == shown; });
}

class ProgramKeyboardTest : public DialogFixture {
protected:
    static void SetUpTestSuite() { EXPECT_TRUE(EnsureWindowManager()) << "no window manager"; }

    // A program a failed step left running would take the keyboard from
    // the tests after this one.
    void TearDown() override {
        for (pid_t pid : launched)
            if (Running(pid)) kill(pid, SIGKILL);
        DialogFixture::TearDown();
    }

    // The window with the keyboard and a step to undo and one to redo, and
    // every command it runs recorded instead of run (the handler bound last
    // comes first, and does not pass the command on).
    void OpenRecordingFrame() {
        OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
        frame->SheetChanged(zav::TextId::StepTeams);
        frame->SheetChanged(zav::TextId::StepTeams);
        Run(ID_UNDO);
        frame->Bind(wxEVT_MENU,
                    [this](wxCommandEvent& event) { reached.push_back(event.GetId()); });
        frame->Raise();
        frame->View().Window()->SetFocus();
        ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    }

    std::vector<int> reached;
    std::vector<pid_t> launched;
};

TEST_F(ProgramKeyboardTest, EveryShortcutReachesItsCommand) {
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
        {'y', wxMOD_CONTROL, ID_REDO},       {WXK_F11, wxMOD_NONE, ID_FULL_SCREEN}};
    OpenRecordingFrame();
    for (const auto& shortcut : shortcuts) {
        reached.clear();
        wxUIActionSimulator().Char(shortcut.key, shortcut.modifiers);
        EXPECT_TRUE(WaitUntil([&] { return !reached.empty(); }));
        EXPECT_EQ(reached, std::vector<int>{shortcut.command}) << shortcut.command;
    }
}

// The program itself, with settings and state folders of its own (its
// Italian titles show it reads the user's configuration folder): three games
// typed in, killed, started again; the offer accepted gives back every
// result, which Save writes to the sheet's own file.
TEST_F(ProgramKeyboardTest, AProgramKilledMidHeatGivesBackEveryResult) {
    zav::RecordingMessageSink messages;
    ASSERT_TRUE(
        zav::SaveSheet(Heat(4, 4), SheetPath(), zav::Reporter(zav::Language::English, messages)));
    std::filesystem::create_directories(temp.File("config/zavscore"));
    zavtest::WriteFile(temp.File("config/zavscore/ZAVscore.ini"), "[General]\nLanguage=IT\n");
    const std::string state = temp.File("state");
    const auto start = [&] {
        launched.push_back(Launch("XDG_CONFIG_HOME='" + temp.File("config") + "' XDG_STATE_HOME='" +
                                      state + "' '" ZAV_PROGRAM_DIR "/zavscore' '" + SheetPath() +
                                      "'",
                                  temp.File("program.pid")));
        return launched.back();
    };
    pid_t program = start();
    ASSERT_GT(program, 0);
    ASSERT_TRUE(WindowShown("ZAV score - heat.score - Provvisorio"));
    for (const char* place : {"2", "3", "4"}) {
        Type("F10 Right Up Up Up Return");  // Input, Game result
        ASSERT_TRUE(WindowShown("Inserimento risultato del gioco"));
        Type(std::string(place) + " 1 1 1 Return");  // Alpha's place, the others first
        ASSERT_TRUE(WindowShown("Inserimento risultato del gioco", false));
    }
    ASSERT_TRUE(WindowShown("\\*ZAV score - heat.score - Provvisorio"));
    kill(program, SIGKILL);
    ASSERT_TRUE(WaitUntil([&] { return !Running(program); }));

    program = start();
    ASSERT_GT(program, 0);
    ASSERT_TRUE(WindowShown("ZAVscore"));  // the offer
    Type("Return");
    ASSERT_TRUE(WindowShown("\\*ZAV score - heat.score - Provvisorio"));
    Type("ctrl+s");  // Save score sheet
    ASSERT_TRUE(WindowShown("ZAV score - heat.score - Provvisorio"));
    const zav::ScoreSheet saved = zavtest::ReadSheet(SheetPath());
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 4; ++g)
            EXPECT_EQ(saved.iGamePlace[t][g], g == 3 ? 0 : t == 0 ? g + 2 : 1) << t << " " << g;
    Type("alt+F4");  // the close box: the same end as Quit
    EXPECT_TRUE(WaitUntil([&] { return !Running(program); }));
    EXPECT_EQ(zavtest::FilesIn(state + "/zavscore"), 0u);
}

}  // namespace
