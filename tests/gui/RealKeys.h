// Real key presses into the program's dialogs: the X server's own key events
// (XTest), as a keyboard gives them, through the dialogs that a command
// shows modally. A dialog only holds the keyboard focus under a window
// manager: one is started for the test process when none runs.
#pragma once

#include <wx/defs.h>
#include <wx/eventfilter.h>
#include <wx/timer.h>

#include <functional>
#include <string>
#include <vector>

class wxDialog;

// One step of the user at the keyboard: a key with its modifiers, or a look
// at the dialog that has the focus.
struct KeyStep {
    int key = 0;
    int modifiers = wxMOD_NONE;
    std::function<void(wxDialog&)> look;
};

// One key per character: digits, letters (small), ' ' Space, '\n' Enter,
// '\t' Tab, '^' Up, '<' Shift+Tab, '~' Escape.
std::vector<KeyStep> Typed(const std::string& keys);

// Plays `steps` into the modal dialogs the test opens next (by a command),
// each step once a dialog of the program holds the keyboard focus and the
// key before it has reached the program. A dialog still open when the steps
// are done is cancelled, as a failure, so that no test waits forever.
class Typist : public wxTimer, public wxEventFilter {
public:
    explicit Typist(std::vector<KeyStep> steps);
    ~Typist() override;

private:
    void Notify() override;
    int FilterEvent(wxEvent& event) override;

    std::vector<KeyStep> steps_;
    size_t next_ = 0;
    int awaited_ = 0;  // the code of the key pressed last, until the program sees it
    int idleTicks_ = 0;
};

// Starts openbox on the display unless a window manager runs; true when one
// runs. The window manager started here ends with the test process.
bool EnsureWindowManager();
