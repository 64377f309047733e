#include "dialogs/TeamsDialog.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "support/GuiText.h"

namespace zavgui {

TeamsDialog::TeamsDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitleTeams), keyboard_(this) {
    SetGuideSection(GuideSection::FirstHeat);
    const bool withChallenge = sheet_.iChallengeScoring != 0;
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::TeamsGroup));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(withChallenge ? 4 : 3, 6, 8);
    grid->AddGrowableCol(1);
    grid->AddGrowableCol(2);

    grid->AddSpacer(0);
    grid->Add(new wxStaticText(box, wxID_ANY, Tx(zav::TextId::Names)));
    grid->Add(new wxStaticText(box, wxID_ANY, Tx(zav::TextId::Colors)));
    if (withChallenge) grid->Add(new wxStaticText(box, wxID_ANY, Tx(zav::TextId::Challenge)));

    const int teams = zav::TeamsInUse(sheet_);
    for (int t = 0; t < teams; ++t) {
        grid->Add(
            new wxStaticText(box, wxID_ANY, TxFormat(wxLanguage, zav::TextId::TeamNumber, t + 1)),
            0, wxALIGN_CENTER_VERTICAL);
        names.push_back(MakeTextField(box, FromCore(sheet_.sTeamName[t])));
        names.back()->SetMinSize(wxSize(260, -1));
        grid->Add(names.back(), 1, wxEXPAND);
        colors.push_back(MakeTextField(box, FromCore(sheet_.sTeamColors[t])));
        colors.back()->SetMinSize(wxSize(200, -1));
        grid->Add(colors.back(), 1, wxEXPAND);
        if (withChallenge) {
            challenge.push_back(new wxCheckBox(box, wxID_ANY, wxString()));
            challenge.back()->SetValue(sheet_.bChallengeTeam[t]);
            grid->Add(challenge.back(), 0, wxALIGN_CENTER);
        }
    }
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 1, wxEXPAND);
    FinishLayout();
}

bool TeamsDialog::StoreControls() {
    for (size_t t = 0; t < names.size(); ++t) {
        sheet_.sTeamName[t] = ToCore(names[t]->GetValue());
        sheet_.sTeamColors[t] = ToCore(colors[t]->GetValue());
    }
    for (size_t t = 0; t < challenge.size(); ++t)
        sheet_.bChallengeTeam[t] = challenge[t]->GetValue();
    return true;
}

}  // namespace zavgui
