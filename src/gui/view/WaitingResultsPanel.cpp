#include "view/WaitingResultsPanel.h"

#include <wx/button.h>
#include <wx/htmllbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "encoding/Markup.h"
#include "support/GuiText.h"

namespace zavgui {
namespace {

wxString Escaped(const wxString& text) {
    return FromCore(zav::EscapeMarkup(ToCore(text)));
}

// A whole entry, wrapped by the list to its width: nothing of a result is
// cut, and a conflict stands out before the scorer accepts one of two.
wxString EntryMarkup(const WaitingEntry& entry) {
    wxString markup = wxS("<b>") + Escaped(entry.heading) + wxS("</b><br>");
    if (!entry.mark.empty())
        markup += wxS("<font color=\"#c00000\"><b>") + Escaped(entry.mark) + wxS("</b></font><br>");
    return markup + Escaped(entry.result);
}

}  // namespace

WaitingResultsPanel::WaitingResultsPanel(wxWindow* parent, zav::Language language)
    : wxPanel(parent, wxID_ANY) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    judgesHeading_ = new wxStaticText(this, wxID_ANY, Tx(language, zav::TextId::ArenaJudgesTitle));
    judgesHeading_->SetFont(judgesHeading_->GetFont().Bold());
    sizer->Add(judgesHeading_, 0, wxLEFT | wxRIGHT | wxTOP, 6);
    judges = new wxStaticText(this, wxID_ANY, wxEmptyString);
    sizer->Add(judges, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    SetJudges({});
    auto* heading = new wxStaticText(this, wxID_ANY, Tx(language, zav::TextId::ArenaWaitingTitle));
    heading->SetFont(heading->GetFont().Bold());
    sizer->Add(heading, 0, wxALL, 6);
    list = new wxSimpleHtmlListBox(this, wxID_ANY, wxDefaultPosition, wxSize(300, -1));
    sizer->Add(list, 1, wxEXPAND | wxLEFT | wxRIGHT, 6);
    offline_ = new wxStaticText(this, wxID_ANY, Tx(language, zav::TextId::ArenaPanelOffline));
    offline_->Wrap(290);
    sizer->Add(offline_, 0, wxEXPAND | wxALL, 6);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    accept = new wxButton(this, wxID_ANY, Tx(language, zav::TextId::ArenaAccept));
    edit = new wxButton(this, wxID_ANY, Tx(language, zav::TextId::ArenaEdit));
    reject = new wxButton(this, wxID_ANY, Tx(language, zav::TextId::ArenaReject));
    for (wxButton* button : {accept, edit, reject}) buttons->Add(button, 1, wxALL, 3);
    sizer->Add(buttons, 0, wxEXPAND | wxALL, 3);
    auto* keys = new wxStaticText(this, wxID_ANY, Tx(language, zav::TextId::ArenaPanelKeys));
    keys->Wrap(290);
    sizer->Add(keys, 0, wxEXPAND | wxALL, 6);
    SetSizer(sizer);
    list->Bind(wxEVT_KEY_DOWN, &WaitingResultsPanel::OnKey, this);
    accept->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Act(onAccept); });
    edit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Act(onEdit); });
    reject->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Act(onReject); });
    list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ShowButtons(); });
    ShowButtons();
}

void WaitingResultsPanel::SetEntries(const std::vector<WaitingEntry>& entries, bool offline) {
    const int chosen = list->GetSelection();
    wxArrayString items;
    for (const WaitingEntry& entry : entries) items.Add(EntryMarkup(entry));
    list->Set(items);
    if (!entries.empty())
        list->SetSelection(chosen >= 0 && chosen < static_cast<int>(entries.size()) ? chosen : 0);
    offline_->Show(offline);
    ShowButtons();
}

void WaitingResultsPanel::SetJudges(const std::vector<wxString>& lines) {
    wxString text;
    for (const wxString& line : lines) text += (text.empty() ? wxS("") : wxS("\n")) + line;
    judges->SetLabelText(text);
    judges->Wrap(290);
    judgesHeading_->Show(!lines.empty());
    judges->Show(!lines.empty());
    Layout();
}

// The list's keys, as in a file manager's list: Enter takes the entry, F2
// edits it, Delete throws it out; the arrows choose as usual.
void WaitingResultsPanel::OnKey(wxKeyEvent& event) {
    if (event.HasAnyModifiers()) return event.Skip();
    switch (event.GetKeyCode()) {
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: return Act(onAccept);
        case WXK_F2: return Act(onEdit);
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE: return Act(onReject);
        default: event.Skip();
    }
}

void WaitingResultsPanel::Act(const std::function<void(int)>& action) {
    const int chosen = list->GetSelection();
    if (chosen != wxNOT_FOUND && action) action(chosen);
}

void WaitingResultsPanel::ShowButtons() {
    const int chosen = list->GetSelection();
    for (wxButton* button : {accept, edit, reject}) button->Enable(chosen != wxNOT_FOUND);
    Layout();
}

}  // namespace zavgui
