// The program's one window: menus, toolbar with the sheet chooser, the HTML
// view that shows every page, and every command as a method. The methods are
// spread over files by command area (FrameFiles, FrameInput, FrameViews,
// FramePrint, FrameOptions, FrameHelp, FrameMenus, FrameToolbar).
#pragma once

#include <wx/arrstr.h>
#include <wx/frame.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GuiText.h"
#include "WxMessageSink.h"
#include "report/PageFrame.h"
#include "report/ScoreSheetPage.h"
#include "sets/SetManagement.h"
#include "settings/Settings.h"
#include "sheet/ScoreSheet.h"

class wxComboBox;
class wxHtmlWindow;
class wxMenu;
class wxPageSetupDialogData;
class wxPrintData;

namespace zavgui {
class ZavHtmlEasyPrinting;
}

// What the window needs to know about the process that starts it.
struct FrameContext {
    // Folder of what the program opens by name: welcome picture, change logs,
    // reference documents, placement pictures.
    wxString programDir;
    // The settings file.
    wxString settingsFile;
    // Absolute path of the file named at start, or empty.
    wxString startupFile;
    // Starts the program again after a language change; true when started.
    std::function<bool()> restartProgram;
};

// Width of the toolbar's sheet chooser: what stays visible in the smallest
// window, and the most it takes in a wide one.
constexpr int kSheetChooserMinWidth = 180;
constexpr int kSheetChooserMaxWidth = 500;

// Sheet state: no sheet, open and unchanged, changed since the last save.
enum SheetState { kNoSheet = 0, kSheetUnchanged = 1, kSheetChanged = 2 };

class wxZAVFrame : public wxFrame {
public:
    explicit wxZAVFrame(const FrameContext& context, wxWindow* parent = nullptr,
                        wxWindowID id = wxID_ANY, const wxString& title = zavgui::sAppli,
                        const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                        long style = wxDEFAULT_FRAME_STYLE);
    ~wxZAVFrame() override;

    bool Create(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                const wxSize& size, long style);

    // --- State, public so that the tests can look at what the user sees ---
    zav::ScoreSheet sheet;
    zav::SheetView view;  // bViewChamp, bViewChall
    int iSheetState = kNoSheet;
    zav::Language wxLanguage = zav::Language::French;
    int iSaveAuto = 0;

    wxString wxsScoreDir;     // where the sheet and set file choosers start
    wxString wxsDlgFullPath;  // last path chosen in a file chooser
    wxString wxsDlgFileName;  // its file name
    std::string wxsHtmlPage;  // the page last built (UTF-8)

    wxComboBox* pSheetCombo = nullptr;
    wxArrayString aSheetNames;
    wxMenu* pMenuFile = nullptr;
    wxMenu* pMenuInput = nullptr;
    wxMenu* pMenuView = nullptr;
    wxMenu* pMenuRules = nullptr;
    wxMenu* pMenuTools = nullptr;
    wxMenu* pMenuOptions = nullptr;
    wxMenu* pMenuHelp = nullptr;
    wxHtmlWindow* pHtmlWindow = nullptr;
    zavgui::ZavHtmlEasyPrinting* pHtmlPrinting = nullptr;
    wxString wxsPrintName;
    wxPageSetupDialogData* pPageSetupData = nullptr;
    wxPrintData* pPrintData = nullptr;

    const FrameContext& Context() const { return context_; }
    zav::Settings AppSettings() const;
    zav::MessageSink& Messages() { return messages_; }
    // The core's messages in the interface language, shown as message boxes.
    zav::Reporter Reporter() { return zav::Reporter(wxLanguage, messages_); }
    wxString Tx(zav::TextId id) const { return zavgui::Tx(wxLanguage, id); }

    // --- Frame (ZAVFrame.cpp) ---
    void CreateControls();
    void PageAccueil();
    void PasDeFeuille();
    // The window's part of the reset: empty page, no sheet, default views.
    void SetDataToZero();
    void ShowPage(const std::string& page);
    void SetTitleForFile(const wxString& fileName);
    void SetTitleNoFile();

    // --- Menus and toolbar (FrameMenus.cpp, FrameToolbar.cpp) ---
    void CreateMenu();
    void CreateToolbar();
    void EnableMenuSaveAuto();
    void EnableMenuChallenge(int flag);
    // The four page items, and the three ranking items, each behave as one
    // choice; 0 checks none.
    void CheckPageView(int id);
    void CheckRankingView(int id);
    // Puts the check marks back as the frame holds them (a click on a check
    // item toggles it before the command decides whether it applies).
    void RefreshViewChecks();
    // Menus and display choices for a sheet just read.
    void ApplyViewOnOpening();

    // --- Sheet files (FrameFiles.cpp) ---
    void OnNewSheet(wxCommandEvent& event);
    void OnOpenSheet(wxCommandEvent& event);
    void OnSaveSheet(wxCommandEvent& event);
    void OnSaveAsSheet(wxCommandEvent& event);
    int SaveFileAndDialog();
    void SaveAuto();
    void QuitTest();
    void OpenStartupFile();
    // True when done; false after the core's message.
    bool SaveSheet(const wxString& path);
    bool LoadSheet(const wxString& path);

    // --- Score sheet sets (FrameSets.cpp, FrameSetTools.cpp) ---
    void OnCreateSIFScoreSet(wxCommandEvent& event);
    void OnOpenScoreSet(wxCommandEvent& event);
    // The sheet chooser: saves a changed sheet to its own file, then shows
    // the chosen one.
    void OnComboBoxUpdate(wxCommandEvent& event);
    void OnCopySIFScoreSet(wxCommandEvent& event);
    void OnMoveSIFScoreSet(wxCommandEvent& event);
    void OnDeleteSIFScoreSet(wxCommandEvent& event);
    void OnHelpSIFScoreSet(wxCommandEvent& event);
    // Reads a SIF file and creates a set from it through the dialogs, then
    // opens the set. 0 when created and opened.
    int LoadSIFFile(const wxString& path);
    // Reads the set file, fills the chooser and shows the first sheet; true,
    // or false with nothing changed.
    bool LoadSetSheet(const wxString& path);
    // LoadSetSheet and, on success, the set becomes the open file; on
    // failure nothing is open.
    int OpenSet(const wxString& path);
    // Copy, move or delete of a whole set chosen by the user; 0 when done.
    int CommonOpenSIF(zav::SetOperation code);
    // A changed sheet of a set goes to its own file without a question; 1
    // when that save failed.
    int SaveSetSheetSilently();
    // No sheet and no set open: empty page and chooser, plain title.
    void CloseSheetAndSet();
    // The chooser lists `names` (sorted by the control) and shows `shown`.
    void FillSheetChooser(const std::vector<std::string>& names, const std::string& shown);
    // The chooser takes the toolbar's room left of the window's edge.
    void FitSheetChooser();
    void OnSize(wxSizeEvent& event);

    // --- Data entry (FrameInput.cpp) ---
    void OnGeneralData(wxCommandEvent& event);
    void OnTeamsData(wxCommandEvent& event);
    void OnGamesList(wxCommandEvent& event);
    // After a dialog ended with OK: changed state, page rebuilt, automatic save.
    void SheetChanged();

    // --- Results, previous scores and withdrawal (FrameResults.cpp) ---
    void OnGameResult(wxCommandEvent& event);
    void OnTieBreak(wxCommandEvent& event);
    void OnPreviousHeat(wxCommandEvent& event);
    void OnPreviousChall(wxCommandEvent& event);
    void OnDeleteOneTeam(wxCommandEvent& event);

    // --- Add-on column and staff names (FrameExtras.cpp) ---
    void OnColumnSup(wxCommandEvent& event);
    void OnARefereeNames(wxCommandEvent& event);
    void OnPlaceurNames(wxCommandEvent& event);

    // --- Views (FrameViews.cpp) ---
    void OnScoreSheet(wxCommandEvent& event);
    void OnStaffSheet(wxCommandEvent& event);
    void OnEquipList(wxCommandEvent& event);
    void OnPlacement(wxCommandEvent& event);
    // Both rankings, the competition only or the 'Challenge' only.
    void OnViewRanking(wxCommandEvent& event);
    int ComputeDisplaySheet();
    int ComputeDisplayStaffSheet();
    int ComputeDisplayEquipList();
    int ComputeDisplayPlacement();
    // The score sheet page for a target, into wxsHtmlPage; the one call that
    // builds it.
    void PrepareHtml(zav::OutputTarget target, bool withColours);
    void PrepareHtmlStaff(zav::OutputTarget target);
    void PrepareHtmlEquip(zav::OutputTarget target);

    // --- Printing and export (FramePrint.cpp) ---
    void OnPrintSetup(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnPrintStaff(wxCommandEvent& event);
    void OnPrintEquip(wxCommandEvent& event);
    void OnPrintPlacement(wxCommandEvent& event);
    void OnExportHTML(wxCommandEvent& event);
    void OnExportStaffHTML(wxCommandEvent& event);
    void OnExportEquipHTML(wxCommandEvent& event);
    void OnExportPDF(wxCommandEvent& event);
    void OnExportStaffPDF(wxCommandEvent& event);
    void OnExportEquipPDF(wxCommandEvent& event);
    int SaveHtmlSheet(const wxString& path);
    int SaveHtmlStaff(const wxString& path);
    int SaveHtmlEquip(const wxString& path);
    // The pages that print: built for the printer, with their fonts and
    // colour flag set on the printing object.
    enum class PrintedPage { Sheet, Staff, Equip };
    void PreparePrintedPage(PrintedPage kind);
    // The page as printing would put it on paper, into a PDF file; false
    // after a reported failure.
    bool ExportPdf(PrintedPage kind, const wxString& path);

    // --- Options (FrameOptions.cpp) ---
    void OnPresentation(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnLanguage(wxCommandEvent& event);
    void OnSaveAuto(wxCommandEvent& event);

    // --- Documents, about, quit (FrameHelp.cpp) ---
    void OnDocument(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    // Opens a document of the program's folder with the desktop's viewer.
    bool OpenDocument(const wxString& fileName);

private:
    int SaveToChosenFile(zav::TextId caption, const wxString& folder, const wxString& fileName);
    // The sheet now belongs to this file: identity fields and title.
    void AdoptFile(const wxString& path);
    void AdoptSet(const wxString& path);
    // The open-file chooser for an existing file, starting where the last
    // one ended; the chosen path, remembered, or empty when cancelled.
    wxString ChooseExistingFile(zav::TextId caption, zav::TextId filter);
    wxString ChooseSetFile();
    bool RequireSheet();
    void Inform(const wxString& text);
    wxString PrintBaseFolder() const;
    void PrintPage(PrintedPage kind);
    // Runs the export file chooser; empty when cancelled.
    wxString ChooseExportFile(zav::TextId caption, const wxString& proposedName,
                              zav::TextId filter);
    int WriteExport(const wxString& path, const std::function<void()>& buildPage);
    void ExportPdfCommand(PrintedPage kind, zav::TextId caption, const wxString& proposedStem);

    FrameContext context_;
    zavgui::WxMessageSink messages_;
    bool quitTestDone_ = false;
    int checkedPageView_ = 0;
    int checkedRankingView_ = 0;

    wxDECLARE_EVENT_TABLE();
};
