// Where the file choosers start. Each kind of file remembers, in the settings
// file, the folder the user last chose one in; before any choice a chooser
// starts in the open sheet's folder, else in the user's documents folder:
// never in the program's installation, which the user cannot write.
#pragma once

#include <wx/string.h>

#include <functional>
#include <string>

#include "settings/Settings.h"

namespace zavgui {

enum class FileKind { Sheet, Set, Sif, Export, Logo };

class ChooserFolders {
public:
    // `sheetFolder` answers the open sheet's folder (empty while none is
    // open or it has no file).
    ChooserFolders(zav::Settings settings, std::string documents,
                   std::function<std::string()> sheetFolder);

    // The first of these folders that exists.
    wxString Start(FileKind kind) const;
    // The folder of the file the user just chose, for the next chooser of
    // that kind.
    void Remember(FileKind kind, const wxString& chosenFile) const;

private:
    zav::Settings settings_;
    std::string documents_;
    std::function<std::string()> sheetFolder_;
};

}  // namespace zavgui
