#include "frame/WindowUser.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include "support/ChooserFolder.h"
#include "support/GuiText.h"

namespace zavgui {

WindowUser::WindowUser(wxWindow* parent, zav::Language language, const wxString& chooserPlace)
    : parent_(parent),
      language_(language),
      messages_(parent),
      reporter_(language, messages_),
      chooserPlace_(chooserPlace) {}

SaveAnswer WindowUser::AskSaveChanges() {
    return reporter_.Ask(zav::MessageIcon::Information, zav::TextId::SaveBeforeExit)
               ? SaveAnswer::Save
               : SaveAnswer::DontSave;
}

std::string WindowUser::ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                                       const std::string& fileName) {
    const zav::TextId caption = chooser == SaveChooser::SaveAs ? zav::TextId::SaveSheetAsCaption
                                                               : zav::TextId::SaveSheetCaption;
    return ToCore(ChooseNewFile(caption, FromCore(folder), FromCore(fileName),
                                zav::TextId::SheetFilter, wxS("score")));
}

wxString WindowUser::ChooseExistingFile(zav::TextId caption, zav::TextId filter,
                                        const wxString& proposed) {
    const wxFileName proposedFile(proposed);
    wxFileDialog dialog(parent_, Tx(language_, caption),
                        proposed.empty() ? StartFolder(chooserPlace_) : proposedFile.GetPath(),
                        proposedFile.GetFullName(), Tx(language_, filter),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    chooserPlace_ = dialog.GetPath();
    return chooserPlace_;
}

wxString WindowUser::ChooseNewFile(zav::TextId caption, const wxString& folder,
                                   const wxString& fileName, zav::TextId filter,
                                   const wxString& extension) {
    wxFileDialog dialog(parent_, Tx(language_, caption), folder, fileName, Tx(language_, filter),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    wxFileName chosen(dialog.GetPath());
    // The filter offers one kind of file: a name typed without extension gets it.
    if (!extension.empty() && !chosen.HasExt()) chosen.SetExt(extension);
    return chosen.GetFullPath();
}

wxString WindowUser::ChooseFolder(zav::TextId caption, const wxString& start) {
    wxDirDialog dialog(parent_, Tx(language_, caption), start, wxDD_DEFAULT_STYLE);
    // An empty answer would name the current folder, wherever that is.
    if (dialog.ShowModal() != wxID_OK) return wxString();
    return dialog.GetPath();
}

}  // namespace zavgui
