#include "view/PageView.h"

#include <wx/app.h>
#include <wx/filesys.h>
#include <wx/html/htmlwin.h>
#include <wx/sizer.h>

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

// The window outlives the view by a moment when its frame is destroyed.
PageView::~PageView() {
    if (large_) window_->Unbind(wxEVT_SIZE, &PageView::OnSizeInLargeType, this);
}

void PageView::Show(std::string page) {
    page_ = std::move(page);
    window_->SetPage(FromCore(page_));
    if (large_) FitType();
}

void PageView::SetLargeType(bool large) {
    if (large == large_) return;
    large_ = large;
    if (wxSizer* sizer = window_->GetContainingSizer()) {
        sizer->GetItem(window_)->SetProportion(large ? 1 : 0);
        window_->GetParent()->Layout();
    }
    if (large) {
        window_->Bind(wxEVT_SIZE, &PageView::OnSizeInLargeType, this);
        FitType();
    } else {
        window_->Unbind(wxEVT_SIZE, &PageView::OnSizeInLargeType, this);
        window_->SetStandardFonts();
    }
}

void PageView::OnSizeInLargeType(wxSizeEvent& event) {
    event.Skip();
    FitType();
}

// Each size tried lays the page out again: the largest fitting size is
// searched by halving, a few layouts for any page. A page too big for the
// screen at the usual size (ten teams, twelve games) gets smaller type: read
// whole from afar, it is more use than large and cut.
void PageView::FitType() {
    constexpr int kSmallest = 6;
    constexpr int kLargest = 72;
    const wxSize room = window_->GetClientSize();
    const auto fits = [&](int size, bool whole) {
        window_->SetStandardFonts(size);
        const wxHtmlContainerCell* laidOut = window_->GetInternalRepresentation();
        return laidOut && laidOut->GetWidth() <= room.x &&
               (!whole || laidOut->GetHeight() <= room.y);
    };
    for (const bool whole : {true, false}) {
        int best = 0;
        for (int low = kSmallest, high = kLargest; low <= high;) {
            const int size = (low + high) / 2;
            if (fits(size, whole)) {
                best = size;
                low = size + 1;
            } else {
                high = size - 1;
            }
        }
        if (best) {
            window_->SetStandardFonts(best);
            return;
        }
    }
    window_->SetStandardFonts(kSmallest);
}

// A paint while the view is frozen or holds no page yet shows nothing.
void PageView::AfterFirstPaint(std::function<void()> work) {
    wxHtmlWindow* window = window_;
    window->Bind(wxEVT_PAINT,
                 [window, work = std::move(work), pending = true](wxPaintEvent& event) mutable {
                     event.Skip();
                     if (!pending || !window->GetInternalRepresentation() || window->IsFrozen())
                         return;
                     pending = false;
                     window->CallAfter(work);
                 });
}

void PageView::WaitUntilIdle() {
    window_->Freeze();
    wxHtmlWindow* window = window_;
    window->CallAfter([window] {
        if (window->IsFrozen()) window->Thaw();
    });
}

}  // namespace zavgui
