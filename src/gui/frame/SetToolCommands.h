// The Tools menu's set commands: copy, move and delete of a whole set chosen
// by the user, and the help document on set creation.
#pragma once

#include <wx/string.h>

#include "sets/SetManagement.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class SetToolCommands {
public:
    explicit SetToolCommands(wxZAVFrame& frame);

private:
    // Closes what is open, runs the operation on a chosen set (the open set
    // proposed) and says when it is done. An open set is opened again on
    // the same sheet, from its new folder when it was moved.
    void Run(zav::SetOperation operation);
    // The operation on the set at `setPath` after its own question or folder
    // chooser (the folder chosen goes to `folder`); true when done.
    bool CommonOpenSIF(zav::SetOperation operation, const wxString& setPath, wxString& folder);
    void OnHelpSIFScoreSet(wxCommandEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
