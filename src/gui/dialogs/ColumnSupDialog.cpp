#include "dialogs/ColumnSupDialog.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "sheet/ResultEntry.h"
#include "support/GuiText.h"

namespace zavgui {

ColumnSupDialog::ColumnSupDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitleColumnSup), keyboard(this) {
    SetGuideSection(GuideSection::Printing);
    auto* titleRow = new wxBoxSizer(wxHORIZONTAL);
    titleRow->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ColumnTitle)), 0,
                  wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    title = MakeTextField(this, FromCore(sheet_.sColSupTitle));
    titleRow->Add(title, 1, wxEXPAND);
    Body()->Add(titleRow, 0, wxEXPAND | wxBOTTOM, 10);

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ContentByTeam));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, 4, 12);
    grid->AddGrowableCol(1);
    for (int t = 0; t < zav::TeamsInUse(sheet_); ++t) {
        labels.push_back(new wxStaticText(box, wxID_ANY, FromCore(zav::TeamLabel(sheet_, t))));
        contents.push_back(MakeTextField(box, FromCore(sheet_.sColSupContent[t])));
        contents.back()->SetMinSize(wxSize(260, -1));
        grid->Add(labels.back(), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(contents.back(), 1, wxEXPAND);
    }
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 1, wxEXPAND);
    FinishLayout();
    title->SetFocus();
}

bool ColumnSupDialog::StoreControls() {
    sheet_.sColSupTitle = ToCore(title->GetValue());
    for (size_t t = 0; t < contents.size(); ++t)
        sheet_.sColSupContent[t] = ToCore(contents[t]->GetValue());
    return true;
}

}  // namespace zavgui
