// Modal dialogs under test: one that no wxTEST_DIALOG expects is a failure and
// is cancelled, instead of blocking the run on a window nobody will close.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/string.h>
#include <wx/utils.h>

#include <functional>
#include <string>

// True while a test plays the user with real keys: the dialogs it opens are
// then shown for real instead of failing the test.
inline bool& DialogsShownForReal() {
    static bool real = false;
    return real;
}

class GuiTestModalHook;
#define wxTEST_DIALOG_HOOK_CLASS GuiTestModalHook
#include <wx/testing.h>

class GuiTestModalHook : public wxTestingModalHook {
public:
    GuiTestModalHook(const char* file = nullptr, int line = 0, const char* func = nullptr)
        : wxTestingModalHook(file, line, func), file_(file ? file : "?"), line_(line) {}

protected:
    int Enter(wxDialog* dialog) override {
        const int answer = wxTestingModalHook::Enter(dialog);
        return answer == wxID_NONE ? wxID_CANCEL : answer;
    }
    void ReportFailure(const wxString& message) override {
        ADD_FAILURE_AT(file_, line_) << message.utf8_str().data();
    }

private:
    const char* file_;
    int line_;
};

// One of the program's own dialogs, played by `act`, left with `answer`; OK
// validates and copies the controls back as pressing OK does (Cancel if they
// are refused).
template <class Dialog>
class ExpectDialog : public wxExpectModalBase<Dialog, ExpectDialog<Dialog>> {
public:
    ExpectDialog(int answer, std::function<void(Dialog&)> act)
        : answer_(answer), act_(std::move(act)) {}

protected:
    int OnInvoked(Dialog* dialog) const override {
        if (act_) act_(*dialog);
        if (answer_ != wxID_OK) return answer_;
        return dialog->Validate() && dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
    }

private:
    int answer_;
    std::function<void(Dialog&)> act_;
};

// A message box answered with `answer`; its text is kept in `*seen`, the
// labels of its buttons ("Yes|No|Cancel") in `*buttons`, whether it opens
// with No focused in `*opensOnNo`.
inline ExpectDialog<wxMessageDialog> ExpectMessage(int answer, wxString* seen = nullptr,
                                                   wxString* buttons = nullptr,
                                                   bool* opensOnNo = nullptr) {
    return {answer, [=](wxMessageDialog& box) {
                if (seen) *seen = box.GetMessage();
                if (opensOnNo) *opensOnNo = (box.GetMessageDialogStyle() & wxNO_DEFAULT) != 0;
                if (buttons) *buttons = box.GetYesLabel() + "|" + box.GetNoLabel();
                if (buttons && (box.GetMessageDialogStyle() & wxCANCEL))
                    *buttons += "|" + box.GetCancelLabel();
            }};
}

// Lets GTK run until `done` holds; false when it still does not after ten
// seconds.
inline bool WaitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 2000; ++i) {
        if (done()) return true;
        wxTheApp->Yield(true);
        if (done()) return true;
        wxMilliSleep(5);
    }
    return done();
}

struct ChooserSeen {
    wxString title;
    wxString folder;
    wxString fileName;
};

// A file chooser (of one file or several) answered with `path` (or cancelled
// when `path` is empty); what it proposed is kept in `*seen`.
inline ExpectDialog<wxFileDialog> AnswerChooser(const std::string& path,
                                                ChooserSeen* seen = nullptr) {
    return {path.empty() ? wxID_CANCEL : wxID_OK, [=](wxFileDialog& chooser) {
                if (seen)
                    *seen = {chooser.GetMessage(), chooser.GetDirectory(), chooser.GetFilename()};
                if (path.empty()) return;
                const wxString answer = wxString::FromUTF8(path);
                chooser.SetPath(answer);
                // GTK hands the path back only after its loop has run, and reads
                // the folder in a thread of its own: seconds on a loaded machine.
                const auto taken = [&] {
                    if (!chooser.HasFlag(wxFD_MULTIPLE)) return chooser.GetPath();
                    wxArrayString paths;
                    chooser.GetPaths(paths);
                    return paths.size() == 1 ? paths[0] : wxString();
                };
                if (!WaitUntil([&] { return taken() == answer; }))
                    ADD_FAILURE() << "The file chooser did not take " << path;
            }};
}
