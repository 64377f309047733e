#include "dialogs/GameListDialog.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "sheet/GameCatalogue.h"
#include "support/GuiText.h"

namespace zavgui {

GameListDialog::GameListDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleGameList), sheet_(sheet) {
    wxArrayString catalogue;
    for (int k = 0; k < zav::kCatalogueGameCount; ++k)
        catalogue.Add(Shown(zav::Text(wxLanguage, zav::CatalogueGame(k))));

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::GamesGroup));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->AddGrowableCol(1);
    const int count = zav::GamesInUse(sheet_);
    for (int g = 0; g < count; ++g) {
        grid->Add(
            new wxStaticText(box, wxID_ANY, TxFormat(wxLanguage, zav::TextId::GameNumber, g + 1)),
            0, wxALIGN_CENTER_VERTICAL);
        auto* choice =
            new wxChoice(box, wxID_ANY, wxDefaultPosition, wxSize(300, -1), catalogue, wxCB_SORT);
        choice->SetSelection(FindEntryFor(choice->GetStrings(), Shown(sheet_.sGame[g])));
        grid->Add(choice, 1, wxEXPAND);
        games.push_back(choice);
    }
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 1, wxEXPAND);
    FinishLayout();
}

wxString GameListDialog::Shown(const std::string& name) const {
    return FromCore(wxLanguage_ == zav::Language::German ? zav::RetireCesure(name) : name);
}

bool GameListDialog::TransferDataFromWindow() {
    for (size_t g = 0; g < games.size(); ++g) {
        if (games[g]->GetSelection() == wxNOT_FOUND) {
            sheet_.sGame[g].clear();
            continue;
        }
        const std::string shown = ToCore(games[g]->GetStringSelection());
        sheet_.sGame[g] =
            wxLanguage_ == zav::Language::German ? zav::AjouteCesure(shown, wxLanguage_) : shown;
    }
    return true;
}

}  // namespace zavgui
