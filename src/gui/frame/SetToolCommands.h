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
    // Closes what is open, then runs the operation on a chosen set and says
    // when it is done.
    void Run(zav::SetOperation operation);
    // The operation on the set at `setPath` after its own question or folder
    // chooser; true when done.
    bool CommonOpenSIF(zav::SetOperation operation, const wxString& setPath);
    void OnHelpSIFScoreSet(wxCommandEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
