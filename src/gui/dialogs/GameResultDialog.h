// The finishing order of one game: every team's place or special outcome,
// and its blame.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxCheckBox;
class wxChoice;
class wxStaticText;

namespace zavgui {

class GameResultDialog : public ZavDialog {
public:
    GameResultDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    // The controls, for the tests that play the user.
    wxChoice* game = nullptr;
    wxStaticText* gameName = nullptr;
    std::vector<wxStaticText*> labels;
    std::vector<wxChoice*> results;
    std::vector<wxCheckBox*> blames;
    KeyboardEntry keyboard;

private:
    // The record's results and blames of game g into the team rows.
    void DisplayResult(int g);
    void OnGameChosen();

    zav::ScoreSheet& sheet_;
};

}  // namespace zavgui
