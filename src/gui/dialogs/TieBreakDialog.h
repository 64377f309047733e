// The final positions of teams that finished the heat level on points,
// typed one key per level team.
#pragma once

#include <vector>

#include "dialogs/ColumnKeys.h"
#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxStaticText;

namespace zavgui {

class ListChoice;

class TieBreakDialog : public ZavDialog {
public:
    // Reads the heat positions of the last scoring (iSetPlace).
    TieBreakDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    std::vector<wxStaticText*> labels;
    std::vector<ListChoice*> positions;

private:
    void DisplayTieBreak();

    zav::ScoreSheet& sheet_;
    ColumnKeys keys_;
};

}  // namespace zavgui
