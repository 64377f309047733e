// The menu bar, the status bar, and the enabling and check marks of items.
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "CommandIds.h"
#include "ZAVFrame.h"

using namespace zavgui;

namespace {

struct Item {
    int id;  // 0 for a separator
    zav::TextId label;
};

wxMenu* BuildMenu(const wxZAVFrame& frame, std::initializer_list<Item> items,
                  wxItemKind kind = wxITEM_NORMAL) {
    auto* menu = new wxMenu;
    for (const Item& item : items) {
        if (item.id == 0)
            menu->AppendSeparator();
        else
            menu->Append(item.id, frame.Tx(item.label), wxEmptyString, kind);
    }
    return menu;
}

constexpr Item kSeparator{0, zav::TextId{}};

}  // namespace

void wxZAVFrame::CreateMenu() {
    auto* menuBar = new wxMenuBar;
    wxLanguage = AppSettings().InterfaceLanguage();

    pMenuFile = BuildMenu(*this, {{ID_NEW_SHEET, zav::TextId::MenuNewSheet},
                                  kSeparator,
                                  {ID_OPEN_SHEET, zav::TextId::MenuOpenSheet},
                                  {ID_OPEN_SCORE_SET, zav::TextId::MenuOpenSet},
                                  kSeparator,
                                  {ID_SAVE_SHEET, zav::TextId::MenuSaveSheet},
                                  {ID_SAVE_AS_SHEET, zav::TextId::MenuSaveSheetAs},
                                  kSeparator,
                                  {ID_PRINT_SETUP, zav::TextId::MenuPageSetup},
                                  {ID_PRINT, zav::TextId::MenuPrintSheet},
                                  {ID_EXPORT_HTML, zav::TextId::MenuExportSheetHtml},
                                  {ID_EXPORT_PDF, zav::TextId::ExportPdf},
                                  kSeparator,
                                  {ID_PRINT_STAFF, zav::TextId::MenuPrintStaff},
                                  {ID_EXPORT_STAFF_HTML, zav::TextId::MenuExportStaffHtml},
                                  {ID_EXPORT_STAFF_PDF, zav::TextId::ExportStaffPdf},
                                  kSeparator,
                                  {ID_PRINT_EQUIP, zav::TextId::MenuPrintEquipment},
                                  {ID_EXPORT_EQUIP_HTML, zav::TextId::MenuExportEquipmentHtml},
                                  {ID_EXPORT_EQUIP_PDF, zav::TextId::ExportEquipPdf},
                                  kSeparator,
                                  {ID_PRINT_PLACEMENT, zav::TextId::MenuPrintPlacement},
                                  kSeparator,
                                  {ID_QUIT, zav::TextId::MenuQuit}});
    menuBar->Append(pMenuFile, Tx(zav::TextId::MenuFile));

    pMenuInput = BuildMenu(*this, {{ID_GENERAL_DATA, zav::TextId::MenuGeneralData},
                                   {ID_TEAMS_DATA, zav::TextId::MenuTeams},
                                   {ID_GAMES_LIST, zav::TextId::MenuGameList},
                                   kSeparator,
                                   {ID_PREVIOUS_HEAT, zav::TextId::MenuPreviousHeat},
                                   {ID_PREVIOUS_CHALL, zav::TextId::MenuPreviousChallenge},
                                   kSeparator,
                                   {ID_A_REFEREE_NAMES, zav::TextId::MenuAssistantReferees},
                                   {ID_PLACEUR_NAMES, zav::TextId::MenuArenaParty},
                                   kSeparator,
                                   {ID_GAME_RESULT, zav::TextId::MenuGameResult},
                                   {ID_TIE_BREAK, zav::TextId::MenuTieBreak},
                                   kSeparator,
                                   {ID_COLUMN_SUP, zav::TextId::MenuAddOnColumn}});
    menuBar->Append(pMenuInput, Tx(zav::TextId::MenuInput));

    pMenuView = BuildMenu(*this,
                          {{ID_SCORE_SHEET, zav::TextId::MenuShowSheet},
                           {ID_STAFF_SHEET, zav::TextId::MenuShowStaff},
                           {ID_EQUIP_LIST, zav::TextId::MenuShowEquipment},
                           {ID_PLACEMENT, zav::TextId::MenuShowPlacement},
                           kSeparator,
                           {ID_VIEW_BOTH, zav::TextId::MenuViewBoth},
                           {ID_VIEW_CHAMP, zav::TextId::MenuViewCompetition},
                           {ID_VIEW_CHALL, zav::TextId::MenuViewChallenge}},
                          wxITEM_CHECK);
    menuBar->Append(pMenuView, Tx(zav::TextId::MenuView));

    pMenuRules = BuildMenu(*this, {{ID_PLAYING_AREA, zav::TextId::MenuPlayingArea},
                                   {ID_ALL_THE_GAMES, zav::TextId::MenuAllTheGames},
                                   {ID_MEM_LISTE_JEUX, zav::TextId::MenuGamePositions}});
    menuBar->Append(pMenuRules, Tx(zav::TextId::MenuRules));

    pMenuTools = BuildMenu(*this, {{ID_CREATE_SIF_SCORE_SET, zav::TextId::MenuCreateSet},
                                   {ID_HELP_SIF_SCORE_SET, zav::TextId::MenuSetCreationHelp},
                                   kSeparator,
                                   {ID_COPY_SIF_SCORE_SET, zav::TextId::MenuCopySet},
                                   {ID_MOVE_SIF_SCORE_SET, zav::TextId::MenuMoveSet},
                                   {ID_RENAME_SIF_SCORE_SET, zav::TextId::MenuRenameSet},
                                   {ID_DELETE_SIF_SCORE_SET, zav::TextId::MenuDeleteSet},
                                   kSeparator,
                                   {ID_DELETE_ONE_TEAM, zav::TextId::MenuWithdrawTeam}});
    menuBar->Append(pMenuTools, Tx(zav::TextId::MenuTools));
    // Renaming a set is not offered: a set's name is written inside its sheets.
    pMenuTools->Enable(ID_RENAME_SIF_SCORE_SET, false);

    pMenuOptions = BuildMenu(*this, {{ID_PRESENTATION, zav::TextId::MenuLogo},
                                     {ID_OPTIONS, zav::TextId::MenuColours},
                                     {ID_LANGUAGE, zav::TextId::MenuLanguage}});
    pMenuOptions->AppendSeparator();
    pMenuOptions->AppendCheckItem(ID_SAVE_AUTO, Tx(zav::TextId::MenuAutomaticSave));
    menuBar->Append(pMenuOptions, Tx(zav::TextId::MenuOptions));

    pMenuHelp = BuildMenu(*this, {{ID_FEUILLE_ARRIVEE, zav::TextId::MenuFinishOrderSheet},
                                  kSeparator,
                                  {ID_MEM_ARBITRE, zav::TextId::MenuRefereeMemento},
                                  {ID_MEM_JUGE_LIGNE, zav::TextId::MenuLineJudgeMemento},
                                  {ID_MEM_CHEF_PISTE, zav::TextId::MenuArenaDirectorMemento},
                                  kSeparator,
                                  {ID_MEMO_TABLEUR, zav::TextId::MenuRefereeMemoSpreadsheet},
                                  {ID_MEMO_PRINT, zav::TextId::MenuRefereeMemoPrintable},
                                  {ID_MEMO_PV, zav::TextId::MenuCompetitionReport},
                                  kSeparator,
                                  {ID_ABOUT, zav::TextId::MenuAbout},
                                  {ID_LOG_CHANGE, zav::TextId::MenuChangeLog}});
    menuBar->Append(pMenuHelp, Tx(zav::TextId::MenuHelp));

    EnableMenuChallenge(0);
    iSaveAuto = AppSettings().GetInt(zav::SettingKey::SaveAuto);
    EnableMenuSaveAuto();
    SetMenuBar(menuBar);

    wxStatusBar* statusBar = CreateStatusBar(2, wxSTB_DEFAULT_STYLE, ID_STATUS_BAR);
    statusBar->SetStatusText(wxS(" ") + sAppli + wxS(" ") + Tx(zav::TextId::Version), 1);
}

void wxZAVFrame::EnableMenuSaveAuto() {
    pMenuOptions->Check(ID_SAVE_AUTO, iSaveAuto == 1);
}

void wxZAVFrame::EnableMenuChallenge(int flag) {
    pMenuInput->Enable(ID_PREVIOUS_CHALL, flag != 0);
    if (flag == 1) CheckRankingView(ID_VIEW_BOTH);
    for (int id = ID_VIEW_BOTH; id <= ID_VIEW_CHALL; ++id) pMenuView->Enable(id, flag != 0);
}

void wxZAVFrame::CheckPageView(int id) {
    checkedPageView_ = id;
    RefreshViewChecks();
}

void wxZAVFrame::CheckRankingView(int id) {
    checkedRankingView_ = id;
    RefreshViewChecks();
}

void wxZAVFrame::RefreshViewChecks() {
    for (int id = ID_SCORE_SHEET; id <= ID_PLACEMENT; ++id)
        pMenuView->Check(id, id == checkedPageView_);
    for (int id = ID_VIEW_BOTH; id <= ID_VIEW_CHALL; ++id)
        pMenuView->Check(id, id == checkedRankingView_);
}

void wxZAVFrame::ApplyViewOnOpening() {
    const bool hasChallenge = sheet.iChallengeScoring != 0;
    EnableMenuChallenge(hasChallenge ? 1 : 0);
    view = zav::ViewOnOpening(sheet);
}
