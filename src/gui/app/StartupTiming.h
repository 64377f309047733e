// The moment the start-up benchmark times: the first idle moment after the
// HTML view has painted a page. The program writes the steady clock's time
// then on its standard output ("shown <ns>") and ends. The bare frame the
// benchmark compares with uses the same rule.
#pragma once

#include <wx/app.h>
#include <wx/html/htmlwin.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace zavgui {

// Set by the start-up benchmark.
inline bool ExitWhenShown() {
    const char* value = std::getenv("ZAVSCORE_EXIT_WHEN_SHOWN");
    return value && *value == '1';
}

// A paint before the view holds a page, or while it is frozen, does not count.
inline void ExitAfterFirstPagePaint(wxHtmlWindow* view) {
    view->Bind(wxEVT_PAINT, [view, pending = true](wxPaintEvent& event) mutable {
        event.Skip();
        if (!pending || !view->GetInternalRepresentation() || view->IsFrozen()) return;
        pending = false;
        wxTheApp->CallAfter([] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("shown %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            wxTheApp->ExitMainLoop();
        });
    });
}

}  // namespace zavgui
