#include "frame/FileCommands.h"

#include <wx/filefn.h>

#include "dialogs/GeneralDataDialog.h"
#include "frame/CommandIds.h"
#include "frame/InputCommands.h"
#include "frame/RecentSheets.h"
#include "frame/ZAVFrame.h"

namespace zavgui {

FileCommands::FileCommands(wxZAVFrame& frame, InputCommands& input) : frame_(frame), input_(input) {
    frame.Bind(wxEVT_MENU, &FileCommands::OnNewSheet, this, ID_NEW_SHEET);
    frame.Bind(wxEVT_MENU, &FileCommands::OnOpenSheet, this, ID_OPEN_SHEET);
    frame.Bind(wxEVT_MENU, &FileCommands::OnSaveSheet, this, ID_SAVE_SHEET);
    frame.Bind(wxEVT_MENU, &FileCommands::OnSaveAsSheet, this, ID_SAVE_AS_SHEET);
    frame.Bind(wxEVT_MENU, &FileCommands::OnClose, this, ID_QUIT);
    frame.Bind(wxEVT_MENU, &FileCommands::OnRecentSheet, this, wxID_FILE1,
               wxID_FILE1 + zav::kRecentFilesMax - 1);
}

// The new sheet is open once the General data dialog describes it; its teams
// and games follow, in the order the sheet is filled. Cancel stops there,
// with what was entered kept.
void FileCommands::OnNewSheet(wxCommandEvent&) {
    if (!frame_.MayReplaceSheet()) return;
    SheetDocument& document = frame_.Document();
    document.NewSheet();
    frame_.ShowDocument();
    GeneralDataDialog dialog(&frame_, document.EditSheet(), frame_.Language());
    if (dialog.ShowModal() != wxID_OK) return;
    document.NewSheetDescribed();
    frame_.ComputeDisplaySheet();
    frame_.ShowMarks();
    if (input_.EditTeams()) input_.EditGameList();
}

void FileCommands::OnOpenSheet(wxCommandEvent&) {
    if (!frame_.MayReplaceSheet()) return;
    const wxString path = frame_.User().ChooseExistingFile(
        FileKind::Sheet, zav::TextId::OpenSheetCaption, zav::TextId::SheetFilter);
    if (path.empty()) return;
    frame_.Document().OpenSheet(ToCore(path));
    frame_.ShowDocument();
}

// A recent file that is gone is named in a message and leaves the list; the
// sheet on screen stays.
void FileCommands::OnRecentSheet(wxCommandEvent& event) {
    RecentSheets& recent = frame_.Recent();
    const wxString path = recent.FileOf(event.GetId());
    if (path.empty()) return;
    if (!wxFileExists(path)) {
        const zav::Reporter& reporter = frame_.User().Reporter();
        reporter.ShowText(
            zav::MessageIcon::Information,
            zav::FormatText(reporter.Text(zav::TextId::RecentFileMissing), ToCore(path)));
        recent.Remove(event.GetId());
        frame_.ShowMarks();
        return;
    }
    if (!frame_.MayReplaceSheet()) return;
    frame_.OpenFile(path);
    frame_.ShowDocument();
}

void FileCommands::OnSaveSheet(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    frame_.Document().SaveSheet();
    frame_.ShowDocument();
}

void FileCommands::OnSaveAsSheet(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    frame_.Document().SaveFileAndDialog();
    frame_.ShowDocument();
}

void FileCommands::OnClose(wxCommandEvent&) {
    frame_.Quit();
}

}  // namespace zavgui
