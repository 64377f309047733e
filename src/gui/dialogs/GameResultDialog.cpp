#include "dialogs/GameResultDialog.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "sheet/ResultEntry.h"
#include "support/GuiText.h"

namespace zavgui {

GameResultDialog::GameResultDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                   zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleGameResult), keyboard(this), sheet_(sheet) {
    zav::SetResultListPositions(sheet_);
    const int teams = zav::TeamsInUse(sheet_);

    auto* gameGroup = new wxStaticBoxSizer(wxHORIZONTAL, this, Tx(zav::TextId::GameGroup));
    wxWindow* gameBox = gameGroup->GetStaticBox();
    game = new wxChoice(gameBox, wxID_ANY);
    for (int g = 0; g < zav::GamesInUse(sheet_); ++g) game->Append(wxString::Format("%d", g + 1));
    game->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnGameChosen(); });
    gameName = new wxStaticText(gameBox, wxID_ANY, wxString());
    // Room for the longest game names, so that choosing a game never needs
    // a wider dialog.
    gameName->SetMinSize(wxSize(320, -1));
    gameGroup->Add(game, 0, wxALIGN_CENTER_VERTICAL | wxALL, 6);
    gameGroup->Add(gameName, 1, wxALIGN_CENTER_VERTICAL | wxALL, 6);
    Body()->Add(gameGroup, 0, wxEXPAND);

    // Every list offers the same entries: the places, then the three outcomes.
    wxArrayString entries;
    for (int p = 1; p <= teams; ++p) entries.Add(wxString::Format("%d", p));
    entries.Add(TxFormat(wxLanguage, zav::TextId::EliminationEntry, sheet_.iEliminationRule));
    entries.Add(Tx(zav::TextId::AbandonEntry));
    entries.Add(Tx(zav::TextId::DefinitiveAbandonEntry));

    auto* orderGroup = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ArrivalOrder));
    wxWindow* orderBox = orderGroup->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, 4, 12);
    grid->AddGrowableCol(0);
    grid->AddSpacer(0);
    grid->AddSpacer(0);
    grid->Add(new wxStaticText(orderBox, wxID_ANY, Tx(zav::TextId::BlameHeading)), 0,
              wxALIGN_CENTER);
    for (int t = 0; t < teams; ++t) {
        labels.push_back(new wxStaticText(orderBox, wxID_ANY, FromCore(zav::TeamLabel(sheet_, t))));
        results.push_back(
            new wxChoice(orderBox, wxID_ANY, wxDefaultPosition, wxDefaultSize, entries));
        blames.push_back(new wxCheckBox(orderBox, wxID_ANY, wxString()));
        grid->Add(labels.back(), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(results.back(), 0, wxEXPAND);
        grid->Add(blames.back(), 0, wxALIGN_CENTER);
    }
    orderGroup->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(orderGroup, 1, wxEXPAND | wxTOP, 10);

    const int proposed = zav::GameToPropose(sheet_);
    if (proposed < static_cast<int>(game->GetCount())) game->SetSelection(proposed);
    DisplayResult(proposed);
    FinishLayout();
    // Most openings are for the game proposed: the scorer starts with the
    // first team's place, the game chooser is one Shift+Tab away.
    if (!results.empty())
        results.front()->SetFocus();
    else
        game->SetFocus();
}

void GameResultDialog::DisplayResult(int g) {
    if (g < 0 || g >= zav::GamesInUse(sheet_)) return;
    gameName->SetLabel(FromCore(sheet_.sGame[g]));
    for (size_t t = 0; t < results.size(); ++t) {
        results[t]->SetSelection(zav::ResultListPosition(sheet_, sheet_.iGamePlace[t][g]));
        blames[t]->SetValue(sheet_.bAvertissement[t][g]);
    }
}

void GameResultDialog::OnGameChosen() {
    DisplayResult(game->GetSelection());
    zav::OnOtherGameChosen(sheet_);
}

bool GameResultDialog::TransferDataFromWindow() {
    const int g = game->GetSelection();
    if (g < 0 || g >= zav::GamesInUse(sheet_)) return true;
    for (size_t t = 0; t < results.size(); ++t) {
        sheet_.iGamePlace[t][g] = zav::ResultCodeAt(sheet_, results[t]->GetSelection());
        sheet_.bAvertissement[t][g] = blames[t]->GetValue();
    }
    return true;
}

}  // namespace zavgui
