// The reference documents beside the program, by command and language, and
// their opening in the desktop's viewer.
#pragma once

#include <wx/string.h>

#include "texts/Reporter.h"

namespace zavgui {

// The file name the command opens in the interface language, or nullptr for
// a command that opens no document.
const char* DocumentFor(int commandId, zav::Language language);

// Opens the reference document `fileName` (the user's copy, else the one of
// the program's data folder `dataFolder`) with the desktop's viewer for its
// type. The launcher answers before the viewer starts, so a missing file is
// named in a message here, with the folder where the user can put a copy;
// false then.
bool OpenDocument(const wxString& dataFolder, const wxString& fileName,
                  const zav::Reporter& reporter);

// The user guide's sections that commands open directly.
enum class GuideSection { SetsFromEntries };

// Opens the user guide in the interface language (French, else English) in
// the desktop's browser at `section`; a missing guide is named as a missing
// document is.
bool OpenGuideAt(const wxString& dataFolder, zav::Language language, GuideSection section,
                 const zav::Reporter& reporter);

}  // namespace zavgui
