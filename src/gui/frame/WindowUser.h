// The user as the window reaches them: the program's message boxes (the
// message sink the core reports through) and the file and folder choosers.
// The sheet document asks its questions through it.
#pragma once

#include <wx/string.h>

#include "document/DocumentUser.h"
#include "support/ChooserFolders.h"
#include "support/WxMessageSink.h"

class wxWindow;

namespace zavgui {

class WindowUser final : public DocumentUser {
public:
    WindowUser(wxWindow* parent, zav::Language language, ChooserFolders folders);

    SaveAnswer AskSaveChanges() override;
    std::string ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                               const std::string& fileName) override;
    // The message boxes in the interface language.
    const zav::Reporter& Reporter() override { return reporter_; }

    // An existing file of that kind to read, the chooser starting in
    // `folder` on `fileName`, or in the kind's folder when `folder` is empty.
    // Empty when cancelled.
    wxString ChooseExistingFile(FileKind kind, zav::TextId caption, zav::TextId filter,
                                const wxString& folder = wxString(),
                                const wxString& fileName = wxString());
    // A file of that kind to write, proposed as `fileName` in `folder`, or
    // in the kind's folder when that is empty; a name typed without
    // extension gets `extension`, and an existing file is replaced only when
    // the user says so. Empty when cancelled.
    wxString ChooseNewFile(FileKind kind, zav::TextId caption, const wxString& folder,
                           const wxString& fileName, zav::TextId filter, const wxString& extension);
    // A folder, the chooser starting in `start`. Empty when cancelled.
    wxString ChooseFolder(zav::TextId caption, const wxString& start);

    const ChooserFolders& Folders() const { return folders_; }

private:
    wxWindow* parent_;
    const zav::Language language_;
    WxMessageSink messages_;
    const zav::Reporter reporter_;
    const ChooserFolders folders_;
};

}  // namespace zavgui
