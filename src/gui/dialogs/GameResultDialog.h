// The finishing order of one game: every team's place or special outcome,
// and its blame, typed one key per team.
#pragma once

#include <vector>

#include "dialogs/ColumnKeys.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxButton;
class wxCheckBox;
class wxStaticText;
class wxTextCtrl;

namespace zavgui {

class ListChoice;

class GameResultDialog : public SheetDialog {
public:
    // With `historyOf`, the history of the game chosen, as that sheet
    // records it, is shown under the results.
    GameResultDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage,
                     const zav::ScoreSheet* historyOf = nullptr);

    // OK with teams left without a result while others have one asks
    // first; false keeps the dialog open on the first of them.
    bool Validate() override;
    // "Clear": once the user agrees, the shown game is to be stored without
    // any result or blame; true then.
    bool ConfirmClear();
    // Whether OK stored anything: a game left without any result keeps what
    // it had.
    bool Stored() const { return stored_; }

    // The controls, for the tests that play the user.
    ListChoice* game = nullptr;
    wxStaticText* gameName = nullptr;
    std::vector<wxStaticText*> labels;
    std::vector<ListChoice*> results;
    std::vector<wxCheckBox*> blames;
    wxButton* clear = nullptr;
    wxTextCtrl* history = nullptr;

private:
    bool StoreControls() override;
    // The record's results and blames of game g into the team rows.
    void DisplayResult(int g);
    void OnGameChosen();
    zav::EntryKey Meaning(size_t row, std::string_view typed, char32_t key) const;

    ColumnKeys keys_;
    // The typed number for which the proposal last stepped back.
    unsigned steppedForNumber_ = 0;
    const zav::ScoreSheet* historyOf_;
    bool cleared_ = false;
    bool stored_ = false;
};

}  // namespace zavgui
