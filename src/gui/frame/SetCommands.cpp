#include "frame/SetCommands.h"

#include <wx/filename.h>

#include "dialogs/SifGroupingDialog.h"
#include "dialogs/SifOptionsDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "sets/SetCreation.h"
#include "sets/SifFile.h"

namespace zavgui {

namespace {

constexpr int kOpenSetCaption = 115;
constexpr int kSetFilter = 116;
constexpr int kOpenSifCaption = 117;
constexpr int kSifFilter = 118;
constexpr int kSaveSetCaption = 331;

}  // namespace

SetCommands::SetCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &SetCommands::OnOpenScoreSet, this, ID_OPEN_SCORE_SET);
    frame.Bind(wxEVT_MENU, &SetCommands::OnCreateSIFScoreSet, this, ID_CREATE_SIF_SCORE_SET);
    frame.Bind(wxEVT_COMBOBOX, &SetCommands::OnComboBoxUpdate, this, ID_SHEET_COMBO);
}

void SetCommands::OnOpenScoreSet(wxCommandEvent&) {
    if (!frame_.MayReplaceSheet()) return;
    const wxString path = frame_.User().ChooseExistingFile(kOpenSetCaption, kSetFilter);
    if (path.empty()) return;
    frame_.Document().OpenSet(ToCore(path));
    frame_.ShowDocument();
}

void SetCommands::OnComboBoxUpdate(wxCommandEvent& event) {
    frame_.Document().ShowSetSheet(ToCore(event.GetString()));
    frame_.ShowDocument();
}

void SetCommands::OnCreateSIFScoreSet(wxCommandEvent&) {
    if (!frame_.MayReplaceSheet()) return;
    frame_.Document().Close();
    frame_.ShowDocument();
    const wxString path = frame_.User().ChooseExistingFile(kOpenSifCaption, kSifFilter);
    if (!path.empty()) LoadSIFFile(path);
}

void SetCommands::LoadSIFFile(const wxString& path) {
    const int language = frame_.Language();
    zav::MessageSink& messages = frame_.User().Messages();
    zav::SifEntries entries;
    if (zav::ReadSifFile(ToCore(path), entries, language, messages) != 0 ||
        zav::CheckSifHasTeams(entries, ToCore(path), language, messages) != 0)
        return;

    const wxString setPath = frame_.User().ChooseNewFile(
        kSaveSetCaption, wxFileName(path).GetPath(), FromCore(entries.wxCompetNr) + wxS(".mscore"),
        kSetFilter, wxS("mscore"));
    if (setPath.empty()) return;
    // Named in the title from here on, even if a later step is cancelled.
    frame_.SetTitle(TitleFor(wxFileName(setPath).GetFullName()));

    SifOptionsDialog optionsDialog(&frame_, language);
    if (optionsDialog.ShowModal() != wxID_OK) return;
    zav::SetPlan plan;
    if (optionsDialog.bOnePerCat) {
        plan = zav::OneSheetPerCategory(entries);
    } else {
        plan = zav::EmptyGrouping(entries);
        // One pass per sheet until every category is on one.
        while (!zav::UnassignedCategories(plan).empty()) {
            SifGroupingDialog groupingDialog(&frame_, language, entries, plan,
                                             plan.iFeuilleCat + 1);
            if (groupingDialog.ShowModal() != wxID_OK) return;
            zav::AddGroupedSheet(plan, groupingDialog.chosen);
        }
    }
    frame_.Document().CreateSet(entries, optionsDialog.options, plan, ToCore(setPath));
    frame_.ShowDocument();
}

}  // namespace zavgui
