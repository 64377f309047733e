#include "gui/RealKeys.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include <map>

#include "gui/GuiTesting.h"

extern char** environ;

namespace {

constexpr int kTickMs = 20;
// How long a step waits for a dialog, or a key for the program, before the
// test fails: long enough for a loaded machine.
constexpr int kPatienceTicks = 10000 / kTickMs;

// The modal dialog of the program that holds the keyboard focus, if any.
wxDialog* FocusedDialog() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = wxDynamicCast(window, wxDialog);
            dialog && dialog->IsModal() && dialog->IsActive())
            return dialog;
    return nullptr;
}

// The window manager this process started; it ends with the process.
// Waited for: one still leaving would turn away the next test's own.
struct StartedWindowManager {
    ~StartedWindowManager() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    pid_t pid = 0;
};

}  // namespace

std::vector<KeyStep> Typed(const std::string& keys) {
    static const std::map<char, std::pair<int, int>> special = {
        {' ', {WXK_SPACE, wxMOD_NONE}}, {'\n', {WXK_RETURN, wxMOD_NONE}},
        {'\t', {WXK_TAB, wxMOD_NONE}},  {'^', {WXK_UP, wxMOD_NONE}},
        {'<', {WXK_TAB, wxMOD_SHIFT}},  {'~', {WXK_ESCAPE, wxMOD_NONE}}};
    std::vector<KeyStep> steps;
    for (const char c : keys) {
        const auto named = special.find(c);
        const auto [key, modifiers] = named != special.end()
                                          ? named->second
                                          : std::pair<int, int>(static_cast<unsigned char>(c), 0);
        steps.push_back({key, modifiers, {}});
    }
    return steps;
}

Typist::Typist(std::vector<KeyStep> steps) : steps_(std::move(steps)) {
    EXPECT_TRUE(EnsureWindowManager()) << "openbox is needed for the keyboard tests";
    wxEvtHandler::AddFilter(this);
    DialogsShownForReal() = true;
    Start(kTickMs);
}

Typist::~Typist() {
    Stop();
    DialogsShownForReal() = false;
    wxEvtHandler::RemoveFilter(this);
    EXPECT_EQ(next_, steps_.size()) << "steps left unplayed";
}

int Typist::FilterEvent(wxEvent& event) {
    if (event.GetEventType() == wxEVT_CHAR_HOOK &&
        static_cast<wxKeyEvent&>(event).GetKeyCode() == awaited_)
        awaited_ = 0;
    return Event_Skip;
}

void Typist::Notify() {
    wxDialog* dialog = FocusedDialog();
    if (next_ < steps_.size() && dialog && awaited_ == 0) {
        idleTicks_ = 0;
        const KeyStep& step = steps_[next_++];
        if (step.look) return step.look(*dialog);
        // wx names a letter's key by its capital.
        awaited_ = step.key >= 'a' && step.key <= 'z' ? step.key - 'a' + 'A' : step.key;
        wxUIActionSimulator().Char(step.key, step.modifiers);
        return;
    }
    if (++idleTicks_ < kPatienceTicks) return;
    // Stuck: a dialog that never came, a key the program never saw, or a
    // dialog the keys did not close.
    ADD_FAILURE() << (next_ < steps_.size() ? "no dialog took key step "
                                            : "a dialog stayed open after step ")
                  << next_;
    Stop();
    next_ = steps_.size();
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* open = wxDynamicCast(window, wxDialog); open && open->IsModal())
            open->EndModal(wxID_CANCEL);
}

// openbox runs its start-up command once it manages the display, and ends at
// once when another window manager does.
bool EnsureWindowManager() {
    static StartedWindowManager started;
    if (started.pid != 0) return true;
    int out[2];
    if (pipe(out) != 0) return false;
    const std::string ready = "window manager ready";
    char program[] = "openbox", session[] = "--sm-disable", startup[] = "--startup",
         command[] = "echo window manager ready";
    char* argv[] = {program, session, startup, command, nullptr};
    posix_spawn_file_actions_t io;
    posix_spawn_file_actions_init(&io);
    posix_spawn_file_actions_adddup2(&io, out[1], 1);
    posix_spawn_file_actions_addclose(&io, out[0]);
    posix_spawn_file_actions_addclose(&io, out[1]);
    posix_spawn_file_actions_addopen(&io, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&started.pid, program, &io, nullptr, argv, environ) != 0) started.pid = 0;
    posix_spawn_file_actions_destroy(&io);
    close(out[1]);
    // What it says until it is ready, or ends (read gives 0).
    std::string said;
    char buffer[256];
    pollfd output = {out[0], POLLIN, 0};
    ssize_t read = 1;
    while (started.pid != 0 && read > 0 && said.find(ready) == std::string::npos &&
           poll(&output, 1, 5000) == 1) {
        read = ::read(out[0], buffer, sizeof buffer);
        if (read > 0) said.append(buffer, static_cast<size_t>(read));
    }
    close(out[0]);
    return read == 0 || said.find(ready) != std::string::npos;
}
