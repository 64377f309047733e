// The final positions of teams that finished the heat level on points,
// typed one key per level team.
#pragma once

#include <vector>

#include "dialogs/ColumnKeys.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxStaticText;

namespace zavgui {

class ListChoice;

class TieBreakDialog : public SheetDialog {
public:
    // Reads the heat positions of the last scoring (iSetPlace).
    TieBreakDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    std::vector<wxStaticText*> labels;
    std::vector<ListChoice*> positions;

private:
    bool StoreControls() override;
    void DisplayTieBreak();

    ColumnKeys keys_;
};

}  // namespace zavgui
