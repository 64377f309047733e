// Score sheet sets in the window: creation from a SIF file, opening a set,
// and moving between its sheets with the toolbar's sheet chooser.
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/menu.h>

#include <algorithm>

#include "ChooserFolder.h"
#include "CommandIds.h"
#include "SifGroupingDialog.h"
#include "SifOptionsDialog.h"
#include "ZAVFrame.h"
#include "sets/SetCreation.h"
#include "sets/SetFile.h"
#include "sets/SifFile.h"

using namespace zavgui;

void wxZAVFrame::CloseSheetAndSet() {
    SetDataToZero();
    FillSheetChooser({}, std::string());
    SetTitleNoFile();
    EnableMenuChallenge(0);
    pMenuFile->Enable(ID_SAVE_AS_SHEET, true);
}

void wxZAVFrame::FillSheetChooser(const std::vector<std::string>& names, const std::string& shown) {
    aSheetNames.clear();
    for (const std::string& name : names) aSheetNames.Add(FromCore(name));
    pSheetCombo->Set(aSheetNames);  // the control sorts them
    if (shown.empty())
        pSheetCombo->SetValue(wxEmptyString);
    else
        pSheetCombo->SetStringSelection(FromCore(shown));
}

void wxZAVFrame::OnSize(wxSizeEvent& event) {
    event.Skip();
    // The toolbar places its tools after this event: measure then.
    CallAfter(&wxZAVFrame::FitSheetChooser);
}

// The toolbar spans the window's width; it may not have taken a new width
// yet when this runs, the window has.
void wxZAVFrame::FitSheetChooser() {
    constexpr int kMargin = 8;
    const int left = pSheetCombo->GetPosition().x;
    if (left <= 0) return;  // not placed yet
    const int width = std::clamp(GetClientSize().x - left - kMargin, kSheetChooserMinWidth,
                                 kSheetChooserMaxWidth);
    if (width == pSheetCombo->GetSize().x) return;
    pSheetCombo->SetMinSize(wxSize(width, -1));
    pSheetCombo->SetSize(wxSize(width, -1));
}

int wxZAVFrame::SaveSetSheetSilently() {
    if (!sheet.bScoreSet || iSheetState != kSheetChanged) return 0;
    if (!SaveSheet(FromCore(sheet.sMultiFileOpen))) return 1;
    iSheetState = kSheetUnchanged;
    return 0;
}

bool wxZAVFrame::LoadSetSheet(const wxString& path) {
    // Read into a copy: a set file that cannot be opened leaves the sheet on
    // screen and the chooser as they were.
    zav::ScoreSheet opened = sheet;
    std::vector<std::string> names;
    if (!zav::LoadSetSheet(opened, ToCore(path), names, Reporter())) return false;
    SetDataToZero();
    sheet = std::move(opened);
    FillSheetChooser(names, names.front());
    pMenuFile->Enable(ID_SAVE_AS_SHEET, false);
    ApplyViewOnOpening();
    ComputeDisplaySheet();
    return true;
}

// The set is now the open file: title, identity, menus and views.
void wxZAVFrame::AdoptSet(const wxString& path) {
    const wxFileName name(path);
    iSheetState = kSheetUnchanged;
    sheet.sFullFileName = ToCore(path);
    sheet.sFileName = ToCore(name.GetFullName());
    SetTitleForFile(name.GetFullName());
}

int wxZAVFrame::OpenSet(const wxString& path) {
    wxsDlgFullPath = path;
    wxsDlgFileName = wxFileName(path).GetFullName();
    SetTitleForFile(wxsDlgFileName);
    if (!LoadSetSheet(path)) {
        // Nothing stays on screen that the commands would call "no sheet".
        CloseSheetAndSet();
        return 1;
    }
    AdoptSet(path);
    return 0;
}

wxString wxZAVFrame::ChooseExistingFile(zav::TextId caption, zav::TextId filter) {
    wxFileDialog dialog(this, Tx(caption), StartFolder(wxsScoreDir), wxEmptyString, Tx(filter),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    wxsScoreDir = dialog.GetPath();
    return dialog.GetPath();
}

wxString wxZAVFrame::ChooseSetFile() {
    return ChooseExistingFile(zav::TextId::OpenSetCaption, zav::TextId::SetFilter);
}

void wxZAVFrame::OnOpenScoreSet(wxCommandEvent&) {
    QuitTest();
    const wxString path = ChooseSetFile();
    if (!path.empty()) OpenSet(path);
}

void wxZAVFrame::OnComboBoxUpdate(wxCommandEvent& event) {
    const wxString chosen = event.GetString();
    if (chosen.empty() || sheet.sMScoreOpen.empty()) return;
    if (sheet.bScoreSet) {
        // A sheet whose changes could not be written stays on screen, so
        // that nothing typed is lost; the writer has said why.
        if (SaveSetSheetSilently() != 0) {
            pSheetCombo->SetStringSelection(
                wxFileName(FromCore(sheet.sMultiFileOpen)).GetFullName());
            return;
        }
    } else {
        // A single sheet shown beside a chooser left from a set: it is not
        // replaced without the save question.
        QuitTest();
    }
    const std::string setFile = sheet.sMScoreOpen;
    SetDataToZero();
    sheet.sMScoreOpen = setFile;
    // A sheet that cannot be read is reported and shown empty, still of the set.
    static_cast<void>(zav::LoadSheetOfSet(sheet, ToCore(chosen), Reporter()));
    iSheetState = kSheetUnchanged;
    SetTitleForFile(wxFileName(FromCore(setFile)).GetFullName());
    pMenuFile->Enable(ID_SAVE_AS_SHEET, false);
    ApplyViewOnOpening();
    ComputeDisplaySheet();
}

void wxZAVFrame::OnCreateSIFScoreSet(wxCommandEvent&) {
    QuitTest();
    CloseSheetAndSet();
    const wxString path = ChooseExistingFile(zav::TextId::OpenSifCaption, zav::TextId::SifFilter);
    if (!path.empty()) LoadSIFFile(path);
}

int wxZAVFrame::LoadSIFFile(const wxString& path) {
    zav::SifEntries entries;
    if (!zav::ReadSifFile(ToCore(path), entries, Reporter()) ||
        !zav::CheckSifHasTeams(entries, ToCore(path), Reporter()))
        return 1;

    wxFileDialog saveDialog(this, Tx(zav::TextId::SaveSetCaption), wxFileName(path).GetPath(),
                            FromCore(entries.sCompetNr) + wxS(".mscore"),
                            Tx(zav::TextId::SetFilter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (saveDialog.ShowModal() != wxID_OK) return 1;
    wxFileName setFile(saveDialog.GetPath());
    // The filter offers only sets: a name typed without extension gets one.
    if (!setFile.HasExt()) setFile.SetExt(wxS("mscore"));
    const wxString setPath = setFile.GetFullPath();
    SetTitleForFile(setFile.GetFullName());

    SifOptionsDialog optionsDialog(this, wxLanguage);
    if (optionsDialog.ShowModal() != wxID_OK) return 1;

    zav::SetPlan plan;
    if (optionsDialog.bOnePerCat) {
        plan = zav::OneSheetPerCategory(entries);
    } else {
        plan = zav::EmptyGrouping(entries);
        // One pass per sheet until every category is on one.
        while (!zav::UnassignedCategories(plan).empty()) {
            SifGroupingDialog groupingDialog(this, wxLanguage, entries, plan, plan.iFeuilleCat + 1);
            if (groupingDialog.ShowModal() != wxID_OK) return 1;
            // A refused choice (none made) leaves the plan as it was: the
            // dialog comes back for the same sheet.
            static_cast<void>(zav::AddGroupedSheet(plan, groupingDialog.chosen));
        }
    }

    if (!zav::CreateSet(entries, optionsDialog.options, plan, ToCore(setPath), sheet, Reporter())) {
        CloseSheetAndSet();
        return 1;
    }
    return OpenSet(setPath);
}
