// The View commands and the pages they show: score sheet, staff list,
// equipment list, equipment position; and the rankings shown on the sheet.
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"

using namespace zavgui;

void wxZAVFrame::ComputeDisplaySheet() {
    ShowPage(PageKind::Sheet);
}

void wxZAVFrame::ShowPage(PageKind kind) {
    view_->Show(pages_->Page(kind, PageUse::Window));
}

void wxZAVFrame::OnScoreSheet(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_SCORE_SHEET);
    ShowPage(PageKind::Sheet);
}

void wxZAVFrame::OnStaffSheet(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_STAFF_SHEET);
    ShowPage(PageKind::Staff);
}

void wxZAVFrame::OnEquipList(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_EQUIP_LIST);
    ShowPage(PageKind::Equipment);
}

void wxZAVFrame::OnPlacement(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_PLACEMENT);
    ShowPage(PageKind::Placement);
}

void wxZAVFrame::OnViewRanking(wxCommandEvent& event) {
    RefreshViewChecks();
    if (!RequireSheet()) return;
    // The toolbar's buttons are never disabled: without a 'Challenge' they do
    // nothing.
    if (sheet.iChallengeScoring == 0) return;
    CheckRankingView(event.GetId());
    ComputeDisplaySheet();
}
