// Copy, move and delete of a whole score sheet set, and the help document on
// set creation.
#include <wx/dirdlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "ZAVFrame.h"
#include "sets/SetManagement.h"

using namespace zavgui;

int wxZAVFrame::CommonOpenSIF(zav::SetOperation operation) {
    QuitTest();
    CloseSheetAndSet();
    const wxString setPath = ChooseSetFile();
    if (setPath.empty()) return 1;

    if (operation == zav::SetOperation::Delete) {
        if (wxMessageBox(Tx(zav::TextId::DeleteSetWarning), sAppli, wxYES_NO | wxICON_STOP, this) !=
            wxYES)
            return 1;
        return zav::TraiteSetSheet(operation, ToCore(setPath), ToCore(setPath), Reporter()) ? 0 : 1;
    }
    wxDirDialog folderDialog(this, Tx(zav::TextId::ChooseTargetFolder),
                             wxFileName(setPath).GetPath(), wxDD_DEFAULT_STYLE);
    // An empty answer would name the current folder, wherever that is.
    if (folderDialog.ShowModal() != wxID_OK || folderDialog.GetPath().empty()) return 1;
    return zav::CopyOrMoveSet(operation, ToCore(setPath), ToCore(folderDialog.GetPath()),
                              Reporter())
               ? 0
               : 1;
}

namespace {
void RunSetOperation(wxZAVFrame& frame, zav::SetOperation code) {
    if (frame.CommonOpenSIF(code) != 0) return;
    wxMessageBox(FromCore(zav::SetOperationDone(code, frame.wxLanguage)), sAppli,
                 wxOK | wxICON_INFORMATION, &frame);
}
}  // namespace

void wxZAVFrame::OnCopySIFScoreSet(wxCommandEvent&) {
    RunSetOperation(*this, zav::SetOperation::Copy);
}
void wxZAVFrame::OnMoveSIFScoreSet(wxCommandEvent&) {
    RunSetOperation(*this, zav::SetOperation::Move);
}
void wxZAVFrame::OnDeleteSIFScoreSet(wxCommandEvent&) {
    RunSetOperation(*this, zav::SetOperation::Delete);
}

// The document exists in French only; the other languages have no help.
void wxZAVFrame::OnHelpSIFScoreSet(wxCommandEvent&) {
    if (wxLanguage == zav::Language::French) OpenDocument(wxS("aide_fichier_sif_fr.pdf"));
}
