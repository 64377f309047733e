// The option dialogs: the logo of the pages, their colours and the language
// of the program. Each reads the settings file when it opens and writes it
// when OK is pressed.
#pragma once

#include <wx/colour.h>

#include "ZavDialog.h"
#include "settings/Settings.h"

class wxColourData;
class wxListBox;
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

class ColorsDialog : public ZavDialog {
public:
    ColorsDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage);
    bool TransferDataFromWindow() override;

    // HeadFont, TitleBkg, BkgLine1, BkgLine2.
    wxTextCtrl* fields[4] = {};
    int iBWOnly = 0;
    void OnChange(int row);
    void OnModel(int model);

private:
    zav::Settings settings_;
};

class LanguageDialog : public ZavDialog {
public:
    LanguageDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage);
    bool TransferDataFromWindow() override;

    wxListBox* list = nullptr;

private:
    zav::Settings settings_;
};

// The colour chooser's data, shared by every use for the whole run so that
// the user's custom colours stay offered.
wxColourData& SharedColourData();

// A colour chosen by the user starting from the colour `text` names; an
// unset colour when the chooser is cancelled.
wxColour SelectColour(wxWindow* parent, const wxString& text);

}  // namespace zavgui
