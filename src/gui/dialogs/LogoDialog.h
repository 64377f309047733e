// The logo of the pages: its folder and file name, kept in the settings
// file, read when the dialog opens and written when OK is pressed.
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

private:
    zav::Settings settings_;
    const ChooserFolders& folders_;
};

}  // namespace zavgui
