// The add-on column of the score sheet: a title and one free text per team.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxStaticText;
class wxTextCtrl;

namespace zavgui {

class ColumnSupDialog : public ZavDialog {
public:
    ColumnSupDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    wxTextCtrl* title = nullptr;
    std::vector<wxStaticText*> labels;
    std::vector<wxTextCtrl*> contents;
    KeyboardEntry keyboard;

private:
    zav::ScoreSheet& sheet_;
};

}  // namespace zavgui
