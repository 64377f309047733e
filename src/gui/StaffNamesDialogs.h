// The officials the teams provide: assistant referees, each attached to a
// team, and the arena party, one per team.
#pragma once

#include <vector>

#include "KeyboardEntry.h"
#include "ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxComboBox;
class wxStaticText;
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

class PlaceurNamesDialog : public ZavDialog {
public:
    PlaceurNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    std::vector<wxStaticText*> labels;
    std::vector<wxTextCtrl*> names;
    KeyboardEntry keyboard;

private:
    zav::ScoreSheet& sheet_;
};

}  // namespace zavgui
