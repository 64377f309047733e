// Points brought from earlier heats, for the heat ranking or for the
// 'Challenge'.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxButton;
class wxStaticText;
class wxTextCtrl;

namespace zavgui {

enum class PreviousScores { Heat, Challenge };

class PreviousScoresDialog : public SheetDialog {
public:
    // The 'Challenge' kind has a field only for the 'Challenge' teams.
    PreviousScoresDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage,
                         PreviousScores kind);

    // "Erase all": every field shows 0; the sheet changes only with OK.
    void EraseAll();

    // One row per team that has a field, and the team it belongs to.
    std::vector<int> rowTeams;
    std::vector<wxStaticText*> labels;
    std::vector<wxTextCtrl*> fields;
    wxButton* eraseAll = nullptr;
    KeyboardEntry keyboard;

private:
    bool StoreControls() override;
    float* Scores();

    const PreviousScores kind_;
};

}  // namespace zavgui
