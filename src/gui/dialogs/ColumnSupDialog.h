// The add-on column of the score sheet: a title and one free text per team.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxStaticText;
class wxTextCtrl;

namespace zavgui {

class ColumnSupDialog : public SheetDialog {
public:
    ColumnSupDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    wxTextCtrl* title = nullptr;
    std::vector<wxStaticText*> labels;
    std::vector<wxTextCtrl*> contents;
    KeyboardEntry keyboard;

private:
    bool StoreControls() override;
};

}  // namespace zavgui
