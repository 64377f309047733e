#include "frame/SetCommands.h"

#include <wx/filename.h>
#include <wx/menu.h>

#include "dialogs/SifGroupingDialog.h"
#include "dialogs/SifOptionsDialog.h"
#include "frame/ArenaCommands.h"
#include "frame/CommandIds.h"
#include "frame/SheetChooser.h"
#include "frame/ZAVFrame.h"
#include "sets/SetCreation.h"
#include "sets/SifFile.h"

namespace zavgui {

SetCommands::SetCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &SetCommands::OnOpenScoreSet, this, ID_OPEN_SCORE_SET);
    frame.Bind(wxEVT_MENU, &SetCommands::OnCreateSIFScoreSet, this, ID_CREATE_SIF_SCORE_SET);
    frame.Bind(wxEVT_COMBOBOX, &SetCommands::OnComboBoxUpdate, this, ID_SHEET_COMBO);
    frame.Bind(wxEVT_MENU, &SetCommands::OnStepSetSheet, this, ID_NEXT_SET_SHEET);
    frame.Bind(wxEVT_MENU, &SetCommands::OnStepSetSheet, this, ID_PREVIOUS_SET_SHEET);
    frame.Bind(wxEVT_CHAR_HOOK, &SetCommands::OnKey, this);
}

void SetCommands::OnOpenScoreSet(wxCommandEvent&) {
    if (!frame_.MayReplaceSheet()) return;
    const wxString path = frame_.User().ChooseExistingFile(
        FileKind::Set, zav::TextId::OpenSetCaption, zav::TextId::SetFilter);
    if (path.empty()) return;
    frame_.Document().OpenSet(ToCore(path));
    frame_.ShowDocument();
}

void SetCommands::OnComboBoxUpdate(wxCommandEvent& event) {
    ShowSetSheet(ToCore(event.GetString()));
}

void SetCommands::OnStepSetSheet(wxCommandEvent& event) {
    const std::string name =
        frame_.Chooser().Neighbour(event.GetId() == ID_NEXT_SET_SHEET ? 1 : -1);
    if (!name.empty()) ShowSetSheet(name);
}

// The page takes Ctrl+PgDn and Ctrl+PgUp for its own scrolling before the
// menu's shortcuts are looked at (GTK gives the focused window the first
// say), so the window hears them first.
void SetCommands::OnKey(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const int command = key == WXK_PAGEDOWN ? ID_NEXT_SET_SHEET
                        : key == WXK_PAGEUP ? ID_PREVIOUS_SET_SHEET
                                            : 0;
    if (command == 0 || event.GetModifiers() != wxMOD_CONTROL ||
        !frame_.GetMenuBar()->IsEnabled(command)) {
        event.Skip();
        return;
    }
    frame_.ProcessCommand(command);
}

void SetCommands::ShowSetSheet(const std::string& name) {
    if (frame_.Arena().MayDropWaiting()) frame_.Document().ShowSetSheet(name);
    frame_.ShowDocument();
}

void SetCommands::OnCreateSIFScoreSet(wxCommandEvent&) {
    if (!frame_.MayReplaceSheet()) return;
    // Where the choosers start depends on the sheet open until now.
    const ChooserFolders& folders = frame_.User().Folders();
    const wxString sifFolder = folders.Start(FileKind::Sif),
                   setFolder = folders.Start(FileKind::Set);
    frame_.Document().Close();
    frame_.ShowDocument();
    const wxString path = frame_.User().ChooseExistingFile(
        FileKind::Sif, zav::TextId::OpenSifCaption, zav::TextId::SifFilter, sifFolder);
    if (!path.empty()) LoadSIFFile(path, setFolder);
}

void SetCommands::LoadSIFFile(const wxString& path, const wxString& setFolder) {
    const zav::Reporter& reporter = frame_.User().Reporter();
    zav::SifEntries entries;
    if (!zav::ReadSifFile(ToCore(path), entries, reporter) ||
        !zav::CheckSifHasTeams(entries, ToCore(path), reporter))
        return;

    const wxString setPath = frame_.User().ChooseNewFile(
        FileKind::Set, zav::TextId::SaveSetCaption, setFolder,
        FromCore(entries.sCompetNr) + wxS(".mscore"), zav::TextId::SetFilter, wxS("mscore"));
    if (setPath.empty()) return;
    // Named in the title from here on, even if a later step is cancelled.
    frame_.SetTitle(TitleFor(wxFileName(setPath).GetFullName()));

    SifOptionsDialog optionsDialog(&frame_, frame_.Language());
    if (optionsDialog.ShowModal() != wxID_OK) return;
    zav::SetPlan plan;
    if (optionsDialog.bOnePerCat) {
        plan = zav::OneSheetPerCategory(entries);
    } else {
        plan = zav::EmptyGrouping(entries);
        // One pass per sheet until every category is on one.
        while (!zav::UnassignedCategories(plan).empty()) {
            SifGroupingDialog groupingDialog(&frame_, frame_.Language(), entries, plan,
                                             plan.iFeuilleCat + 1);
            if (groupingDialog.ShowModal() != wxID_OK) return;
            // A refused choice (none made) leaves the plan as it was: the
            // dialog comes back for the same sheet.
            static_cast<void>(zav::AddGroupedSheet(plan, groupingDialog.chosen));
        }
    }
    frame_.Document().CreateSet(entries, optionsDialog.options, plan, ToCore(setPath));
    // The announcer's page names the riders from this file from now on.
    if (frame_.Document().HasSheet())
        static_cast<void>(frame_.AppSettings().Set(zav::SettingKey::ArenaEntries, ToCore(path)));
    frame_.ShowDocument();
}

}  // namespace zavgui
