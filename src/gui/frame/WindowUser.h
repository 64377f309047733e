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
    WindowUser(wxWindow* parent, zav::Language language, const wxString& chooserPlace);

    SaveAnswer AskSaveChanges() override;
    std::string ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                               const std::string& fileName) override;
    // The message boxes in the interface language.
    const zav::Reporter& Reporter() override { return reporter_; }

    // An existing file to read; the chooser starts where the last such
    // choice ended, or on `proposed` when given. Empty when cancelled.
    wxString ChooseExistingFile(zav::TextId caption, zav::TextId filter,
                                const wxString& proposed = wxString());
    // A file to write, proposed in `folder` as `fileName`; a name typed
    // without extension gets `extension`, and an existing file is replaced
    // only when the user says so. Empty when cancelled.
    wxString ChooseNewFile(zav::TextId caption, const wxString& folder, const wxString& fileName,
                           zav::TextId filter, const wxString& extension);
    // A folder, the chooser starting in `start`. Empty when cancelled.
    wxString ChooseFolder(zav::TextId caption, const wxString& start);

    // Where the next open chooser starts: a folder, or the file chosen last.
    const wxString& ChooserPlace() const { return chooserPlace_; }

private:
    wxWindow* parent_;
    const zav::Language language_;
    WxMessageSink messages_;
    const zav::Reporter reporter_;
    wxString chooserPlace_;
};

}  // namespace zavgui
