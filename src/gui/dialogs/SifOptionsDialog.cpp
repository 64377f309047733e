#include "dialogs/SifOptionsDialog.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/ListChoice.h"
#include "support/GuiText.h"

namespace zavgui {

namespace {
constexpr int kFewestGames = 4;
constexpr int kDefaultGames = 6;
}  // namespace

SifOptionsDialog::SifOptionsDialog(wxWindow* parent, zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleSetOptions) {
    SetGuideSection(GuideSection::SetsFromEntries);
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->AddGrowableCol(1);
    const auto addRow = [&](zav::TextId label, wxWindow* control, int flags = wxEXPAND) {
        grid->Add(new wxStaticText(this, wxID_ANY, Tx(label)), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(control, 1, flags);
    };
    title = MakeTextField(this, wxString());
    title->SetMinSize(wxSize(360, -1));
    date = MakeTextField(this, wxString());
    referee = MakeTextField(this, wxString());
    wxArrayString numbers;
    for (int n = kFewestGames; n <= zav::kMaxGames; ++n) numbers.Add(wxString::Format("%d", n));
    games = new ListChoice(this, numbers, Typing::Numbers);
    games->SetSelection(kDefaultGames - kFewestGames);
    addRow(zav::TextId::CommonTitle, title);
    addRow(zav::TextId::Date, date);
    addRow(zav::TextId::Referee, referee);
    addRow(zav::TextId::GamesNumber, games, 0);
    Body()->Add(grid, 0, wxEXPAND);

    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::SetGamesNote1)), 0, wxTOP, 10);
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::SetGamesNote2)), 0, wxTOP, 2);

    frenchRules = new wxCheckBox(this, wxID_ANY, Tx(zav::TextId::FrenchRules));
    internationalRules = new wxCheckBox(this, wxID_ANY, Tx(zav::TextId::InternationalRules));
    onePerCategory = new wxCheckBox(this, wxID_ANY, Tx(zav::TextId::OneSheetPerCategory));
    grouped = new wxCheckBox(this, wxID_ANY, Tx(zav::TextId::GroupedCategories));
    Pair(frenchRules, internationalRules);
    Pair(onePerCategory, grouped);
    Body()->Add(frenchRules, 0, wxTOP, 14);
    Body()->Add(internationalRules, 0, wxTOP, 4);
    Body()->Add(onePerCategory, 0, wxTOP, 14);
    Body()->Add(grouped, 0, wxTOP, 4);

    FinishLayout();
    title->SetFocus();
}

void SifOptionsDialog::Pair(wxCheckBox* first, wxCheckBox* second) {
    first->SetValue(true);
    second->SetValue(false);
    const auto choose = [](wxCheckBox* chosen, wxCheckBox* other) {
        chosen->SetValue(true);
        other->SetValue(false);
    };
    first->Bind(wxEVT_CHECKBOX, [=](wxCommandEvent&) { choose(first, second); });
    second->Bind(wxEVT_CHECKBOX, [=](wxCommandEvent&) { choose(second, first); });
}

bool SifOptionsDialog::TransferDataFromWindow() {
    options.sTitle = ToCore(title->GetValue());
    options.sDate = ToCore(date->GetValue());
    options.sReferee = ToCore(referee->GetValue());
    options.iGamesNr = games->GetSelection() + kFewestGames;
    options.bFrenchRules = frenchRules->GetValue();
    bOnePerCat = onePerCategory->GetValue();
    return true;
}

}  // namespace zavgui
