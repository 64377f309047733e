// The language of the program, kept in the settings file; it applies at the
// next start. The dialog proposes the language in use, whether chosen here
// before or taken from the desktop.
#pragma once

#include "dialogs/ZavDialog.h"
#include "settings/Settings.h"

class wxListBox;

namespace zavgui {

class LanguageDialog : public ZavDialog {
public:
    LanguageDialog(wxWindow* parent, zav::Language wxLanguage);
    bool TransferDataFromWindow() override;

    wxListBox* list = nullptr;
    // The Language value, after OK.
    zav::SettingValues chosen;
};

}  // namespace zavgui
