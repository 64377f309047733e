// The logo of the pages: its folder and file name, kept in the settings
// file, read when the dialog opens; OK gives the values to write.
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
    // LogoPath and LogoName, after OK.
    zav::SettingValues chosen;
};

}  // namespace zavgui
