// What the sheet document asks of the user. The window answers with message
// boxes and file choosers; tests answer with a script.
#pragma once

#include <string>

#include "texts/Reporter.h"

namespace zavgui {

// The answer to "Do you want to save current score sheet before exit ?";
// Cancel stops the command that asked.
enum class SaveAnswer { Save, DontSave, Cancel };

// Which save chooser is shown: the first save of a sheet that has no file
// yet, or Save as.
enum class SaveChooser { FirstSave, SaveAs };

class DocumentUser {
public:
    virtual ~DocumentUser() = default;

    // Asked before a changed sheet is replaced or the program ends.
    virtual SaveAnswer AskSaveChanges() = 0;

    // The file to save the sheet to, the chooser starting in `folder` with
    // `fileName`; empty when the user cancels.
    virtual std::string ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                                       const std::string& fileName) = 0;

    // Where the document and the core it calls report failures, in the
    // user's language.
    virtual const zav::Reporter& Reporter() = 0;
};

}  // namespace zavgui
