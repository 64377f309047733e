#include "KeyboardEntry.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/time.h>

namespace zavgui {

namespace {

// Keys typed closer together than this make one text ("1" then "0": "10").
constexpr long kTypingPauseMs = 1000;

// The character a key stands for in a list, keypad digits included; 0 for
// keys that do not type.
wxChar TypedCharacter(const wxKeyEvent& event) {
    const int code = event.GetKeyCode();
    if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9) return wxChar('0' + (code - WXK_NUMPAD0));
    if (event.HasAnyModifiers()) return 0;
    const wxChar c = event.GetUnicodeKey();
    return c > ' ' ? c : 0;
}

}  // namespace

int TypedEntry(const wxArrayString& entries, int current, const wxString& typed) {
    if (typed.empty() || entries.empty()) return wxNOT_FOUND;
    const wxString wanted = typed.Lower();
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Lower() == wanted) return static_cast<int>(i);
    const int count = static_cast<int>(entries.size());
    for (int step = 1; step <= count; ++step) {
        const int i = ((current < 0 ? -1 : current) + step) % count;
        if (entries[i].Lower().StartsWith(wanted)) return i;
    }
    return wxNOT_FOUND;
}

KeyboardEntry::KeyboardEntry(wxDialog* dialog) : dialog_(dialog) {
    dialog_->Bind(wxEVT_CHAR_HOOK, &KeyboardEntry::OnCharHook, this);
}

void KeyboardEntry::OnCharHook(wxKeyEvent& event) {
    wxWindow* focus = wxWindow::FindFocus();
    const int code = event.GetKeyCode();
    if ((code == WXK_RETURN || code == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
        const bool pressesItself =
            wxDynamicCast(focus, wxButton) ||
            (wxDynamicCast(focus, wxTextCtrl) && wxDynamicCast(focus, wxTextCtrl)->IsMultiLine());
        wxWindow* ok = dialog_->FindWindow(wxID_OK);
        if (!pressesItself && ok && ok->IsEnabled()) {
            wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
            click.SetEventObject(ok);
            ok->GetEventHandler()->ProcessEvent(click);
            return;
        }
    }
    if (auto* list = wxDynamicCast(focus, wxChoice)) {
        const wxChar typed = TypedCharacter(event);
        if (typed && TypeInto(list, typed)) return;
    }
    event.Skip();
}

bool KeyboardEntry::TypeInto(wxChoice* list, wxChar typed) {
    const wxLongLong now = wxGetUTCTimeMillis();
    if (now - lastKeyTime_ > kTypingPauseMs) typed_.clear();
    lastKeyTime_ = now;
    typed_ += typed;
    const wxArrayString entries = list->GetStrings();
    int found = TypedEntry(entries, list->GetSelection(), typed_);
    if (found == wxNOT_FOUND && typed_.length() > 1) {
        typed_ = wxString(typed);
        found = TypedEntry(entries, list->GetSelection(), typed_);
    }
    if (found == wxNOT_FOUND) return false;
    if (found != list->GetSelection()) {
        list->SetSelection(found);
        // What a choice with the mouse would tell the dialog.
        wxCommandEvent chosen(wxEVT_CHOICE, list->GetId());
        chosen.SetEventObject(list);
        chosen.SetInt(found);
        chosen.SetString(entries[found]);
        list->GetEventHandler()->ProcessEvent(chosen);
    }
    return true;
}

}  // namespace zavgui
