// The window's one view: an HTML window that shows one page at a time (the
// welcome page, then the pages of the open sheet).
#pragma once

#include <wx/string.h>

#include <functional>
#include <string>

class wxHtmlWindow;
class wxSizeEvent;
class wxWindow;

namespace zavgui {

class PageView {
public:
    // The HTML window, a child of `parent` (which owns it); relative names
    // in pages (welcome picture, placement pictures) are files of `folder`,
    // whatever the current folder is.
    PageView(wxWindow* parent, int id, const wxString& folder);
    ~PageView();

    void Show(std::string page);
    // The page shown (UTF-8).
    const std::string& Page() const { return page_; }

    wxHtmlWindow* Window() const { return window_; }

    // Large type, for a screen read from afar: every page shown in the
    // largest type at which it fits the window whole (or, too big for that,
    // at least its width), fitted again when the window's size changes.
    // The view then fills its parent.
    void SetLargeType(bool large);

    // GTK draws a window just shown more than once while it settles: the
    // view waits for the first idle moment, so that a full sheet is painted
    // once instead of twice.
    void WaitUntilIdle();

    // `work` runs at the idle moment after the view has first painted a
    // page: the window shows sooner when what the page does not need waits.
    void AfterFirstPaint(std::function<void()> work);

private:
    void FitType();
    void OnSizeInLargeType(wxSizeEvent& event);

    wxHtmlWindow* window_;
    std::string page_;
    bool large_ = false;
};

}  // namespace zavgui
