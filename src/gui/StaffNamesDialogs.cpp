#include "StaffNamesDialogs.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "GuiText.h"
#include "sheet/ResultEntry.h"

namespace zavgui {

namespace {

constexpr int kStaffTextLength = 127;

wxStaticText* Header(wxWindow* parent, const wxString& text) {
    auto* header = new wxStaticText(parent, wxID_ANY, text);
    header->SetFont(header->GetFont().Bold());
    return header;
}

}  // namespace

ARefereeNamesDialog::ARefereeNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                         zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleARefereeNames),
      keyboard(this),
      sheet_(sheet) {
    Body()->Add(Header(this, Tx(zav::TextId::ARefereeHeader)), 0, wxBOTTOM, 8);

    const int teamsNr = zav::TeamsInUse(sheet_);
    wxArrayString teamNames;
    for (int t = 0; t < teamsNr; ++t) teamNames.Add(FromCore(sheet_.sTeamName[t]));

    auto* grid = new wxFlexGridSizer(2, 4, 12);
    grid->AddGrowableCol(1);
    grid->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::RefereesTeamColumn)));
    grid->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::RefereesNamesColumn)));
    for (int k = 0; k < zav::ARefereeRows(sheet_); ++k) {
        auto* team = new wxComboBox(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(240, -1),
                                    teamNames, wxCB_DROPDOWN);
        team->SetMaxLength(kStaffTextLength);
        if (sheet_.sARefereeTeam[k].empty()) {
            // Row k proposes team k; rows past the teams propose the first.
            const wxString own = k < teamsNr ? teamNames[k] : wxString();
            const int entry = FindEntryFor(teamNames, own);
            if (entry != wxNOT_FOUND) team->SetSelection(entry);
        } else {
            team->ChangeValue(FromCore(sheet_.sARefereeTeam[k]));
        }
        teams.push_back(team);
        names.push_back(MakeTextField(this, FromCore(sheet_.sARefereeName[k]), kStaffTextLength));
        names.back()->SetMinSize(wxSize(300, -1));
        grid->Add(team, 0);
        grid->Add(names.back(), 1, wxEXPAND);
    }
    Body()->Add(grid, 1, wxEXPAND);
    FinishLayout();
    if (!teams.empty()) teams.front()->SetFocus();
}

bool ARefereeNamesDialog::TransferDataFromWindow() {
    for (size_t k = 0; k < teams.size(); ++k) {
        sheet_.sARefereeTeam[k] = ToCore(teams[k]->GetValue().Left(kStaffTextLength));
        sheet_.sARefereeName[k] = ToCore(names[k]->GetValue().Left(kStaffTextLength));
    }
    return true;
}

PlaceurNamesDialog::PlaceurNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                       zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitlePlaceurNames), keyboard(this), sheet_(sheet) {
    Body()->Add(Header(this, Tx(zav::TextId::PlaceurHeader)), 0, wxBOTTOM, 8);
    auto* grid = new wxFlexGridSizer(2, 4, 12);
    grid->AddGrowableCol(1);
    for (int k = 0; k < zav::TeamsInUse(sheet_); ++k) {
        labels.push_back(new wxStaticText(this, wxID_ANY, FromCore(sheet_.sTeamName[k])));
        names.push_back(MakeTextField(this, FromCore(sheet_.sPlaceurName[k]), kStaffTextLength));
        names.back()->SetMinSize(wxSize(300, -1));
        grid->Add(labels.back(), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(names.back(), 1, wxEXPAND);
    }
    Body()->Add(grid, 1, wxEXPAND);
    FinishLayout();
    if (!names.empty()) names.front()->SetFocus();
}

bool PlaceurNamesDialog::TransferDataFromWindow() {
    for (size_t k = 0; k < names.size(); ++k)
        sheet_.sPlaceurName[k] = ToCore(names[k]->GetValue().Left(kStaffTextLength));
    return true;
}

}  // namespace zavgui
