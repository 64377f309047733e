#include "dialogs/GameListDialog.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "dialogs/ListChoice.h"
#include "encoding/ReadingOrder.h"
#include "sheet/GameCatalogue.h"
#include "support/GuiText.h"

namespace zavgui {

GameListDialog::GameListDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitleGameList), keyboard_(this) {
    SetGuideSection(GuideSection::FirstHeat);
    std::vector<std::string> names;
    for (int k = 0; k < zav::kCatalogueGameCount; ++k)
        names.push_back(Shown(zav::Text(wxLanguage, zav::CatalogueGame(k))));
    zav::SortForReading(names);
    wxArrayString catalogue;
    for (const std::string& name : names) catalogue.Add(FromCore(name));

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::GamesGroup));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->AddGrowableCol(1);
    const int count = zav::GamesInUse(sheet_);
    for (int g = 0; g < count; ++g) {
        grid->Add(
            new wxStaticText(box, wxID_ANY, TxFormat(wxLanguage, zav::TextId::GameNumber, g + 1)),
            0, wxALIGN_CENTER_VERTICAL);
        auto* list = new ListChoice(box, catalogue);
        list->SetMinSize(wxSize(300, -1));
        list->SetSelection(FindEntryFor(catalogue, FromCore(Shown(sheet_.sGame[g]))));
        grid->Add(list, 1, wxEXPAND);
        games.push_back(list);
    }
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 1, wxEXPAND);
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::GameListKeysHint)), 0, wxTOP, 8);
    FinishLayout();
}

std::string GameListDialog::Shown(const std::string& name) const {
    return wxLanguage_ == zav::Language::German ? zav::RetireCesure(name) : name;
}

bool GameListDialog::StoreControls() {
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
