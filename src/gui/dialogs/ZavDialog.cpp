#include "dialogs/ZavDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "support/GuiText.h"

namespace zavgui {

wxDEFINE_EVENT(EVT_ZAV_DIALOG_OPEN, wxCommandEvent);
wxDEFINE_EVENT(EVT_ZAV_GUIDE, wxCommandEvent);

namespace {
constexpr int kPadding = 10;

void TellParent(wxWindow* parent, bool open) {
    if (!parent) return;
    wxCommandEvent event(EVT_ZAV_DIALOG_OPEN);
    event.SetInt(open ? 1 : 0);
    parent->GetEventHandler()->ProcessEvent(event);
}
}  // namespace

ZavDialog::ZavDialog(wxWindow* parent, zav::Language wxLanguage, zav::TextId title)
    : wxDialog(parent, wxID_ANY, zavgui::Tx(wxLanguage, title)),
      wxLanguage_(wxLanguage),
      body_(new wxBoxSizer(wxVERTICAL)) {
    Bind(wxEVT_CHAR_HOOK, &ZavDialog::OnCharHook, this);
}

// A dialog opened from a dialog is the child of that dialog, which does not
// open the guide itself: the request climbs to the window.
void ZavDialog::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F1 || event.HasAnyModifiers()) {
        event.Skip();
        return;
    }
    wxCommandEvent request(EVT_ZAV_GUIDE);
    request.SetInt(static_cast<int>(guideSection_));
    for (wxWindow* up = GetParent(); up; up = up->GetParent())
        if (up->GetEventHandler()->ProcessEvent(request)) return;
}

int ZavDialog::ShowModal() {
    TellParent(GetParent(), true);
    const int answer = wxDialog::ShowModal();
    TellParent(GetParent(), false);
    return answer;
}

wxString ZavDialog::Tx(zav::TextId id) const {
    return zavgui::Tx(wxLanguage_, id);
}

void ZavDialog::FinishLayout(zav::TextId cancelLabel, wxButton* extra) {
    auto* buttons = new wxStdDialogButtonSizer;
    auto* ok = new wxButton(this, wxID_OK, Tx(zav::TextId::Ok));
    ok->SetDefault();
    buttons->AddButton(ok);
    auto* cancel = new wxButton(this, wxID_CANCEL, Tx(cancelLabel));
    buttons->AddButton(cancel);
    buttons->Realize();
    // GTK shows Cancel left of OK; Tab reaches OK first all the same, so
    // that Tab then Enter after the last field never discards the entry.
    cancel->MoveAfterInTabOrder(ok);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (extra) {
        row->Add(extra, 0, wxALIGN_CENTER_VERTICAL);
        extra->MoveAfterInTabOrder(cancel);
    }
    row->AddStretchSpacer();
    row->Add(buttons, 0);

    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(body_, 1, wxEXPAND | wxALL, kPadding);
    outer->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kPadding);
    SetSizerAndFit(outer);
    CentreOnParent();
}

wxTextCtrl* ZavDialog::MakeTextField(wxWindow* parent, const wxString& value, int maxLength) {
    auto* field = new wxTextCtrl(parent, wxID_ANY, value);
    field->SetMaxLength(maxLength);
    return field;
}

wxStaticText* ZavDialog::MakeHeading(const wxString& text) {
    auto* heading = new wxStaticText(this, wxID_ANY, text);
    heading->SetFont(heading->GetFont().Bold());
    return heading;
}

int FindEntryFor(const wxArrayString& entries, const wxString& stored) {
    if (entries.empty()) return wxNOT_FOUND;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == stored) return static_cast<int>(i);
    const wxString prefix = stored.Lower();
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Lower().StartsWith(prefix)) return static_cast<int>(i);
    return wxNOT_FOUND;
}

}  // namespace zavgui
