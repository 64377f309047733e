#include "view/WaitingResultsPanel.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "support/GuiText.h"

namespace zavgui {

WaitingResultsPanel::WaitingResultsPanel(wxWindow* parent, zav::Language language)
    : wxPanel(parent, wxID_ANY) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* heading = new wxStaticText(this, wxID_ANY, Tx(language, zav::TextId::ArenaWaitingTitle));
    heading->SetFont(heading->GetFont().Bold());
    sizer->Add(heading, 0, wxALL, 6);
    list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(300, -1), 0, nullptr,
                         wxLB_SINGLE | wxLB_HSCROLL);
    sizer->Add(list, 1, wxEXPAND | wxLEFT | wxRIGHT, 6);
    detail_ = new wxStaticText(this, wxID_ANY, wxString());
    sizer->Add(detail_, 0, wxEXPAND | wxALL, 6);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    accept = new wxButton(this, wxID_ANY, Tx(language, zav::TextId::ArenaAccept));
    edit = new wxButton(this, wxID_ANY, Tx(language, zav::TextId::ArenaEdit));
    reject = new wxButton(this, wxID_ANY, Tx(language, zav::TextId::ArenaReject));
    for (wxButton* button : {accept, edit, reject}) buttons->Add(button, 1, wxALL, 3);
    sizer->Add(buttons, 0, wxEXPAND | wxALL, 3);
    SetSizer(sizer);
    accept->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Act(onAccept); });
    edit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Act(onEdit); });
    reject->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Act(onReject); });
    list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ShowButtons(); });
    ShowButtons();
}

void WaitingResultsPanel::SetLines(const std::vector<wxString>& lines) {
    const int chosen = list->GetSelection();
    list->Clear();
    for (const wxString& line : lines) list->Append(line);
    if (!lines.empty())
        list->SetSelection(chosen >= 0 && chosen < static_cast<int>(lines.size()) ? chosen : 0);
    ShowButtons();
}

void WaitingResultsPanel::Act(const std::function<void(int)>& action) {
    const int chosen = list->GetSelection();
    if (chosen != wxNOT_FOUND && action) action(chosen);
}

void WaitingResultsPanel::ShowButtons() {
    const int chosen = list->GetSelection();
    for (wxButton* button : {accept, edit, reject}) button->Enable(chosen != wxNOT_FOUND);
    detail_->SetLabel(chosen == wxNOT_FOUND ? wxString() : list->GetString(chosen));
    detail_->Wrap(list->GetSize().x > 50 ? list->GetSize().x : 290);
    Layout();
}

}  // namespace zavgui
