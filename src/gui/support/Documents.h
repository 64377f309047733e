// The reference documents beside the program, by command and language, and
// their opening in the desktop's viewer.
#pragma once

#include <wx/string.h>

#include "texts/Messages.h"

namespace zavgui {

// The file name the command opens in the interface language, or nullptr for
// a command that opens no document.
const char* DocumentFor(int commandId, int wxLanguage);

// Opens the document `fileName` of the program's folder with the desktop's
// viewer for its type. The launcher answers before the viewer starts, so a
// missing file is named in a message here; false then.
bool OpenDocument(const wxString& programDir, const wxString& fileName, int wxLanguage,
                  zav::MessageSink& messages);

}  // namespace zavgui
