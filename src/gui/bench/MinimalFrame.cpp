// The floor of the start-up benchmark: a bare frame with an HTML view, started
// and ended as the program is (it ends as soon as its window is shown when
// ZAVSCORE_EXIT_WHEN_SHOWN=1).
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/wx.h>

#include <cstdlib>

#include "app/StartupTiming.h"

namespace {

class MinimalApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, wxS("ZAVscore"));
        auto* html = new wxHtmlWindow(frame, wxID_ANY, wxDefaultPosition, wxSize(1024, 690));
        html->SetPage(wxS("<html><body><p>ZAVscore</p></body></html>"));
        frame->SetSize(0, 0, 1024, 740);
        frame->Show(true);
        SetTopWindow(frame);
        if (zavgui::ExitWhenShown()) zavgui::ExitAfterFirstPagePaint(html);
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(MinimalApp);
