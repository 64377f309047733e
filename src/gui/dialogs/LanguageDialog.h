// The language of the program, kept in the settings file; it applies at the
// next start.
#pragma once

#include "dialogs/ZavDialog.h"
#include "settings/Settings.h"

class wxListBox;

namespace zavgui {

class LanguageDialog : public ZavDialog {
public:
    LanguageDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage);
    bool TransferDataFromWindow() override;

    wxListBox* list = nullptr;
    // The Language value, after OK.
    zav::SettingValues chosen;
};

}  // namespace zavgui
