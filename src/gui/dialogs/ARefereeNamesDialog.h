// The assistant referees the teams provide, each attached to a team (a
// listed team or any typed text).
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxComboBox;
class wxTextCtrl;

namespace zavgui {

class ARefereeNamesDialog : public SheetDialog {
public:
    ARefereeNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    // Row k: the team (a listed team or any typed text) and the names.
    std::vector<wxComboBox*> teams;
    std::vector<wxTextCtrl*> names;
    KeyboardEntry keyboard;

private:
    bool StoreControls() override;
};

}  // namespace zavgui
