// The teams of the heat: name, colours and 'Challenge' flag of each.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxCheckBox;
class wxTextCtrl;

namespace zavgui {

class TeamsDialog : public SheetDialog {
public:
    TeamsDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    // One entry per team of the heat; no check boxes without a 'Challenge'.
    std::vector<wxTextCtrl*> names;
    std::vector<wxTextCtrl*> colors;
    std::vector<wxCheckBox*> challenge;

private:
    bool StoreControls() override;
    KeyboardEntry keyboard_;
};

}  // namespace zavgui
