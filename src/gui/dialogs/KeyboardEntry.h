// Keyboard use of the data-entry dialogs: scorers at the arena type without
// reaching for the mouse.
#pragma once

#include <functional>

class wxDialog;
class wxKeyEvent;

namespace zavgui {

// Makes a dialog confirm with Enter wherever the focus is, except on a
// button (which Enter presses) and in a text of several lines. Escape
// closes an open drop-down list, else cancels, as in every dialog. `dialogKeys`, when given, sees
// each key first and returns true when it used it.
class KeyboardEntry {
public:
    explicit KeyboardEntry(wxDialog* dialog, std::function<bool(wxKeyEvent&)> dialogKeys = {});

private:
    void OnCharHook(wxKeyEvent& event);

    wxDialog* dialog_;
    std::function<bool(wxKeyEvent&)> dialogKeys_;
};

// Presses the dialog's OK button, as a click does.
void PressOkButton(wxDialog* dialog);

}  // namespace zavgui
