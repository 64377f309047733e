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
      messages_(parent),
      reporter_(language, messages_),
      folders_(std::move(folders)) {}

SaveAnswer WindowUser::AskSaveChanges() {
    return reporter_.Ask(zav::MessageIcon::Information, zav::TextId::SaveBeforeExit)
               ? SaveAnswer::Save
               : SaveAnswer::DontSave;
}

std::string WindowUser::ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                                       const std::string& fileName) {
    const zav::TextId caption = chooser == SaveChooser::SaveAs ? zav::TextId::SaveSheetAsCaption
                                                               : zav::TextId::SaveSheetCaption;
    return ToCore(ChooseNewFile(FileKind::Sheet, caption, FromCore(folder), FromCore(fileName),
                                zav::TextId::SheetFilter, wxS("score")));
}

wxString WindowUser::ChooseExistingFile(FileKind kind, zav::TextId caption, zav::TextId filter,
                                        wxWindow* parent) {
    wxFileDialog dialog(parent ? parent : parent_, Tx(language_, caption), folders_.Start(kind),
                        wxEmptyString, Tx(language_, filter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    folders_.Remember(kind, dialog.GetPath());
    return dialog.GetPath();
}

wxString WindowUser::ChooseNewFile(FileKind kind, zav::TextId caption, const wxString& folder,
                                   const wxString& fileName, zav::TextId filter,
                                   const wxString& extension) {
    wxFileDialog dialog(parent_, Tx(language_, caption),
                        folder.empty() ? folders_.Start(kind) : folder, fileName,
                        Tx(language_, filter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    wxFileName chosen(dialog.GetPath());
    // The filter offers one kind of file: a name typed without extension gets it.
    if (!extension.empty() && !chosen.HasExt()) chosen.SetExt(extension);
    folders_.Remember(kind, chosen.GetFullPath());
    return chosen.GetFullPath();
}

wxString WindowUser::ChooseFolder(zav::TextId caption, const wxString& start) {
    wxDirDialog dialog(parent_, Tx(language_, caption), start, wxDD_DEFAULT_STYLE);
    // An empty answer would name the current folder, wherever that is.
    if (dialog.ShowModal() != wxID_OK) return wxString();
    return dialog.GetPath();
}

}  // namespace zavgui
