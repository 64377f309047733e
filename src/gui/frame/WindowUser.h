// The user as the window reaches them: the program's message boxes (the
// message sink the core reports through) and the file and folder choosers.
// The sheet document asks its questions through it.
#pragma once

#include <wx/string.h>

#include "document/DocumentUser.h"
#include "support/WxMessageSink.h"

class wxWindow;

namespace zavgui {

class WindowUser final : public DocumentUser {
public:
    // `chooserPlace`: where the first open chooser starts.
    WindowUser(wxWindow* parent, int wxLanguage, const wxString& chooserPlace);

    SaveAnswer AskSaveChanges() override;
    std::string ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                               const std::string& fileName) override;
    zav::MessageSink& Messages() override { return messages_; }

    // A message box with the program's text `offset`.
    void Tell(int offset, zav::MessageIcon icon);

    // An existing file to read; the chooser starts where the last such
    // choice ended. Empty when cancelled.
    wxString ChooseExistingFile(int captionOffset, int filterOffset);
    // A file to write, proposed in `folder` as `fileName`; a name typed
    // without extension gets `extension` (unless that is empty). Empty when
    // cancelled.
    wxString ChooseNewFile(int captionOffset, const wxString& folder, const wxString& fileName,
                           int filterOffset, const wxString& extension);
    // A folder, the chooser starting in `start`. Empty when cancelled.
    wxString ChooseFolder(int captionOffset, const wxString& start);

    // Where the next open chooser starts: a folder, or the file chosen last.
    const wxString& ChooserPlace() const { return chooserPlace_; }

private:
    wxWindow* parent_;
    const int wxLanguage_;
    WxMessageSink messages_;
    wxString chooserPlace_;
};

}  // namespace zavgui
