// The arena party: one name per team.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxStaticText;
class wxTextCtrl;

namespace zavgui {

class PlaceurNamesDialog : public SheetDialog {
public:
    PlaceurNamesDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    std::vector<wxStaticText*> labels;
    std::vector<wxTextCtrl*> names;
    KeyboardEntry keyboard;

private:
    bool StoreControls() override;
};

}  // namespace zavgui
