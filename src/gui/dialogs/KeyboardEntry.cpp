#include "dialogs/KeyboardEntry.h"

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

// Lower case without accents, so that typing "e" finds the French
// elimination entry. Upper-case accented letters are listed too: the C
// locale the toolkit runs in does not lower them.
wxString Folded(const wxString& text) {
    static const wxString accented =
        wxS("\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE"
            "\u00EF\u00F1\u00F2\u00F3\u00F4\u00F5\u00F6\u00F9\u00FA\u00FB\u00FC\u00FD\u00FF\u00C0"
            "\u00C1\u00C2\u00C3\u00C4\u00C5\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF"
            "\u00D1\u00D2\u00D3\u00D4\u00D5\u00D6\u00D9\u00DA\u00DB\u00DC\u00DD");
    static const wxString plain = wxS("aaaaaaceeeeiiiinooooouuuuyyaaaaaaceeeeiiiinooooouuuuy");
    wxString folded = text.Lower();
    for (auto it = folded.begin(); it != folded.end(); ++it) {
        const int at = accented.Find(wxUniChar(*it));
        if (at != wxNOT_FOUND) *it = plain[at];
    }
    return folded;
}

}  // namespace

int TypedEntry(const wxArrayString& entries, int current, const wxString& typed) {
    if (typed.empty() || entries.empty()) return wxNOT_FOUND;
    const wxString wanted = Folded(typed);
    for (size_t i = 0; i < entries.size(); ++i)
        if (Folded(entries[i]) == wanted) return static_cast<int>(i);
    const int count = static_cast<int>(entries.size());
    for (int step = 1; step <= count; ++step) {
        const int i = ((current < 0 ? -1 : current) + step) % count;
        if (Folded(entries[i]).StartsWith(wanted)) return i;
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
