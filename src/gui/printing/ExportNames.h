// Names proposed by the export file choosers.
#pragma once

#include <wx/string.h>

namespace zavgui {

// The file name without its last extension; empty when the only "." is the
// first character or there is none.
wxString ExportStem(const wxString& fileName);

}  // namespace zavgui
