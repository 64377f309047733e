#include "gui/RealKeys.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <map>

#include "gui/GuiTesting.h"

// Last: Xlib's macros (None, Bool...) clash with the names of the others.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

extern char** environ;

namespace {

constexpr int kTickMs = 20;
// How long a step waits for a dialog, or a key for the program, before the
// test fails: long enough for a loaded machine.
constexpr int kPatienceTicks = 10000 / kTickMs;

// The key presses the program has seen, in order.
class KeysSeen : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() == wxEVT_CHAR_HOOK)
            codes.push_back(static_cast<wxKeyEvent&>(event).GetKeyCode());
        return Event_Skip;
    }
    std::vector<int> codes;
};

KeysSeen& Seen() {
    static KeysSeen seen;
    return seen;
}

// The modal dialog of the program that holds the keyboard focus, if any.
wxDialog* FocusedDialog() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = wxDynamicCast(window, wxDialog);
            dialog && dialog->IsModal() && dialog->IsActive())
            return dialog;
    return nullptr;
}

// A window manager names its check window on the root window and on that
// window itself; one that ended leaves the root's property behind.
bool WindowManagerRuns() {
    GdkDisplay* gdkDisplay = gdk_display_get_default();
    Display* display = GDK_DISPLAY_XDISPLAY(gdkDisplay);
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const auto checkWindow = [&](Window on) {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        XGetWindowProperty(display, on, check, 0, 1, False, XA_WINDOW, &type, &format, &items,
                           &after, &data);
        const Window named = data && items == 1 ? *reinterpret_cast<Window*>(data) : 0;
        if (data) XFree(data);
        return named;
    };
    const Window named = checkWindow(DefaultRootWindow(display));
    if (named == 0) return false;
    gdk_x11_display_error_trap_push(gdkDisplay);
    const Window itself = checkWindow(named);
    return gdk_x11_display_error_trap_pop(gdkDisplay) == 0 && itself == named;
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
    static const std::map<char, KeyStep> special = {
        {' ', Key(WXK_SPACE)}, {'\n', Key(WXK_RETURN)}, {'\t', Key(WXK_TAB)},
        {'\b', Key(WXK_BACK)}, {'^', Key(WXK_UP)},      {'<', Key(WXK_TAB, wxMOD_SHIFT)},
        {'~', Key(WXK_ESCAPE)}};
    std::vector<KeyStep> steps;
    for (const char c : keys) {
        const auto named = special.find(c);
        steps.push_back(named != special.end() ? named->second
                                               : Key(static_cast<unsigned char>(c)));
    }
    return steps;
}

Typist::Typist(std::vector<KeyStep> steps) : steps_(std::move(steps)) {
    EXPECT_TRUE(EnsureWindowManager()) << "openbox is needed for the keyboard tests";
    Seen().codes.clear();
    wxEvtHandler::AddFilter(&Seen());
    DialogsShownForReal() = true;
    Start(kTickMs);
}

Typist::~Typist() {
    Stop();
    DialogsShownForReal() = false;
    wxEvtHandler::RemoveFilter(&Seen());
    EXPECT_EQ(next_, steps_.size()) << "steps left unplayed";
}

bool Typist::KeyArrived() const {
    // The steps before `next_` that were keys, each seen in turn.
    size_t seen = 0;
    for (size_t i = 0; i < next_; ++i) {
        if (steps_[i].look) continue;
        // wx names a letter's key by its capital.
        const int code = steps_[i].key >= 'a' && steps_[i].key <= 'z' ? steps_[i].key - 'a' + 'A'
                                                                      : steps_[i].key;
        while (seen < Seen().codes.size() && Seen().codes[seen] != code) ++seen;
        if (seen == Seen().codes.size()) return false;
        ++seen;
    }
    return true;
}

void Typist::Notify() {
    wxDialog* dialog = FocusedDialog();
    const bool ready = dialog && KeyArrived();
    if (next_ < steps_.size() && ready) {
        idleTicks_ = 0;
        const KeyStep& step = steps_[next_++];
        if (step.look) {
            step.look(*dialog);
        } else {
            wxUIActionSimulator().Char(step.key, step.modifiers);
            ++pressed_;
        }
        return;
    }
    if (++idleTicks_ < kPatienceTicks) return;
    // Stuck: a dialog that never came, a key the program never saw, or a
    // dialog the keys did not close.
    std::string seen;
    for (int code : Seen().codes) seen += std::to_string(code) + " ";
    ADD_FAILURE() << (next_ < steps_.size() ? "no dialog took key step "
                                            : "a dialog stayed open after step ")
                  << next_ << "; keys seen: " << seen;
    Stop();
    next_ = steps_.size();
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* open = wxDynamicCast(window, wxDialog); open && open->IsModal())
            open->EndModal(wxID_CANCEL);
}

bool EnsureWindowManager() {
    static StartedWindowManager started;
    if (WindowManagerRuns()) return true;
    if (started.pid == 0) {
        char program[] = "openbox";
        char option[] = "--sm-disable";
        char* argv[] = {program, option, nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        const int failed = posix_spawnp(&started.pid, program, &quiet, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&quiet);
        if (failed) return false;
    }
    for (int i = 0; i < 250; ++i) {
        if (WindowManagerRuns()) return true;
        wxMilliSleep(20);
    }
    return false;
}
