// Undo and redo as the menu names them, and the real program killed mid-heat
// and started again. Real key presses need a window manager holding the
// keyboard focus.
#include <signal.h>
#include <wx/menu.h>

#include <cstdlib>
#include <filesystem>

#include "dialogs/GameResultDialog.h"
#include "dialogs/ListChoice.h"
#include "gui/DialogTesting.h"
#include "gui/RealKeys.h"

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

class UndoKeyboardTest : public DialogFixture {
protected:
    // A window manager that manages the display before the frame is shown,
    // else the frame may never get the keyboard focus.
    void SetUp() override { ASSERT_TRUE(EnsureWindowManager()) << "openbox is needed"; }

    std::string Label(int id) const {
        return wxMenuItem::GetLabelText(frame->GetMenuBar()->GetLabel(id)).utf8_str().data();
    }
};

TEST_F(UndoKeyboardTest, UndoAndRedoNameTheStep) {
    wxZAVFrame& w = OpenWith(Heat(4, 6));
    EXPECT_FALSE(w.GetMenuBar()->IsEnabled(ID_UNDO));
    for (int place = 2; place <= 4; ++place)  // Alpha's place, the others first
        wxTEST_DIALOG(Run(ID_GAME_RESULT), ExpectDialog<GameResultDialog>(wxID_OK, [&](auto& d) {
                          for (ListChoice* result : d.results) result->SetSelection(0);
                          d.results[0]->SetSelection(place - 1);
                      }));
    const std::string entered = zav::SheetFileBytes(w.Document().Sheet(), zav::Language::English);
    EXPECT_EQ(Label(ID_UNDO), "Undo: result of game 3");

    Run(ID_UNDO);
    EXPECT_EQ(w.Document().Sheet().iGamePlace[0][2], 0);
    EXPECT_EQ(Label(ID_REDO), "Redo: result of game 3");
    ExpectChangeApplied();
    Run(ID_UNDO);
    EXPECT_EQ(Label(ID_UNDO), "Undo: result of game 1");
    Run(ID_REDO);
    Run(ID_REDO);
    EXPECT_FALSE(w.GetMenuBar()->IsEnabled(ID_REDO));
    EXPECT_EQ(Label(ID_REDO), "Redo");
    EXPECT_EQ(zav::SheetFileBytes(w.Document().Sheet(), zav::Language::English), entered);
}

// The program itself, with settings and state folders of its own (its
// Italian titles show it reads the user's configuration folder): three games
// typed in, killed, started again; the offer accepted gives back every
// result, which Save writes to the sheet's own file.
TEST_F(UndoKeyboardTest, AProgramKilledMidHeatGivesBackEveryResult) {
    zav::RecordingMessageSink messages;
    ASSERT_TRUE(
        zav::SaveSheet(Heat(4, 4), SheetPath(), zav::Reporter(zav::Language::English, messages)));
    std::filesystem::create_directories(temp.File("config/zavscore"));
    zavtest::WriteFile(temp.File("config/zavscore/ZAVscore.ini"), "[General]\nLanguage=IT\n");
    const std::string state = temp.File("state");
    const auto start = [&] {
        return Launch("XDG_CONFIG_HOME='" + temp.File("config") + "' XDG_STATE_HOME='" + state +
                          "' '" ZAV_PROGRAM_DIR "/zavscore' '" + SheetPath() + "'",
                      temp.File("program.pid"));
    };
    pid_t program = start();
    ASSERT_GT(program, 0);
    ASSERT_TRUE(WindowShown("ZAV score - heat.score"));
    for (const char* place : {"2", "3", "4"}) {
        Type("F10 Right Up Up Up Return");  // Input, Game result
        ASSERT_TRUE(WindowShown("Inserimento risultato del gioco"));
        Type(std::string(place) + " 1 1 1 Return");  // Alpha's place, the others first
        ASSERT_TRUE(WindowShown("Inserimento risultato del gioco", false));
    }
    ASSERT_TRUE(WindowShown("\\*ZAV score - heat.score"));
    kill(program, SIGKILL);
    ASSERT_TRUE(WaitUntil([&] { return !Running(program); }));

    program = start();
    ASSERT_GT(program, 0);
    ASSERT_TRUE(WindowShown("ZAVscore"));  // the offer
    Type("Return");
    ASSERT_TRUE(WindowShown("\\*ZAV score - heat.score"));
    Type("ctrl+s");  // Save score sheet
    ASSERT_TRUE(WindowShown("ZAV score - heat.score"));
    zav::ScoreSheet saved;
    ASSERT_TRUE(
        zav::LoadSheet(saved, SheetPath(), zav::Reporter(zav::Language::English, messages)));
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 4; ++g)
            EXPECT_EQ(saved.iGamePlace[t][g], g == 3 ? 0 : t == 0 ? g + 2 : 1) << t << " " << g;
    Type("alt+F4");  // the close box: the same end as Quit
    EXPECT_TRUE(WaitUntil([&] { return !Running(program); }));
    EXPECT_EQ(zavtest::FilesIn(state + "/zavscore"), 0u);
}

}  // namespace
