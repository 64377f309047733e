// A game's history: each result it had, where it came from (typed in the
// window, sent from the finish line, undone), and the heat made official or
// provisional in between. Only shows: the record is never edited.
#pragma once

#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxTextCtrl;

namespace zavgui {

class ListChoice;

class GameHistoryDialog : public ZavDialog {
public:
    // Opens on game `game` (from 0).
    GameHistoryDialog(wxWindow* parent, const zav::ScoreSheet& sheet, zav::Language wxLanguage,
                      int game);

    // The controls, for the tests that look at what the user sees.
    ListChoice* game = nullptr;
    wxTextCtrl* history = nullptr;

private:
    void ShowGame(int g);

    const zav::ScoreSheet& sheet_;
};

// Game g's history as lines of text, or the note that it has none.
wxString HistoryText(const zav::ScoreSheet& sheet, int game, zav::Language language);

}  // namespace zavgui
