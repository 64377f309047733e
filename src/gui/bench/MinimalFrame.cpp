// The floor of the start-up benchmark: a bare frame with an HTML view, started
// and ended as the program is (it ends as soon as its window is shown when
// ZAVSCORE_EXIT_WHEN_SHOWN=1). Given an HTML file, it shows that page instead
// of one word: what showing the program's page costs with nothing around it.
#include <wx/ffile.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/wx.h>

#include <cstdlib>

#include "app/StartupTiming.h"

namespace {

class MinimalApp : public wxApp {
public:
    bool OnInit() override {
        wxString page = wxS("<html><body><p>ZAVscore</p></body></html>");
        if (argc > 1 && !wxFFile(argv[1]).ReadAll(&page, wxConvUTF8)) return false;
        auto* frame = new wxFrame(nullptr, wxID_ANY, wxS("ZAVscore"));
        auto* html = new wxHtmlWindow(frame, wxID_ANY, wxDefaultPosition, wxSize(1024, 690));
        html->SetPage(page);
        frame->SetSize(0, 0, 1024, 740);
        frame->Show(true);
        SetTopWindow(frame);
        if (zavgui::ExitWhenShown()) zavgui::ExitAfterFirstPagePaint(html);
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(MinimalApp);
