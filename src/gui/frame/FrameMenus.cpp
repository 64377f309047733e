// The menu bar, the status bar, and the enabling and check marks of items.
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "texts/DialogTexts.h"

using namespace zavgui;

namespace {

struct Item {
    int id;  // 0 for a separator
    int labelOffset;
};

wxMenu* BuildMenu(const wxZAVFrame& frame, std::initializer_list<Item> items,
                  wxItemKind kind = wxITEM_NORMAL) {
    auto* menu = new wxMenu;
    for (const Item& item : items) {
        if (item.id == 0)
            menu->AppendSeparator();
        else
            menu->Append(item.id, frame.Tx(item.labelOffset), wxEmptyString, kind);
    }
    return menu;
}

constexpr Item kSeparator{0, 0};

}  // namespace

void wxZAVFrame::CreateMenu() {
    auto* menuBar = new wxMenuBar;

    pMenuFile = BuildMenu(*this, {{ID_NEW_SHEET, 0},
                                  kSeparator,
                                  {ID_OPEN_SHEET, 1},
                                  {ID_OPEN_SCORE_SET, 83},
                                  kSeparator,
                                  {ID_SAVE_SHEET, 2},
                                  {ID_SAVE_AS_SHEET, 3},
                                  kSeparator,
                                  {ID_PRINT_SETUP, 4},
                                  {ID_PRINT, 5},
                                  {ID_EXPORT_HTML, 7},
                                  {ID_EXPORT_PDF, zav::dlg::kExportPdf},
                                  kSeparator,
                                  {ID_PRINT_STAFF, 8},
                                  {ID_EXPORT_STAFF_HTML, 9},
                                  {ID_EXPORT_STAFF_PDF, zav::dlg::kExportStaffPdf},
                                  kSeparator,
                                  {ID_PRINT_EQUIP, 10},
                                  {ID_EXPORT_EQUIP_HTML, 11},
                                  {ID_EXPORT_EQUIP_PDF, zav::dlg::kExportEquipPdf},
                                  kSeparator,
                                  {ID_PRINT_PLACEMENT, 12},
                                  kSeparator,
                                  {ID_QUIT, 13}});
    menuBar->Append(pMenuFile, Tx(14));

    pMenuInput = BuildMenu(*this, {{ID_GENERAL_DATA, 20},
                                   {ID_TEAMS_DATA, 21},
                                   {ID_GAMES_LIST, 22},
                                   kSeparator,
                                   {ID_PREVIOUS_HEAT, 23},
                                   {ID_PREVIOUS_CHALL, 24},
                                   kSeparator,
                                   {ID_A_REFEREE_NAMES, 25},
                                   {ID_PLACEUR_NAMES, 26},
                                   kSeparator,
                                   {ID_GAME_RESULT, 27},
                                   {ID_TIE_BREAK, 28},
                                   kSeparator,
                                   {ID_COLUMN_SUP, 29}});
    menuBar->Append(pMenuInput, Tx(30));

    pMenuView = BuildMenu(*this,
                          {{ID_SCORE_SHEET, 40},
                           {ID_STAFF_SHEET, 41},
                           {ID_EQUIP_LIST, 42},
                           {ID_PLACEMENT, 43},
                           kSeparator,
                           {ID_VIEW_BOTH, 44},
                           {ID_VIEW_CHAMP, 45},
                           {ID_VIEW_CHALL, 46}},
                          wxITEM_CHECK);
    menuBar->Append(pMenuView, Tx(50));

    pMenuRules =
        BuildMenu(*this, {{ID_PLAYING_AREA, 62}, {ID_ALL_THE_GAMES, 63}, {ID_MEM_LISTE_JEUX, 64}});
    menuBar->Append(pMenuRules, Tx(65));

    pMenuTools = BuildMenu(*this, {{ID_CREATE_SIF_SCORE_SET, 82},
                                   {ID_HELP_SIF_SCORE_SET, 84},
                                   kSeparator,
                                   {ID_COPY_SIF_SCORE_SET, 85},
                                   {ID_MOVE_SIF_SCORE_SET, 86},
                                   {ID_RENAME_SIF_SCORE_SET, 87},
                                   {ID_DELETE_SIF_SCORE_SET, 88},
                                   kSeparator,
                                   {ID_DELETE_ONE_TEAM, 89}});
    menuBar->Append(pMenuTools, Tx(80));
    // Renaming a set is not offered: a set's name is written inside its sheets.
    pMenuTools->Enable(ID_RENAME_SIF_SCORE_SET, false);

    pMenuOptions = BuildMenu(*this, {{ID_PRESENTATION, 47}, {ID_OPTIONS, 48}, {ID_LANGUAGE, 49}});
    pMenuOptions->AppendSeparator();
    pMenuOptions->AppendCheckItem(ID_SAVE_AUTO, Tx(51));
    menuBar->Append(pMenuOptions, Tx(81));

    pMenuHelp = BuildMenu(*this, {{ID_FEUILLE_ARRIVEE, 70},
                                  kSeparator,
                                  {ID_MEM_ARBITRE, 71},
                                  {ID_MEM_JUGE_LIGNE, 72},
                                  {ID_MEM_CHEF_PISTE, 73},
                                  kSeparator,
                                  {ID_MEMO_TABLEUR, 74},
                                  {ID_MEMO_PRINT, 75},
                                  {ID_MEMO_PV, 76},
                                  kSeparator,
                                  {ID_ABOUT, 77},
                                  {ID_LOG_CHANGE, 78}});
    menuBar->Append(pMenuHelp, Tx(79));

    EnableMenuChallenge(0);
    iSaveAuto = AppSettings().GetInt(zav::SettingKey::SaveAuto);
    EnableMenuSaveAuto();
    SetMenuBar(menuBar);

    wxStatusBar* statusBar = CreateStatusBar(2, wxSTB_DEFAULT_STYLE, ID_STATUS_BAR);
    statusBar->SetStatusText(wxS(" ") + sAppli + wxS(" ") + Tx(zav::txt::kVersion), 1);
}

void wxZAVFrame::EnableMenuSaveAuto() {
    pMenuOptions->Check(ID_SAVE_AUTO, iSaveAuto == 1);
}

void wxZAVFrame::EnableMenuChallenge(int flag) {
    pMenuInput->Enable(ID_PREVIOUS_CHALL, flag != 0);
    if (flag == 1) CheckRankingView(ID_VIEW_BOTH);
    for (int id = ID_VIEW_BOTH; id <= ID_VIEW_CHALL; ++id) pMenuView->Enable(id, flag != 0);
}

namespace {

// The View items of the four pages, and of the three ranking choices, in
// menu order.
constexpr int kPageItems[] = {ID_SCORE_SHEET, ID_STAFF_SHEET, ID_EQUIP_LIST, ID_PLACEMENT};
constexpr PageKind kPages[] = {PageKind::Sheet, PageKind::Staff, PageKind::Equipment,
                               PageKind::Placement};
constexpr int kRankingItems[] = {ID_VIEW_BOTH, ID_VIEW_CHAMP, ID_VIEW_CHALL};
constexpr Ranking kRankings[] = {Ranking::Both, Ranking::CompetitionOnly, Ranking::ChallengeOnly};

}  // namespace

void wxZAVFrame::CheckPageView(int id) {
    for (int i = 0; i < 4; ++i)
        if (kPageItems[i] == id) choices_.page = kPages[i];
    RefreshViewChecks();
}

void wxZAVFrame::CheckRankingView(int id) {
    for (int i = 0; i < 3; ++i)
        if (kRankingItems[i] == id) choices_.ranking = kRankings[i];
    RefreshViewChecks();
}

void wxZAVFrame::RefreshViewChecks() {
    for (int i = 0; i < 4; ++i) pMenuView->Check(kPageItems[i], choices_.page == kPages[i]);
    for (int i = 0; i < 3; ++i)
        pMenuView->Check(kRankingItems[i], choices_.ranking == kRankings[i]);
}

void wxZAVFrame::ApplyViewOnOpening() {
    EnableMenuChallenge(sheet.iChallengeScoring != 0 ? 1 : 0);
}
