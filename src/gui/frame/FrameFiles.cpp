// Sheet files: new, open, save, save as, automatic save, the save question
// before a sheet is replaced or the program ends, and the start-up file.
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include "dialogs/GeneralDataDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "sheetfile/SheetFile.h"
#include "support/ChooserFolder.h"

using namespace zavgui;

int wxZAVFrame::SaveSheet(const wxString& path) {
    return zav::SaveSheet(sheet, ToCore(path), wxLanguage, messages_);
}

int wxZAVFrame::LoadSheet(const wxString& path) {
    SetDataToZero();
    if (zav::LoadSheet(sheet, ToCore(path), wxLanguage, messages_) != 0) return 1;
    if (sheet.iScoreSet == 1) {
        // A sheet of a set opened by itself is saved back where it came
        // from, never to the sheet of the set opened before.
        sheet.wxsMultiFileOpen = ToCore(path);
        pMenuFile->Enable(ID_SAVE_AS_SHEET, false);
    } else {
        pSheetCombo->Clear();
        pMenuFile->Enable(ID_SAVE_AS_SHEET, true);
    }
    ComputeDisplaySheet();
    return 0;
}

// A changed sheet of a set goes back to its own file without a question; a
// changed single sheet is offered a save. Nothing can cancel what follows.
void wxZAVFrame::QuitTest() {
    SaveSetSheetSilently();
    if (iSheetState == kSheetChanged) {
        const int answer = wxMessageBox(Tx(zav::txt::kSaveBeforeExit), sAppli,
                                        wxYES_NO | wxICON_INFORMATION, this);
        if (answer == wxYES) SaveFileAndDialog();
    }
}

void wxZAVFrame::OnNewSheet(wxCommandEvent&) {
    QuitTest();
    SetDataToZero();
    SetTitleNoFile();
    sheet.iGamesNr = 8;
    sheet.iTeamsNr = 4;
    sheet.iScoring = 4;
    pMenuFile->Enable(ID_SAVE_AS_SHEET, true);
    GeneralDataDialog dialog(this, sheet, wxLanguage);
    if (dialog.ShowModal() != wxID_OK) return;
    iSheetState = kSheetChanged;
    sheet.iGamesRunning = 0;
    EnableMenuChallenge(sheet.iChallengeScoring != 0 ? 1 : 0);
    ComputeDisplaySheet();
}

void wxZAVFrame::OnOpenSheet(wxCommandEvent&) {
    QuitTest();
    wxFileDialog dialog(this, Tx(100), StartFolder(wxsScoreDir), wxEmptyString, Tx(101),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return;
    wxsDlgFullPath = dialog.GetPath();
    wxsDlgFileName = wxFileName(wxsDlgFullPath).GetFullName();
    wxsScoreDir = wxsDlgFullPath;
    SetTitleForFile(wxsDlgFileName);
    if (LoadSheet(wxsDlgFullPath) != 0) {
        SetTitleNoFile();
        iSheetState = kNoSheet;
        EnableMenuChallenge(0);
        return;
    }
    iSheetState = kSheetUnchanged;
    AdoptFile(wxsDlgFullPath);
    ApplyViewOnOpening();
}

// Asks for a file and saves the sheet there. After a successful save the
// sheet belongs to the chosen file; after a failed one it stays changed and
// keeps the file it had.
int wxZAVFrame::SaveToChosenFile(int captionOffset, const wxString& folder,
                                 const wxString& fileName) {
    wxFileDialog dialog(this, Tx(captionOffset), folder, fileName, Tx(101),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return 1;
    wxFileName chosen(dialog.GetPath());
    // The filter offers only sheets: a name typed without extension gets one.
    if (!chosen.HasExt()) chosen.SetExt(wxS("score"));
    wxsDlgFullPath = chosen.GetFullPath();
    wxsDlgFileName = chosen.GetFullName();
    if (SaveSheet(wxsDlgFullPath) != 0) {
        if (sheet.wxsFileName.empty())
            SetTitleNoFile();
        else
            SetTitleForFile(FromCore(sheet.wxsFileName));
        return 1;
    }
    AdoptFile(wxsDlgFullPath);
    iSheetState = kSheetUnchanged;
    return 0;
}

void wxZAVFrame::AdoptFile(const wxString& path) {
    const wxFileName name(path);
    sheet.wxsFullFileName = ToCore(path);
    sheet.wxsFilePath = ToCore(name.GetPath());
    sheet.wxsFileName = ToCore(name.GetFullName());
    SetTitleForFile(name.GetFullName());
}

int wxZAVFrame::SaveFileAndDialog() {
    return SaveToChosenFile(102, FromCore(sheet.wxsFilePath), FromCore(sheet.wxsFileName));
}

void wxZAVFrame::OnSaveSheet(wxCommandEvent&) {
    if (!RequireSheet()) return;
    if (sheet.iScoreSet == 1) {
        if (iSheetState == kSheetChanged && SaveSheet(FromCore(sheet.wxsMultiFileOpen)) == 0)
            iSheetState = kSheetUnchanged;
        return;
    }
    if (sheet.wxsFullFileName.empty()) {
        SaveToChosenFile(103, wxEmptyString, wxEmptyString);
        return;
    }
    if (SaveSheet(FromCore(sheet.wxsFullFileName)) == 0) iSheetState = kSheetUnchanged;
}

void wxZAVFrame::OnSaveAsSheet(wxCommandEvent&) {
    if (!RequireSheet()) return;
    SaveFileAndDialog();
}

void wxZAVFrame::SaveAuto() {
    if (sheet.iScoreSet == 1)
        SaveSheet(FromCore(sheet.wxsMultiFileOpen));
    else
        SaveSheet(FromCore(sheet.wxsFullFileName));
}

void wxZAVFrame::OpenStartupFile() {
    const wxString path = context_.startupFile;
    if (path.Find(wxS(".mscore")) > 0) {
        OpenSet(path);
        return;
    }
    if (LoadSheet(path) != 0) return;
    iSheetState = kSheetUnchanged;
    AdoptFile(path);
    ApplyViewOnOpening();
}
