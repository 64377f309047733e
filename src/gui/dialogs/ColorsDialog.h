// The colours of the pages, typed, chosen or taken from a model; kept in
// the settings file, read when the dialog opens; OK gives the values to
// write.
#pragma once

#include <wx/colour.h>

#include "dialogs/ZavDialog.h"
#include "settings/Settings.h"

class wxColourData;
class wxTextCtrl;

namespace zavgui {

class ColorsDialog : public ZavDialog {
public:
    ColorsDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage);
    bool TransferDataFromWindow() override;

    // HeadFont, TitleBkg, BkgLine1, BkgLine2.
    wxTextCtrl* fields[4] = {};
    bool blackAndWhite = false;
    void OnChange(int row);
    void OnModel(int model);
    // The four colours and BWOnly, after OK.
    zav::SettingValues chosen;
};

// The colour chooser's data, shared by every use for the whole run so that
// the user's custom colours stay offered.
wxColourData& SharedColourData();

// A colour chosen by the user starting from the colour `text` names; an
// unset colour when the chooser is cancelled.
wxColour SelectColour(wxWindow* parent, const wxString& text);

}  // namespace zavgui
