// The logo of the pages: its folder and file name, kept in the settings
// file, read when the dialog opens; OK gives the values to write.
#pragma once

#include "dialogs/ZavDialog.h"
#include "settings/Settings.h"
#include "support/ChooserFolders.h"

class wxTextCtrl;

namespace zavgui {

class LogoDialog : public ZavDialog {
public:
    // "Search..." opens the chooser in the folder of `folders` for logos.
    LogoDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage,
               const ChooserFolders& folders);
    bool TransferDataFromWindow() override;

    wxTextCtrl* field = nullptr;
    void OnSearch();
    // LogoPath and LogoName, after OK.
    zav::SettingValues chosen;

private:
    const ChooserFolders& folders_;
};

}  // namespace zavgui
