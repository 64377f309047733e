#include "dialogs/DeleteTeamDialog.h"

#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "support/GuiText.h"

namespace zavgui {

namespace {
constexpr int kTextWidth = 420;
}

DeleteTeamDialog::DeleteTeamDialog(wxWindow* parent, const zav::ScoreSheet& sheet,
                                   zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleDeleteTeam), keyboard(this) {
    SetGuideSection(GuideSection::FirstHeat);
    auto* choose = new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ChooseTeamToDelete));
    choose->Wrap(kTextWidth);
    Body()->Add(choose, 0, wxBOTTOM, 8);

    wxArrayString names;
    for (int t = 0; t < zav::TeamsInUse(sheet); ++t) names.Add(FromCore(sheet.sTeamName[t]));
    teamList = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(kTextWidth, -1), names,
                             wxLB_SINGLE);
    // Every team in sight, without scrolling.
    const int rowHeight = teamList->GetCharHeight() + 8;
    teamList->SetMinSize(wxSize(kTextWidth, rowHeight * static_cast<int>(names.size()) + 8));
    Body()->Add(teamList, 1, wxEXPAND | wxBOTTOM, 8);

    auto* warning = new wxStaticText(this, wxID_ANY, Tx(zav::TextId::DeletionWarning));
    warning->SetFont(warning->GetFont().Bold());
    warning->Wrap(kTextWidth);
    Body()->Add(warning, 0);
    FinishLayout();
    teamList->SetFocus();
}

int DeleteTeamDialog::ChosenTeam() const {
    return teamList->GetSelection();
}

}  // namespace zavgui
