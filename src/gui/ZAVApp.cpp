#include "ZAVApp.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <cstdlib>

#include "ZAVFrame.h"

namespace {

// Set by the start-up benchmark: the program ends as soon as its window is
// shown, so that starting it can be timed.
bool ExitWhenShown() {
    const char* value = std::getenv("ZAVSCORE_EXIT_WHEN_SHOWN");
    return value && *value == '1';
}

}  // namespace

bool wxZAVApp::OnInit() {
    FrameContext context;
    if (argc == 2) {
        // Made absolute before the current folder changes, so that a path
        // relative to where the user started the program still names the file.
        wxFileName file(argv[1]);
        file.MakeAbsolute();
        context.startupFile = file.GetFullPath();
        argc = 1;
    }

    const wxString executable = wxStandardPaths::Get().GetExecutablePath();
    context.programDir = wxFileName(executable).GetPath();
    wxSetWorkingDirectory(context.programDir);
    context.restartProgram = [executable] { return wxExecute(executable, wxEXEC_ASYNC) != 0; };

    // The toolkit's own command-line processing; the program starts whatever
    // it reports.
    wxApp::OnInit();

    auto* frame = new wxZAVFrame(context);
    frame->Move(0, 0);
    frame->SetSize(1024, 740);
    frame->Show(true);
    SetTopWindow(frame);
    if (ExitWhenShown()) CallAfter([this] { ExitMainLoop(); });
    return true;
}
