// Sheet files: new, open, save, save as, automatic save, the save question
// before a sheet is replaced or the program ends, and the start-up file.
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include "ChooserFolder.h"
#include "CommandIds.h"
#include "GeneralDataDialog.h"
#include "ZAVFrame.h"
#include "sheet/ResultEntry.h"
#include "sheetfile/SheetFile.h"

using namespace zavgui;

bool wxZAVFrame::SaveSheet(const wxString& path) {
    return zav::SaveSheet(sheet, ToCore(path), Reporter());
}

bool wxZAVFrame::LoadSheet(const wxString& path) {
    SetDataToZero();
    if (!zav::LoadSheet(sheet, ToCore(path), Reporter())) return false;
    if (sheet.bScoreSet) {
        // A sheet of a set opened by itself is saved back where it came
        // from, never to the sheet of the set opened before.
        sheet.sMultiFileOpen = ToCore(path);
        pMenuFile->Enable(ID_SAVE_AS_SHEET, false);
    } else {
        pSheetCombo->Clear();
        pMenuFile->Enable(ID_SAVE_AS_SHEET, true);
    }
    ComputeDisplaySheet();
    return true;
}

// A changed sheet of a set goes back to its own file without a question; a
// changed single sheet is offered a save. Nothing can cancel what follows.
void wxZAVFrame::QuitTest() {
    SaveSetSheetSilently();
    if (iSheetState == kSheetChanged) {
        const int answer = wxMessageBox(Tx(zav::TextId::SaveBeforeExit), sAppli,
                                        wxYES_NO | wxICON_INFORMATION, this);
        if (answer == wxYES) SaveFileAndDialog();
    }
}

void wxZAVFrame::OnNewSheet(wxCommandEvent&) {
    QuitTest();
    SetDataToZero();
    SetTitleNoFile();
    zav::SetNewSheetDefaults(sheet);
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
    wxFileDialog dialog(this, Tx(zav::TextId::OpenSheetCaption), StartFolder(wxsScoreDir),
                        wxEmptyString, Tx(zav::TextId::SheetFilter),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return;
    wxsDlgFullPath = dialog.GetPath();
    wxsDlgFileName = wxFileName(wxsDlgFullPath).GetFullName();
    wxsScoreDir = wxsDlgFullPath;
    SetTitleForFile(wxsDlgFileName);
    if (!LoadSheet(wxsDlgFullPath)) {
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
int wxZAVFrame::SaveToChosenFile(zav::TextId caption, const wxString& folder,
                                 const wxString& fileName) {
    wxFileDialog dialog(this, Tx(caption), folder, fileName, Tx(zav::TextId::SheetFilter),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return 1;
    wxFileName chosen(dialog.GetPath());
    // The filter offers only sheets: a name typed without extension gets one.
    if (!chosen.HasExt()) chosen.SetExt(wxS("score"));
    wxsDlgFullPath = chosen.GetFullPath();
    wxsDlgFileName = chosen.GetFullName();
    if (!SaveSheet(wxsDlgFullPath)) {
        if (sheet.sFileName.empty())
            SetTitleNoFile();
        else
            SetTitleForFile(FromCore(sheet.sFileName));
        return 1;
    }
    AdoptFile(wxsDlgFullPath);
    iSheetState = kSheetUnchanged;
    return 0;
}

void wxZAVFrame::AdoptFile(const wxString& path) {
    const wxFileName name(path);
    sheet.sFullFileName = ToCore(path);
    sheet.sFilePath = ToCore(name.GetPath());
    sheet.sFileName = ToCore(name.GetFullName());
    SetTitleForFile(name.GetFullName());
}

int wxZAVFrame::SaveFileAndDialog() {
    return SaveToChosenFile(zav::TextId::SaveSheetAsCaption, FromCore(sheet.sFilePath),
                            FromCore(sheet.sFileName));
}

void wxZAVFrame::OnSaveSheet(wxCommandEvent&) {
    if (!RequireSheet()) return;
    if (sheet.bScoreSet) {
        if (iSheetState == kSheetChanged && SaveSheet(FromCore(sheet.sMultiFileOpen)))
            iSheetState = kSheetUnchanged;
        return;
    }
    if (sheet.sFullFileName.empty()) {
        SaveToChosenFile(zav::TextId::SaveSheetCaption, wxEmptyString, wxEmptyString);
        return;
    }
    if (SaveSheet(FromCore(sheet.sFullFileName))) iSheetState = kSheetUnchanged;
}

void wxZAVFrame::OnSaveAsSheet(wxCommandEvent&) {
    if (!RequireSheet()) return;
    SaveFileAndDialog();
}

void wxZAVFrame::SaveAuto() {
    if (sheet.bScoreSet)
        SaveSheet(FromCore(sheet.sMultiFileOpen));
    else
        SaveSheet(FromCore(sheet.sFullFileName));
}

void wxZAVFrame::OpenStartupFile() {
    const wxString path = context_.startupFile;
    if (path.Find(wxS(".mscore")) > 0) {
        OpenSet(path);
        return;
    }
    if (!LoadSheet(path)) return;
    iSheetState = kSheetUnchanged;
    AdoptFile(path);
    ApplyViewOnOpening();
}
