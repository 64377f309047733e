// The View commands and the pages they show: score sheet, staff list,
// equipment list, equipment position; and the rankings shown on the sheet.
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "report/EquipmentPage.h"
#include "report/PageStyle.h"
#include "report/PlacementPage.h"
#include "report/StaffPage.h"

using namespace zavgui;

void wxZAVFrame::PrepareHtml(zav::OutputTarget target, bool withColours) {
    wxsHtmlPage = zav::PrepareHtml(sheet, view, target, withColours, wxLanguage,
                                   zav::ReadPageStyle(AppSettings()));
}

void wxZAVFrame::PrepareHtmlStaff(zav::OutputTarget target) {
    wxsHtmlPage =
        zav::PrepareHtmlStaff(sheet, target, wxLanguage, zav::ReadPageStyle(AppSettings()));
}

void wxZAVFrame::PrepareHtmlEquip(zav::OutputTarget target) {
    wxsHtmlPage =
        zav::PrepareHtmlEquip(sheet, target, wxLanguage, zav::ReadPageStyle(AppSettings()));
}

int wxZAVFrame::ComputeDisplaySheet() {
    PrepareHtml(zav::OutputTarget::WindowOrPrinter, true);
    ShowPage(wxsHtmlPage);
    return 0;
}

int wxZAVFrame::ComputeDisplayStaffSheet() {
    PrepareHtmlStaff(zav::OutputTarget::WindowOrPrinter);
    ShowPage(wxsHtmlPage);
    return 0;
}

int wxZAVFrame::ComputeDisplayEquipList() {
    PrepareHtmlEquip(zav::OutputTarget::WindowOrPrinter);
    ShowPage(wxsHtmlPage);
    return 0;
}

int wxZAVFrame::ComputeDisplayPlacement() {
    ShowPage(zav::PrepareHtmlPlacement(sheet, zav::OutputTarget::WindowOrPrinter, wxLanguage,
                                       zav::ReadPageStyle(AppSettings())));
    return 0;
}

namespace {

// The ranking choices of the three commands: competition, 'Challenge'.
zav::SheetView RankingView(int id) {
    switch (id) {
        case ID_VIEW_CHAMP: return {1, 0};
        case ID_VIEW_CHALL: return {0, 1};
        default: return {1, 1};
    }
}

}  // namespace

void wxZAVFrame::OnScoreSheet(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_SCORE_SHEET);
    ComputeDisplaySheet();
}

void wxZAVFrame::OnStaffSheet(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_STAFF_SHEET);
    ComputeDisplayStaffSheet();
}

void wxZAVFrame::OnEquipList(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_EQUIP_LIST);
    ComputeDisplayEquipList();
}

void wxZAVFrame::OnPlacement(wxCommandEvent&) {
    if (!RequireSheet()) return RefreshViewChecks();
    CheckPageView(ID_PLACEMENT);
    ComputeDisplayPlacement();
}

void wxZAVFrame::OnViewRanking(wxCommandEvent& event) {
    RefreshViewChecks();
    if (!RequireSheet()) return;
    // The toolbar's buttons are never disabled: without a 'Challenge' they do
    // nothing.
    if (sheet.iChallengeScoring == 0) return;
    CheckRankingView(event.GetId());
    view = RankingView(event.GetId());
    ComputeDisplaySheet();
}
