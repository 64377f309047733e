// The window tests run GoogleTest inside a real wx application under a
// virtual display. A dialog shown outside any wxTEST_DIALOG is a failure and
// is cancelled; wx assertions are failures too.
#include <gdk/gdk.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>

#include <cstdio>
#include <cstdlib>

#include "gui/GuiTesting.h"

namespace {

class UnexpectedDialogGuard : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        if (DialogsShownForReal()) return wxID_NONE;
        wxString what = dialog->GetTitle();
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) what = box->GetMessage();
        ADD_FAILURE() << "Unexpected dialog: " << what.utf8_str().data();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

// A virtual display resets itself each time its last client leaves, and
// refuses connections while it does: with tests run side by side, a test may
// knock just then. Knock again for a while; the toolkit then takes over this
// connection, so the display cannot reset under the test.
bool ConnectToDisplay() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (gdk_display_open(nullptr)) return true;
        g_usleep(50 * 1000);
    }
    return false;
}

void AssertAsFailure(const wxString& file, int line, const wxString& func, const wxString& cond,
                     const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assertion in " << func.utf8_str().data() << ": " << cond.utf8_str().data() << " "
        << msg.utf8_str().data();
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!ConnectToDisplay() || !wxEntryStart(argc, argv)) {
        const char* display = std::getenv("DISPLAY");
        fprintf(
            stderr,
            "The toolkit could not start on display '%s': run the window tests under xvfb-run.\n",
            display ? display : "");
        return 2;
    }
    wxTheApp->CallOnInit();
    // Tests close windows without a main loop to end.
    wxTheApp->SetExitOnFrameDelete(false);
    wxSetAssertHandler(AssertAsFailure);
    // Errors logged by wx go to the test output, not to a message box.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    UnexpectedDialogGuard guard;
    guard.Register();
    const int result = RUN_ALL_TESTS();
    guard.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
