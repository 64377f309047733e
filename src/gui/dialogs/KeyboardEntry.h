// Keyboard use of the data-entry dialogs: scorers at the arena type the
// places without reaching for the mouse.
#pragma once

#include <wx/arrstr.h>
#include <wx/longlong.h>
#include <wx/string.h>

class wxChoice;
class wxDialog;
class wxKeyEvent;

namespace zavgui {

// The entry that typed text selects in a list: an entry equal to it, else
// the next entry after `current` (wrapping round) that begins with it, letter
// case and accents ignored. wxNOT_FOUND when none.
int TypedEntry(const wxArrayString& entries, int current, const wxString& typed);

// Makes a dialog confirm with Enter wherever the focus is (except on a button,
// which Enter presses), and lets its drop-down lists be chosen by typing: the
// place number ("1", then "0" at once for "10") or the first letters of an
// entry. Escape still cancels.
class KeyboardEntry {
public:
    explicit KeyboardEntry(wxDialog* dialog);

    // What a key pressed in the dialog does; public so that tests can press
    // keys without a real keyboard.
    void OnCharHook(wxKeyEvent& event);

private:
    // Typing into the focused list; true when the key was used.
    bool TypeInto(wxChoice* list, wxChar typed);

    wxDialog* dialog_;
    wxString typed_;
    wxLongLong lastKeyTime_ = 0;
};

}  // namespace zavgui
