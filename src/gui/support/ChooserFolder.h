// Where the sheet and set file choosers start.
#pragma once

#include <wx/filename.h>
#include <wx/string.h>

namespace zavgui {

// A chooser's starting folder: the remembered place may be a folder or the
// last file chosen.
inline wxString StartFolder(const wxString& place) {
    if (place.empty() || wxDirExists(place)) return place;
    return wxFileName(place).GetPath();
}

}  // namespace zavgui
