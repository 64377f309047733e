// The logo of the pages: its folder and file name, kept in the settings
// file, read when the dialog opens and written when OK is pressed.
#pragma once

#include "dialogs/ZavDialog.h"
#include "settings/Settings.h"

class wxTextCtrl;

namespace zavgui {

class LogoDialog : public ZavDialog {
public:
    LogoDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage);
    bool TransferDataFromWindow() override;

    wxTextCtrl* field = nullptr;
    void OnSearch();

private:
    zav::Settings settings_;
};

}  // namespace zavgui
