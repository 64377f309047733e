// Score sheet sets in the window: opening a set, creating one from a SIF
// entries file through the options and grouping dialogs, and moving between
// its sheets with the toolbar's sheet chooser.
#pragma once

#include <wx/string.h>

#include <string>

class wxCommandEvent;
class wxKeyEvent;

namespace zavgui {

class wxZAVFrame;

class SetCommands {
public:
    explicit SetCommands(wxZAVFrame& frame);

private:
    void OnOpenScoreSet(wxCommandEvent& event);
    void OnCreateSIFScoreSet(wxCommandEvent& event);
    // The sheet chooser: the changed sheet of a set goes to its own file
    // first; a sheet that cannot be written stays on screen.
    void OnComboBoxUpdate(wxCommandEvent& event);
    // Next and previous sheet: the chooser's neighbours.
    void OnStepSetSheet(wxCommandEvent& event);
    void ShowSetSheet(const std::string& name);
    void OnKey(wxKeyEvent& event);
    // Reads the SIF file, asks where the set goes (the chooser starting in
    // `setFolder`) and how its categories are grouped, then creates the set
    // and opens it.
    void LoadSIFFile(const wxString& path, const wxString& setFolder);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
