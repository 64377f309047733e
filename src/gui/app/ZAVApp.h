// The application object: remembers the file named at start, works in the
// user's documents folder and opens the main window.
#pragma once

#include <wx/app.h>

#include "texts/Texts.h"

class wxCmdLineParser;

namespace zavgui {

class wxZAVApp : public wxApp {
public:
    bool OnInit() override;
    // One optional parameter: a sheet or set file to open at start.
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;

private:
    wxString startupArgument_;
};

// The file named at start as an absolute path, resolved against the folder
// the user started the program from; empty when none was named.
wxString StartupFilePath(const wxString& argument, const wxString& userFolder);

// The interface language at start: the settings file's, else the desktop's.
zav::Language StartLanguage();

// Starts the program file `executable` again, with `file` to open (none
// when empty); true when it started. Paths are passed whole, so names with
// spaces work.
bool StartProgram(const wxString& executable, const wxString& file);

}  // namespace zavgui
