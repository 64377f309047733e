// The options common to every sheet of a new set: title, date, referee,
// games number, rules, and whether each category gets its own sheet.
#pragma once

#include "dialogs/ZavDialog.h"
#include "sets/SetCreation.h"

class wxCheckBox;
class wxTextCtrl;

namespace zavgui {

class ListChoice;

class SifOptionsDialog : public ZavDialog {
public:
    SifOptionsDialog(wxWindow* parent, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    // The answers, valid after OK.
    zav::SetOptions options;
    bool bOnePerCat = true;

    // The controls, for the tests that play the user.
    wxTextCtrl* title = nullptr;
    wxTextCtrl* date = nullptr;
    wxTextCtrl* referee = nullptr;
    ListChoice* games = nullptr;
    wxCheckBox* frenchRules = nullptr;
    wxCheckBox* internationalRules = nullptr;
    wxCheckBox* onePerCategory = nullptr;
    wxCheckBox* grouped = nullptr;

private:
    // Two check boxes that behave as radio buttons: a click checks the one
    // clicked and clears the other, so exactly one is always checked.
    void Pair(wxCheckBox* first, wxCheckBox* second);
};

}  // namespace zavgui
