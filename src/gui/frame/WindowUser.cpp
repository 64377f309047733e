#include "frame/WindowUser.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include "support/ChooserFolder.h"
#include "support/GuiText.h"

namespace zavgui {

namespace {

constexpr int kSaveSheetAsCaption = 102;
constexpr int kSaveSheetCaption = 103;
constexpr int kSheetFilter = 101;

}  // namespace

WindowUser::WindowUser(wxWindow* parent, int wxLanguage, const wxString& chooserPlace)
    : parent_(parent), wxLanguage_(wxLanguage), messages_(parent), chooserPlace_(chooserPlace) {}

SaveAnswer WindowUser::AskSaveChanges() {
    return messages_.AskYesNo(zav::Text(wxLanguage_, zav::txt::kSaveBeforeExit),
                              zav::MessageIcon::Information)
               ? SaveAnswer::Save
               : SaveAnswer::DontSave;
}

std::string WindowUser::ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                                       const std::string& fileName) {
    const int caption = chooser == SaveChooser::SaveAs ? kSaveSheetAsCaption : kSaveSheetCaption;
    return ToCore(
        ChooseNewFile(caption, FromCore(folder), FromCore(fileName), kSheetFilter, wxS("score")));
}

void WindowUser::Tell(int offset, zav::MessageIcon icon) {
    messages_.ShowMessage(zav::Text(wxLanguage_, offset), icon);
}

wxString WindowUser::ChooseExistingFile(int captionOffset, int filterOffset) {
    wxFileDialog dialog(parent_, Tx(wxLanguage_, captionOffset), StartFolder(chooserPlace_),
                        wxEmptyString, Tx(wxLanguage_, filterOffset),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    chooserPlace_ = dialog.GetPath();
    return chooserPlace_;
}

wxString WindowUser::ChooseNewFile(int captionOffset, const wxString& folder,
                                   const wxString& fileName, int filterOffset,
                                   const wxString& extension) {
    wxFileDialog dialog(parent_, Tx(wxLanguage_, captionOffset), folder, fileName,
                        Tx(wxLanguage_, filterOffset), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    wxFileName chosen(dialog.GetPath());
    // The filter offers one kind of file: a name typed without extension gets it.
    if (!extension.empty() && !chosen.HasExt()) chosen.SetExt(extension);
    return chosen.GetFullPath();
}

wxString WindowUser::ChooseFolder(int captionOffset, const wxString& start) {
    wxDirDialog dialog(parent_, Tx(wxLanguage_, captionOffset), start, wxDD_DEFAULT_STYLE);
    // An empty answer would name the current folder, wherever that is.
    if (dialog.ShowModal() != wxID_OK) return wxString();
    return dialog.GetPath();
}

}  // namespace zavgui
