// The window's one view: an HTML window that shows one page at a time (the
// welcome page, then the pages of the open sheet).
#pragma once

#include <wx/string.h>

#include <string>

class wxHtmlWindow;
class wxWindow;

namespace zavgui {

class PageView {
public:
    // The HTML window, a child of `parent` (which owns it); relative names
    // in pages (welcome picture, placement pictures) are files of `folder`,
    // whatever the current folder is.
    PageView(wxWindow* parent, int id, const wxString& folder);

    void Show(std::string page);
    // The page shown (UTF-8).
    const std::string& Page() const { return page_; }

    wxHtmlWindow* Window() const { return window_; }

    // GTK draws a window just shown more than once while it settles: the
    // view waits for the first idle moment, so that a full sheet is painted
    // once instead of twice.
    void WaitUntilIdle();

private:
    wxHtmlWindow* window_;
    std::string page_;
};

}  // namespace zavgui
