#include "frame/WindowUser.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include <utility>

#include "support/GuiText.h"

namespace zavgui {

WindowUser::WindowUser(wxWindow* parent, zav::Language language, ChooserFolders folders)
    : parent_(parent),
      language_(language),
      messages_(parent, language),
      reporter_(language, messages_),
      folders_(std::move(folders)) {}

SaveAnswer WindowUser::AskSaveChanges() {
    switch (messages_.AskYesNoCancel(zav::Text(language_, zav::TextId::SaveBeforeExit),
                                     zav::MessageIcon::Information)) {
        case wxID_YES: return SaveAnswer::Save;
        case wxID_NO: return SaveAnswer::DontSave;
        default: return SaveAnswer::Cancel;
    }
}

std::string WindowUser::ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                                       const std::string& fileName) {
    const zav::TextId caption = chooser == SaveChooser::SaveAs ? zav::TextId::SaveSheetAsCaption
                                                               : zav::TextId::SaveSheetCaption;
    return ToCore(ChooseNewFile(FileKind::Sheet, caption, FromCore(folder), FromCore(fileName),
                                zav::TextId::SheetFilter, wxS("score")));
}

wxString WindowUser::ChooseExistingFile(FileKind kind, zav::TextId caption, zav::TextId filter,
                                        const wxString& folder, const wxString& fileName) {
    wxFileDialog dialog(parent_, Tx(language_, caption),
                        folder.empty() ? folders_.Start(kind) : folder, fileName,
                        Tx(language_, filter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    folders_.Remember(kind, dialog.GetPath());
    return dialog.GetPath();
}

// The toolkit's own overwrite question sees only the name as typed, so
// "results" would silently replace "results.score": the extension is added
// first, then the program asks about the very file it will write, in its
// own language. No goes back to the chooser with the name given.
wxString WindowUser::ChooseNewFile(FileKind kind, zav::TextId caption, const wxString& folder,
                                   const wxString& fileName, zav::TextId filter,
                                   const wxString& extension) {
    wxString startFolder = folder.empty() ? folders_.Start(kind) : folder, startName = fileName;
    for (;;) {
        wxFileDialog dialog(parent_, Tx(language_, caption), startFolder, startName,
                            Tx(language_, filter), wxFD_SAVE);
        if (dialog.ShowModal() != wxID_OK) return wxString();
        wxFileName chosen(dialog.GetPath());
        // The filter offers one kind of file: a name typed without extension gets it.
        if (!chosen.HasExt()) chosen.SetExt(extension);
        const wxString path = chosen.GetFullPath();
        if (chosen.FileExists() &&
            !messages_.AskYesNo(
                zav::FormatText(zav::Text(language_, zav::TextId::ReplaceExistingFile),
                                ToCore(path)),
                zav::MessageIcon::Warning, zav::QuestionKind::Destructive)) {
            startFolder = chosen.GetPath();
            startName = chosen.GetFullName();
            continue;
        }
        folders_.Remember(kind, path);
        return path;
    }
}

wxString WindowUser::ChooseFolder(zav::TextId caption, const wxString& start) {
    wxDirDialog dialog(parent_, Tx(language_, caption), start, wxDD_DEFAULT_STYLE);
    // An empty answer would name the current folder, wherever that is.
    if (dialog.ShowModal() != wxID_OK) return wxString();
    return dialog.GetPath();
}

}  // namespace zavgui
