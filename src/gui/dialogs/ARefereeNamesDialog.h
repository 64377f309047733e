// The assistant referees the teams provide, each attached to a team (a
// listed team or any typed text).
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxComboBox;
class wxTextCtrl;

namespace zavgui {

class ARefereeNamesDialog : public ZavDialog {
public:
    ARefereeNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    // Row k: the team (a listed team or any typed text) and the names.
    std::vector<wxComboBox*> teams;
    std::vector<wxTextCtrl*> names;
    KeyboardEntry keyboard;

private:
    zav::ScoreSheet& sheet_;
};

}  // namespace zavgui
