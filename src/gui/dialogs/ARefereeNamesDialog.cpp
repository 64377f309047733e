#include "dialogs/ARefereeNamesDialog.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "sheet/ResultEntry.h"
#include "support/GuiText.h"

namespace zavgui {

ARefereeNamesDialog::ARefereeNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                         zav::Language wxLanguage)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitleARefereeNames), keyboard(this) {
    SetGuideSection(GuideSection::FirstHeat);
    Body()->Add(MakeHeading(Tx(zav::TextId::ARefereeHeader)), 0, wxBOTTOM, 8);

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

bool ARefereeNamesDialog::StoreControls() {
    for (size_t k = 0; k < teams.size(); ++k) {
        sheet_.sARefereeTeam[k] = ToCore(teams[k]->GetValue().Left(kStaffTextLength));
        sheet_.sARefereeName[k] = ToCore(names[k]->GetValue().Left(kStaffTextLength));
    }
    return true;
}

}  // namespace zavgui
