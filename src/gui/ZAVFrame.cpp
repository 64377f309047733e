#include "ZAVFrame.h"

#include <wx/filesys.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

#include "CommandIds.h"
#include "SheetPrinting.h"
#include "ToolPictures.h"
#include "texts/Texts.h"

using namespace zavgui;

wxBEGIN_EVENT_TABLE(wxZAVFrame, wxFrame)
    // File
    EVT_MENU(ID_NEW_SHEET, wxZAVFrame::OnNewSheet) EVT_MENU(ID_OPEN_SHEET, wxZAVFrame::OnOpenSheet)
        EVT_MENU(ID_SAVE_SHEET, wxZAVFrame::OnSaveSheet) EVT_MENU(ID_SAVE_AS_SHEET,
                                                                  wxZAVFrame::OnSaveAsSheet)
            EVT_MENU(ID_PRINT_SETUP, wxZAVFrame::OnPrintSetup) EVT_MENU(ID_PRINT,
                                                                        wxZAVFrame::OnPrint)
                EVT_MENU(ID_EXPORT_HTML, wxZAVFrame::OnExportHTML) EVT_MENU(ID_EXPORT_PDF,
                                                                            wxZAVFrame::OnExportPDF)
                    EVT_MENU(ID_PRINT_STAFF, wxZAVFrame::OnPrintStaff)
                        EVT_MENU(ID_EXPORT_STAFF_HTML, wxZAVFrame::OnExportStaffHTML)
                            EVT_MENU(ID_EXPORT_STAFF_PDF, wxZAVFrame::OnExportStaffPDF)
                                EVT_MENU(ID_PRINT_EQUIP, wxZAVFrame::OnPrintEquip)
                                    EVT_MENU(ID_EXPORT_EQUIP_HTML, wxZAVFrame::OnExportEquipHTML)
                                        EVT_MENU(ID_EXPORT_EQUIP_PDF, wxZAVFrame::OnExportEquipPDF)
                                            EVT_MENU(ID_PRINT_PLACEMENT,
                                                     wxZAVFrame::OnPrintPlacement)
                                                EVT_MENU(ID_QUIT, wxZAVFrame::OnClose)
    // Input
    EVT_MENU(ID_GENERAL_DATA, wxZAVFrame::OnGeneralData)
        EVT_MENU(ID_TEAMS_DATA, wxZAVFrame::OnTeamsData)
            EVT_MENU(ID_GAMES_LIST, wxZAVFrame::OnGamesList)
                EVT_MENU(ID_GAME_RESULT, wxZAVFrame::OnGameResult) EVT_MENU(ID_TIE_BREAK,
                                                                            wxZAVFrame::OnTieBreak)
                    EVT_MENU(ID_PREVIOUS_HEAT, wxZAVFrame::OnPreviousHeat)
                        EVT_MENU(ID_PREVIOUS_CHALL, wxZAVFrame::OnPreviousChall)
                            EVT_MENU(ID_COLUMN_SUP, wxZAVFrame::OnColumnSup)
                                EVT_MENU(ID_A_REFEREE_NAMES, wxZAVFrame::OnARefereeNames)
                                    EVT_MENU(ID_PLACEUR_NAMES, wxZAVFrame::OnPlaceurNames)
                                        EVT_MENU(ID_DELETE_ONE_TEAM, wxZAVFrame::OnDeleteOneTeam)
    // View
    EVT_MENU(ID_SCORE_SHEET, wxZAVFrame::OnScoreSheet)
        EVT_MENU(ID_STAFF_SHEET, wxZAVFrame::OnStaffSheet)
            EVT_MENU(ID_EQUIP_LIST, wxZAVFrame::OnEquipList)
                EVT_MENU(ID_PLACEMENT, wxZAVFrame::OnPlacement)
                    EVT_MENU_RANGE(ID_VIEW_BOTH, ID_VIEW_CHALL, wxZAVFrame::OnViewRanking)
    // Options
    EVT_MENU(ID_PRESENTATION, wxZAVFrame::OnPresentation)
        EVT_MENU(ID_OPTIONS, wxZAVFrame::OnOptions) EVT_MENU(ID_LANGUAGE, wxZAVFrame::OnLanguage)
            EVT_MENU(ID_SAVE_AUTO, wxZAVFrame::OnSaveAuto)
    // Tools and the sheet chooser: score sheet sets
    EVT_MENU(ID_OPEN_SCORE_SET, wxZAVFrame::OnOpenScoreSet)
        EVT_MENU(ID_CREATE_SIF_SCORE_SET, wxZAVFrame::OnCreateSIFScoreSet)
            EVT_MENU(ID_HELP_SIF_SCORE_SET, wxZAVFrame::OnHelpSIFScoreSet)
                EVT_MENU(ID_COPY_SIF_SCORE_SET, wxZAVFrame::OnCopySIFScoreSet)
                    EVT_MENU(ID_MOVE_SIF_SCORE_SET, wxZAVFrame::OnMoveSIFScoreSet)
                        EVT_MENU(ID_DELETE_SIF_SCORE_SET, wxZAVFrame::OnDeleteSIFScoreSet)
                            EVT_COMBOBOX(ID_SHEET_COMBO, wxZAVFrame::OnComboBoxUpdate)
                                EVT_SIZE(wxZAVFrame::OnSize)
    // Rules and Help: the documents share one handler
    EVT_MENU_RANGE(ID_PLAYING_AREA, ID_MEM_LISTE_JEUX, wxZAVFrame::OnDocument)
        EVT_MENU_RANGE(ID_FEUILLE_ARRIVEE, ID_MEMO_PV, wxZAVFrame::OnDocument)
            EVT_MENU(ID_LOG_CHANGE, wxZAVFrame::OnDocument) EVT_MENU(ID_ABOUT, wxZAVFrame::OnAbout)
    // The close box runs the same save steps as Quit.
    EVT_CLOSE(wxZAVFrame::OnCloseWindow) wxEND_EVENT_TABLE()

        wxZAVFrame::wxZAVFrame(const FrameContext& context, wxWindow* parent, wxWindowID id,
                               const wxString& title, const wxPoint& pos, const wxSize& size,
                               long style)
    : context_(context), messages_(this) {
    iSheetState = kNoSheet;
    // The HTML view needs the image handlers for the logo and the pictures.
    static const bool handlersReady = [] {
        wxInitAllImageHandlers();
        return true;
    }();
    (void)handlersReady;

    Create(parent, id, title, pos, size, style);

    pHtmlPrinting = new ZavHtmlEasyPrinting(wxsPrintName, nullptr);
    pPrintData = pHtmlPrinting->GetPrintData();
    pPrintData->SetOrientation(wxLANDSCAPE);
    pPageSetupData = pHtmlPrinting->GetPageSetupData();
    pPageSetupData->SetMarginTopLeft(wxPoint(10, 10));
    pPageSetupData->SetMarginBottomRight(wxPoint(10, 10));
}

wxZAVFrame::~wxZAVFrame() {
    delete pHtmlPrinting;
}

bool wxZAVFrame::Create(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                        const wxSize& size, long style) {
    wxFrame::Create(parent, id, title, pos, size, style);
    CreateMenu();
    CreateToolbar();
    SetIcon(ProgramIcon());
    CreateControls();
    GetSizer()->SetSizeHints(this);
    // At its final size before a page is laid out: each later size change
    // lays the whole page out again.
    if (size != wxDefaultSize) SetSize(size);
    wxsScoreDir = FromCore(AppSettings().GetString(zav::SettingKey::ScorePath));
    if (!context_.startupFile.empty()) OpenStartupFile();
    // Built before a start-up sheet, the welcome page (and its picture) would
    // be replaced before the window is ever shown.
    if (iSheetState == kNoSheet) PageAccueil();
    // GTK draws a window just shown more than once while it settles; the
    // view waits for the first idle moment, so that a full sheet is painted
    // once instead of twice.
    pHtmlWindow->Freeze();
    CallAfter([this] {
        if (pHtmlWindow->IsFrozen()) pHtmlWindow->Thaw();
    });
    return true;
}

zav::Settings wxZAVFrame::AppSettings() const {
    return zav::Settings(ToCore(context_.settingsFile));
}

void wxZAVFrame::CreateControls() {
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(sizer);
    pHtmlWindow = new wxHtmlWindow(this, ID_HTML_WINDOW, wxDefaultPosition, wxSize(1024, 690),
                                   wxHW_SCROLLBAR_AUTO, wxS("htmlWindow"));
    // Relative names in pages (welcome picture, placement pictures) are files
    // of the program's folder, whatever the current folder is.
    pHtmlWindow->GetParser()->GetFS()->ChangePathTo(context_.programDir + wxS("/"), true);
    sizer->Add(pHtmlWindow, 0, wxALL | wxEXPAND, 0);
    // The view lays its whole page out again on every size event, even one
    // that keeps its size (GTK sends one when the window is shown).
    pHtmlWindow->Bind(wxEVT_SIZE, [this, laidOutSize = wxSize()](wxSizeEvent& event) mutable {
        const wxSize size = pHtmlWindow->GetClientSize();
        if (size == laidOutSize) return;
        laidOutSize = size;
        event.Skip();
    });
}

void wxZAVFrame::PageAccueil() {
    std::string page = "<html>\n<head>";
    page +=
        "<style>\nbody { font-family: Arial, Helvetica, sans-serif; font-size: 10px; margin: "
        "5px; }\r\n";
    page += "p { font-family: Tahoma, sans-serif; font-size: 48px; margin: 0px; }\r\n";
    page += "\n</style></head>\r\n<body bgcolor=#018FE1>";
    page += "<center>";
    page += "<img src=\"accueil.jpg\">";
    const auto line = [&](const char* size, const std::string& text) {
        page += "<font face=\"Tahoma, Arial\" ";
        page += size;
        page += " color=#FFFFFF><p><b>" + text + "</b></p></font>";
    };
    line("size=14", zav::Text(wxLanguage, zav::TextId::ProductName));
    line("size=4", "Version " + zav::Text(wxLanguage, zav::TextId::Version));
    line("size=4", zav::Text(wxLanguage, zav::TextId::TagLine));
    line("size=4", zav::Text(wxLanguage, zav::TextId::RightsNotice));
    page += "</font></center>";
    page += "</body></html>";
    ShowPage(page);
}

void wxZAVFrame::PasDeFeuille() {
    wxMessageBox(Tx(zav::TextId::NoSheetOpened), sAppli, wxOK | wxICON_INFORMATION, this);
}

bool wxZAVFrame::RequireSheet() {
    if (iSheetState != kNoSheet) return true;
    PasDeFeuille();
    return false;
}

void wxZAVFrame::SetDataToZero() {
    ShowPage(std::string());
    zav::SetDataToZero(sheet);
    iSheetState = kNoSheet;
    view = zav::SheetView{};
    checkedRankingView_ = ID_VIEW_BOTH;
    CheckPageView(ID_SCORE_SHEET);
}

void wxZAVFrame::ShowPage(const std::string& page) {
    wxsHtmlPage = page;
    pHtmlWindow->SetPage(FromCore(wxsHtmlPage));
}

void wxZAVFrame::SetTitleForFile(const wxString& fileName) {
    SetTitle(wxS("ZAV score - ") + fileName);
}

void wxZAVFrame::SetTitleNoFile() {
    SetTitle(sAppli);
}
