// The final positions of teams that finished the heat level on points.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxChoice;
class wxStaticText;

namespace zavgui {

class TieBreakDialog : public ZavDialog {
public:
    // Reads the heat positions of the last scoring (iSetPlace).
    TieBreakDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    std::vector<wxStaticText*> labels;
    std::vector<wxChoice*> positions;
    KeyboardEntry keyboard;

private:
    void DisplayTieBreak();

    zav::ScoreSheet& sheet_;
};

}  // namespace zavgui
