#include "gui/RealKeys.h"

#include <fcntl.h>
#include <gtk/gtk.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

#include <string>

extern char** environ;

namespace {

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

// GTK's own first: ending a file chooser that way also ends the wx dialog
// around it, which must then not be ended twice.
void CancelModalWindows() {
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next)
        if (GTK_IS_DIALOG(w->data) && gtk_widget_get_visible(GTK_WIDGET(w->data)))
            gtk_dialog_response(GTK_DIALOG(w->data), GTK_RESPONSE_CANCEL);
    g_list_free(windows);
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* open = wxDynamicCast(window, wxDialog); open && open->IsModal())
            open->EndModal(wxID_CANCEL);
}
