// GoogleTest inside a real wx application under a virtual display. A dialog
// no wxTEST_DIALOG expects, and a wx assertion, are failures.
#include <gdk/gdk.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>

#include <cstdio>

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

// A virtual display refuses connections while it resets (after its last
// client left), as tests run side by side may find it: knock again for a
// while. The toolkit takes over this connection, so it cannot reset under us.
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
        fputs("The toolkit could not start: run the window tests under xvfb-run.\n", stderr);
        return 2;
    }
    wxTheApp->CallOnInit();
    wxTheApp->SetExitOnFrameDelete(false);  // no main loop to end
    wxSetAssertHandler(AssertAsFailure);
    delete wxLog::SetActiveTarget(new wxLogStderr);  // not a message box
    UnexpectedDialogGuard guard;
    guard.Register();
    const int result = RUN_ALL_TESTS();
    guard.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
