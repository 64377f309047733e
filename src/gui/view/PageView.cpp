#include "view/PageView.h"

#include <wx/app.h>
#include <wx/filesys.h>
#include <wx/html/htmlwin.h>

#include "support/GuiText.h"

namespace zavgui {

PageView::PageView(wxWindow* parent, int id, const wxString& folder)
    : window_(new wxHtmlWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxHW_SCROLLBAR_AUTO,
                               wxS("htmlWindow"))) {
    window_->GetParser()->GetFS()->ChangePathTo(folder + wxS("/"), true);
    // The view lays its whole page out again on every size event, even one
    // that keeps its size (GTK sends one when the window is shown).
    window_->Bind(wxEVT_SIZE,
                  [window = window_, laidOutSize = wxSize()](wxSizeEvent& event) mutable {
                      const wxSize size = window->GetClientSize();
                      if (size == laidOutSize) return;
                      laidOutSize = size;
                      event.Skip();
                  });
}

void PageView::Show(std::string page) {
    page_ = std::move(page);
    window_->SetPage(FromCore(page_));
}

void PageView::WaitUntilIdle() {
    window_->Freeze();
    wxHtmlWindow* window = window_;
    window->CallAfter([window] {
        if (window->IsFrozen()) window->Thaw();
    });
}

}  // namespace zavgui
