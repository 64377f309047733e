#include "dialogs/GameResultDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/GameHistoryDialog.h"
#include "dialogs/ListChoice.h"
#include "platform/ToolkitPlatform.h"
#include "sheet/GameCatalogue.h"
#include "sheet/ResultEntry.h"
#include "support/GuiText.h"

namespace zavgui {

GameResultDialog::GameResultDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                   zav::Language wxLanguage, const zav::ScoreSheet* historyOf)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitleGameResult),
      keys_(this, [this](size_t row, std::string_view typed,
                         char32_t key) { return Meaning(row, typed, key); }),
      historyOf_(historyOf) {
    SetGuideSection(GuideSection::ResultKeys);
    zav::SetResultListPositions(sheet_);
    const int teams = zav::TeamsInUse(sheet_);

    auto* gameGroup = new wxStaticBoxSizer(wxHORIZONTAL, this, Tx(zav::TextId::GameGroup));
    wxWindow* gameBox = gameGroup->GetStaticBox();
    wxArrayString numbers;
    for (int g = 0; g < zav::GamesInUse(sheet_); ++g) numbers.Add(wxString::Format("%d", g + 1));
    game = new ListChoice(gameBox, numbers, Typing::Numbers);
    game->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { OnGameChosen(); });
    keys_.AddRow(game);
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
        results.push_back(new ListChoice(orderBox, entries, Typing::Numbers));
        blames.push_back(new wxCheckBox(orderBox, wxID_ANY, wxString()));
        keys_.AddRow(results.back(), blames.back());
        grid->Add(labels.back(), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(results.back(), 0, wxEXPAND);
        grid->Add(blames.back(), 0, wxALIGN_CENTER);
    }
    keys_.onBlame = [this](size_t row) {
        if (row > 0) blames[row - 1]->SetValue(!blames[row - 1]->GetValue());
    };
    orderGroup->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(orderGroup, 1, wxEXPAND | wxTOP, 10);
    auto* hint = new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ResultKeysHint));
    hint->Wrap(std::max(orderGroup->GetMinSize().x, 420));
    Body()->Add(hint, 0, wxTOP, 8);
    if (historyOf_) {
        Body()->Add(MakeHeading(Tx(zav::TextId::HistoryOfThisGame)), 0, wxTOP, 10);
        history = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition,
                                 wxSize(std::max(orderGroup->GetMinSize().x, 420), 110),
                                 wxTE_MULTILINE | wxTE_READONLY);
        Body()->Add(history, 0, wxEXPAND | wxTOP, 4);
    }

    const int proposed = zav::GameToPropose(sheet_);
    if (proposed < static_cast<int>(game->GetCount())) game->SetSelection(proposed);
    DisplayResult(proposed);
    clear = new wxButton(this, wxID_CLEAR, Tx(zav::TextId::ClearResults));
    clear->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (ConfirmClear() && TransferDataFromWindow()) EndModal(wxID_OK);
    });
    FinishLayout(zav::TextId::Cancel, clear);
    // Most openings are for the game proposed: the scorer starts with the
    // first team's place, the game chooser is one Up away.
    if (!results.empty())
        results.front()->SetFocus();
    else
        game->SetFocus();
}

zav::EntryKey GameResultDialog::Meaning(size_t row, std::string_view typed, char32_t key) const {
    if (row > 0) return zav::ResultKey(sheet_, wxLanguage_, typed, key);
    std::vector<int> games;
    for (unsigned g = 1; g <= game->GetCount(); ++g) games.push_back(static_cast<int>(g));
    return zav::NumberKey(games, typed, key);
}

void GameResultDialog::DisplayResult(int g) {
    if (g < 0 || g >= zav::GamesInUse(sheet_)) return;
    // German names without the break points of the score sheet's columns.
    gameName->SetLabel(FromCore(wxLanguage_ == zav::Language::German
                                    ? zav::RetireCesure(sheet_.sGame[g])
                                    : sheet_.sGame[g]));
    for (size_t t = 0; t < results.size(); ++t) {
        results[t]->SetSelection(zav::ResultListPosition(sheet_, sheet_.iGamePlace[t][g]));
        blames[t]->SetValue(sheet_.bAvertissement[t][g]);
    }
    if (history) history->ChangeValue(HistoryText(*historyOf_, g, wxLanguage_));
}

// A game number typed digit by digit ("1", then "10") is one game chosen:
// the proposal steps back once for it.
void GameResultDialog::OnGameChosen() {
    DisplayResult(game->GetSelection());
    const unsigned number = keys_.TypedNumber();
    if (number != 0 && number == steppedForNumber_) return;
    steppedForNumber_ = number;
    zav::OnOtherGameChosen(sheet_);
}

bool GameResultDialog::Validate() {
    if (cleared_) return true;
    wxString missing;
    int first = -1;
    bool anyResult = false;
    for (size_t t = 0; t < results.size(); ++t) {
        if (results[t]->GetSelection() != wxNOT_FOUND) {
            anyResult = true;
            continue;
        }
        if (first < 0) first = static_cast<int>(t);
        const std::string& name = sheet_.sTeamName[t];
        if (!missing.empty()) missing += wxS(", ");
        missing += name.empty() ? TxFormat(wxLanguage_, zav::TextId::TeamNumber, long(t + 1))
                                : FromCore(name);
    }
    if (!anyResult || first < 0) return true;
    wxMessageDialog question(this, TxFormat(wxLanguage_, zav::TextId::MissingResults, missing),
                             sAppli, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    question.SetYesNoLabels(Tx(zav::TextId::Yes), Tx(zav::TextId::No));
    if (ShowMessageBox(question, this) == wxID_YES) return true;
    results[first]->SetFocus();
    return false;
}

bool GameResultDialog::ConfirmClear() {
    const int g = game->GetSelection();
    wxMessageDialog question(this, TxFormat(wxLanguage_, zav::TextId::ClearResultsQuestion, g + 1),
                             sAppli, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    question.SetYesNoLabels(Tx(zav::TextId::Yes), Tx(zav::TextId::No));
    cleared_ = ShowMessageBox(question, this) == wxID_YES;
    return cleared_;
}

bool GameResultDialog::StoreControls() {
    const int g = game->GetSelection();
    if (g < 0 || g >= zav::GamesInUse(sheet_)) return true;
    bool anyResult = cleared_;
    for (const ListChoice* list : results) anyResult |= list->GetSelection() != wxNOT_FOUND;
    if (!anyResult) return true;
    for (size_t t = 0; t < results.size(); ++t) {
        sheet_.iGamePlace[t][g] =
            cleared_ ? zav::kNoResult : zav::ResultCodeAt(sheet_, results[t]->GetSelection());
        sheet_.bAvertissement[t][g] = !cleared_ && blames[t]->GetValue();
    }
    stored_ = true;
    return true;
}

}  // namespace zavgui
