#include "dialogs/GameHistoryDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "dialogs/ListChoice.h"
#include "history/HistoryText.h"
#include "support/GuiText.h"

namespace zavgui {

wxString HistoryText(const zav::ScoreSheet& sheet, int game, zav::Language language) {
    const std::vector<std::string> lines =
        zav::GameHistoryLines(sheet, game, language, zav::WithStanding::Yes);
    if (lines.empty()) return Tx(language, zav::TextId::HistoryNothing);
    // Wrapped to the box, an entry's lines apart from the next one's.
    wxString text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += wxS("\n\n");
        text += FromCore(line);
    }
    return text;
}

GameHistoryDialog::GameHistoryDialog(wxWindow* parent, const zav::ScoreSheet& sheet,
                                     zav::Language wxLanguage, int shown)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleGameHistory), sheet_(sheet) {
    auto* gameGroup = new wxStaticBoxSizer(wxHORIZONTAL, this, Tx(zav::TextId::GameGroup));
    wxArrayString numbers;
    for (int g = 0; g < zav::GamesInUse(sheet_); ++g) numbers.Add(wxString::Format("%d", g + 1));
    game = new ListChoice(gameGroup->GetStaticBox(), numbers, Typing::Numbers);
    game->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { ShowGame(game->GetSelection()); });
    gameGroup->Add(game, 0, wxALL, 6);
    Body()->Add(gameGroup, 0, wxEXPAND);
    history = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(720, 300),
                             wxTE_MULTILINE | wxTE_READONLY);
    Body()->Add(history, 1, wxEXPAND | wxTOP, 8);
    FinishLayout(zav::TextId::CloseButton);
    // Nothing to accept: the history changes nothing.
    FindWindow(wxID_OK)->Hide();
    static_cast<wxButton*>(FindWindow(wxID_CANCEL))->SetDefault();
    SetEscapeId(wxID_CANCEL);
    if (shown >= 0 && shown < static_cast<int>(game->GetCount())) game->SetSelection(shown);
    ShowGame(game->GetSelection());
    game->SetFocus();
}

void GameHistoryDialog::ShowGame(int g) {
    history->ChangeValue(g < 0 ? wxString() : HistoryText(sheet_, g, wxLanguage_));
}

}  // namespace zavgui
