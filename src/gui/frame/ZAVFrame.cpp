#include "frame/ZAVFrame.h"

#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/html/htmlwin.h>
#include <wx/sizer.h>

#include "frame/CommandIds.h"
#include "support/ToolPictures.h"
#include "texts/Texts.h"
#include "view/WelcomePage.h"

using namespace zavgui;

// clang-format off
wxBEGIN_EVENT_TABLE(wxZAVFrame, wxFrame)
    // File
    EVT_MENU(ID_NEW_SHEET, wxZAVFrame::OnNewSheet)
    EVT_MENU(ID_OPEN_SHEET, wxZAVFrame::OnOpenSheet)
    EVT_MENU(ID_SAVE_SHEET, wxZAVFrame::OnSaveSheet)
    EVT_MENU(ID_SAVE_AS_SHEET, wxZAVFrame::OnSaveAsSheet)
    EVT_MENU(ID_PRINT_SETUP, wxZAVFrame::OnPrintSetup)
    EVT_MENU(ID_PRINT, wxZAVFrame::OnPrint)
    EVT_MENU(ID_EXPORT_HTML, wxZAVFrame::OnExportHTML)
    EVT_MENU(ID_EXPORT_PDF, wxZAVFrame::OnExportPDF)
    EVT_MENU(ID_PRINT_STAFF, wxZAVFrame::OnPrintStaff)
    EVT_MENU(ID_EXPORT_STAFF_HTML, wxZAVFrame::OnExportStaffHTML)
    EVT_MENU(ID_EXPORT_STAFF_PDF, wxZAVFrame::OnExportStaffPDF)
    EVT_MENU(ID_PRINT_EQUIP, wxZAVFrame::OnPrintEquip)
    EVT_MENU(ID_EXPORT_EQUIP_HTML, wxZAVFrame::OnExportEquipHTML)
    EVT_MENU(ID_EXPORT_EQUIP_PDF, wxZAVFrame::OnExportEquipPDF)
    EVT_MENU(ID_PRINT_PLACEMENT, wxZAVFrame::OnPrintPlacement)
    EVT_MENU(ID_QUIT, wxZAVFrame::OnClose)
    // Input
    EVT_MENU(ID_GENERAL_DATA, wxZAVFrame::OnGeneralData)
    EVT_MENU(ID_TEAMS_DATA, wxZAVFrame::OnTeamsData)
    EVT_MENU(ID_GAMES_LIST, wxZAVFrame::OnGamesList)
    EVT_MENU(ID_GAME_RESULT, wxZAVFrame::OnGameResult)
    EVT_MENU(ID_TIE_BREAK, wxZAVFrame::OnTieBreak)
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
    EVT_MENU(ID_OPTIONS, wxZAVFrame::OnOptions)
    EVT_MENU(ID_LANGUAGE, wxZAVFrame::OnLanguage)
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
    EVT_MENU(ID_LOG_CHANGE, wxZAVFrame::OnDocument)
    EVT_MENU(ID_ABOUT, wxZAVFrame::OnAbout)
    // The close box runs the same save steps as Quit.
    EVT_CLOSE(wxZAVFrame::OnCloseWindow)
wxEND_EVENT_TABLE()
    // clang-format on

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

    wxLanguage = AppSettings().LanguageBase();
    pages_ = std::make_unique<PageProducer>(sheet, choices_, AppSettings(), wxLanguage);
    Create(parent, id, title, pos, size, style);

    printing_ = std::make_unique<PrintController>(sheet, context_.programDir, AppSettings(),
                                                  wxLanguage, messages_);
}

wxZAVFrame::~wxZAVFrame() = default;

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
    if (iSheetState == kNoSheet) view_->Show(PageAccueil(wxLanguage));
    view_->WaitUntilIdle();
    return true;
}

zav::Settings wxZAVFrame::AppSettings() const {
    return zav::Settings(zav::Settings::DefaultPath(ToCore(context_.programDir)));
}

void wxZAVFrame::CreateControls() {
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(sizer);
    view_ = std::make_unique<PageView>(this, ID_HTML_WINDOW, context_.programDir);
    sizer->Add(view_->Window(), 0, wxALL | wxEXPAND, 0);
}

void wxZAVFrame::PasDeFeuille() {
    wxMessageBox(Tx(zav::txt::kNoSheetOpened), sAppli, wxOK | wxICON_INFORMATION, this);
}

bool wxZAVFrame::RequireSheet() {
    if (iSheetState != kNoSheet) return true;
    PasDeFeuille();
    return false;
}

void wxZAVFrame::SetDataToZero() {
    view_->Show(std::string());
    zav::SetDataToZero(sheet);
    iSheetState = kNoSheet;
    choices_.Reset();
    RefreshViewChecks();
}

void wxZAVFrame::SetTitleForFile(const wxString& fileName) {
    SetTitle(wxS("ZAV score - ") + fileName);
}

void wxZAVFrame::SetTitleNoFile() {
    SetTitle(sAppli);
}
