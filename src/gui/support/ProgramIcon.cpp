#include "support/ProgramIcon.h"

#include <wx/bitmap.h>

#include "ProgramIconData.h"

namespace zavgui {

wxIconBundle ProgramIcons() {
    wxIconBundle icons;
    for (const ProgramIconPicture& picture : kProgramIconPictures) {
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap::NewFromPNGData(picture.png, picture.size));
        icons.AddIcon(icon);
    }
    return icons;
}

wxIcon ProgramIcon(int size) {
    return ProgramIcons().GetIcon(size, wxIconBundle::FALLBACK_NEAREST_LARGER);
}

}  // namespace zavgui
