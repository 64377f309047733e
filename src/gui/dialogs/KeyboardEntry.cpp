#include "dialogs/KeyboardEntry.h"

#include <wx/button.h>
#include <wx/combo.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

namespace zavgui {

KeyboardEntry::KeyboardEntry(wxDialog* dialog, std::function<bool(wxKeyEvent&)> dialogKeys)
    : dialog_(dialog), dialogKeys_(std::move(dialogKeys)) {
    dialog_->Bind(wxEVT_CHAR_HOOK, &KeyboardEntry::OnCharHook, this);
}

namespace {

// The drop-down list of `parent` that is open, if any.
wxComboCtrl* OpenList(wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren()) {
        if (auto* list = wxDynamicCast(child, wxComboCtrl); list && list->IsPopupShown())
            return list;
        if (wxComboCtrl* open = OpenList(child)) return open;
    }
    return nullptr;
}

}  // namespace

void KeyboardEntry::OnCharHook(wxKeyEvent& event) {
    // An open drop-down list has the keys; Escape closes it, and the dialog
    // stays with what was typed.
    if (wxComboCtrl* list = OpenList(dialog_)) {
        if (event.GetKeyCode() == WXK_ESCAPE) return list->Dismiss();
        return event.Skip();
    }
    if (dialogKeys_ && dialogKeys_(event)) return;
    const int code = event.GetKeyCode();
    if ((code == WXK_RETURN || code == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
        wxWindow* focus = wxWindow::FindFocus();
        auto* text = wxDynamicCast(focus, wxTextCtrl);
        const bool pressesItself = wxDynamicCast(focus, wxButton) || (text && text->IsMultiLine());
        if (!pressesItself) return PressOkButton(dialog_);
    }
    event.Skip();
}

void PressOkButton(wxDialog* dialog) {
    wxWindow* ok = dialog->FindWindow(wxID_OK);
    if (!ok || !ok->IsEnabled()) return;
    wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
    click.SetEventObject(ok);
    ok->GetEventHandler()->ProcessEvent(click);
}

}  // namespace zavgui
