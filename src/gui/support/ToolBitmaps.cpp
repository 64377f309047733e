#include <wx/image.h>

#include <iterator>
#include <vector>

#include "support/ToolPictures.h"

namespace zavgui {
namespace {

// Made at the size the toolbar asks for, when it asks: a start makes the 19
// pictures its screen's scaling needs rather than all three sizes of each.
class ToolPictureBundle : public wxBitmapBundleImpl {
public:
    explicit ToolPictureBundle(ToolPictureId id) : id_(id) {}

    wxSize GetDefaultSize() const override { return wxSize(16, 16); }

    wxSize GetPreferredBitmapSizeAtScale(double scale) const override {
        return DoGetPreferredSize(scale);
    }

    wxBitmap GetBitmap(const wxSize& size) override {
        for (const wxBitmap& made : made_)
            if (made.GetSize() == size) return made;
        const wxImage drawn(ToolPicture(id_));
        made_.push_back(wxBitmap(drawn.Scale(size.x, size.y, wxIMAGE_QUALITY_NEAREST)));
        return made_.back();
    }

protected:
    // The sizes drawn for: 16, 24 and 32 pixels.
    double GetNextAvailableScale(size_t& i) const override {
        static const double scales[] = {1.0, 1.5, 2.0};
        return i < std::size(scales) ? scales[i++] : 0.0;
    }

private:
    const ToolPictureId id_;
    std::vector<wxBitmap> made_;
};

}  // namespace

wxBitmapBundle ToolBitmaps(ToolPictureId id) {
    return wxBitmapBundle::FromImpl(new ToolPictureBundle(id));
}

}  // namespace zavgui
