#include "dialogs/PlaceurNamesDialog.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "support/GuiText.h"

namespace zavgui {

PlaceurNamesDialog::PlaceurNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                       zav::Language wxLanguage)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitlePlaceurNames), keyboard(this) {
    SetGuideSection(GuideSection::FirstHeat);
    Body()->Add(MakeHeading(Tx(zav::TextId::PlaceurHeader)), 0, wxBOTTOM, 8);
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

bool PlaceurNamesDialog::StoreControls() {
    for (size_t k = 0; k < names.size(); ++k)
        sheet_.sPlaceurName[k] = ToCore(names[k]->GetValue().Left(kStaffTextLength));
    return true;
}

}  // namespace zavgui
