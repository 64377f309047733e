// The arena party: one name per team.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxStaticText;
class wxTextCtrl;

namespace zavgui {

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
