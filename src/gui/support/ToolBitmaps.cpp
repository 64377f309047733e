#include <wx/image.h>
#include <wx/vector.h>

#include "support/ToolPictures.h"

namespace zavgui {

wxBitmapBundle ToolBitmaps(ToolPictureId id) {
    const wxImage drawn(ToolPicture(id));
    wxVector<wxBitmap> sizes;
    for (const int size : {16, 24, 32})
        sizes.push_back(wxBitmap(drawn.Scale(size, size, wxIMAGE_QUALITY_NEAREST)));
    return wxBitmapBundle::FromBitmaps(sizes);
}

}  // namespace zavgui
