#include "frame/ZAVFrame.h"

#include <wx/combobox.h>
#include <wx/datetime.h>
#include <wx/display.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <algorithm>

#include "frame/ArenaCommands.h"
#include "frame/ChampionshipCommands.h"
#include "frame/CommandIds.h"
#include "frame/CommandTable.h"
#include "frame/FileCommands.h"
#include "frame/FullScreenCommands.h"
#include "frame/HelpCommands.h"
#include "frame/InputCommands.h"
#include "frame/OptionCommands.h"
#include "frame/PrintCommands.h"
#include "frame/PublishCommands.h"
#include "frame/RecentSheets.h"
#include "frame/RecordCommands.h"
#include "frame/ResultCommands.h"
#include "frame/SetCommands.h"
#include "frame/SetToolCommands.h"
#include "frame/SheetChooser.h"
#include "frame/UndoCommands.h"
#include "frame/ViewCommands.h"
#include "official/Standing.h"
#include "platform/ToolkitPlatform.h"
#include "sets/SetFile.h"
#include "support/PlacementPictures.h"
#include "support/ProgramIcon.h"
#include "texts/Texts.h"
#include "view/WelcomePage.h"

namespace zavgui {

namespace {

zav::Settings SettingsOf(const FrameContext& context) {
    return zav::Settings(ToCore(context.settingsFile));
}

}  // namespace

wxString TitleFor(const wxString& fileName) {
    return wxS("ZAV score - ") + fileName;
}

std::string DesktopScorer() {
    const wxString name = wxGetUserName();
    return ToCore(name.empty() ? wxGetUserId() : name);
}

wxString WindowTitle(const std::string& fileName, bool changed) {
    return (changed ? wxS("*") : wxString()) +
           (fileName.empty() ? sAppli : TitleFor(FromCore(fileName)));
}

// The interface language and automatic save are read once, when the window
// is built.
wxZAVFrame::wxZAVFrame(const FrameContext& context, wxWindow* parent, wxWindowID id,
                       const wxString& title, const wxPoint& pos, const wxSize& size, long style)
    : context_(context),
      wxLanguage_(SettingsOf(context).InterfaceLanguage(context.environment)),
      user_(this, wxLanguage_,
            ChooserFolders(SettingsOf(context), zav::UserDocumentsFolder(context.environment),
                           [this] { return document_.FileFolder(); })),
      document_(user_, SettingsOf(context).GetInt(zav::SettingKey::SaveAuto) == 1),
      pages_(document_.EditSheet(), choices_, SettingsOf(context), wxLanguage_),
      printing_(document_.Sheet(), context.programDir, SettingsOf(context), user_.Reporter()) {
    // The view and the printouts need the image handlers for the logo and the
    // pictures, and find the placement pictures through their own lookup.
    static const bool handlersReady = [] {
        wxInitAllImageHandlers();
        ServePlacementPictures();
        return true;
    }();
    (void)handlersReady;

    wxFrame::Create(parent, id, title, pos, wxDefaultSize, style);
    SetMenuBar(BuildMenuBar(wxLanguage_));
    // Renaming a set is not offered: a set's name is written inside its sheets.
    GetMenuBar()->Enable(ID_RENAME_SIF_SCORE_SET, false);
    recent_ = std::make_unique<RecentSheets>(
        AppSettings(), GetMenuBar()->FindItem(ID_RECENT_SHEETS)->GetSubMenu());
    // Its tooltip is the publication's whole state, not a cut field's text.
    wxStatusBar* statusBar =
        CreateStatusBar(2, wxSTB_DEFAULT_STYLE & ~wxSTB_SHOW_TIPS, ID_STATUS_BAR);
    statusBar->SetStatusText(wxS(" ") + sAppli + wxS(" ") + Tx(wxLanguage_, zav::TextId::Version),
                             1);  // as ShowSaved() shows it before any save
    CreateToolbar();
    CreateControls();
    SetMinSize(kFrameMinSize);
    // At its final size before a page is laid out: each later size change
    // lays the whole page out again. Sized through its client area: a window
    // sized whole is laid out squeezed once, before GTK knows the window
    // manager's frame around it.
    const wxRect first = size == wxDefaultSize ? FirstRect() : wxRect(pos, size);
    SetClientSize(first.GetSize() - (GetSize() - GetClientSize()));
    Move(first.GetPosition());

    inputCommands_ = std::make_unique<InputCommands>(*this);
    fileCommands_ = std::make_unique<FileCommands>(*this, *inputCommands_);
    resultCommands_ = std::make_unique<ResultCommands>(*this);
    viewCommands_ = std::make_unique<ViewCommands>(*this);
    printCommands_ = std::make_unique<PrintCommands>(*this);
    setCommands_ = std::make_unique<SetCommands>(*this);
    setToolCommands_ = std::make_unique<SetToolCommands>(*this);
    optionCommands_ = std::make_unique<OptionCommands>(*this);
    helpCommands_ = std::make_unique<HelpCommands>(*this);
    publishCommands_ = std::make_unique<PublishCommands>(*this);
    fullScreenCommands_ = std::make_unique<FullScreenCommands>(*this);
    undoCommands_ = std::make_unique<UndoCommands>(*this);
    recordCommands_ = std::make_unique<RecordCommands>(*this);
    championshipCommands_ = std::make_unique<ChampionshipCommands>(*this);
    arenaCommands_ = std::make_unique<ArenaCommands>(*this);
    // The close box takes the same save step as Quit.
    Bind(wxEVT_CLOSE_WINDOW, &wxZAVFrame::OnCloseWindow, this);
    Bind(wxEVT_SIZE, &wxZAVFrame::OnSize, this);

    document_.SetScorer(DesktopScorer());
    // Unsaved changes a crash left come before the file named at start.
    document_.KeepRecoveryIn(ToCore(context_.recoveryFolder));
    if (!document_.OfferRecoveries() && !context_.startupFile.empty())
        OpenFile(context_.startupFile);
    ShowDocument();
    // Built before a start-up sheet, the welcome page (and its picture) would
    // be replaced before the window is ever shown.
    if (!document_.HasSheet()) view_->Show(PageAccueil(wxLanguage_, FirstSteps()));
    view_->WaitUntilIdle();
    // The sheet chooser, the desktop's icons (seven pictures to decode) and
    // the recent sheets' writes are not needed to show the first page; the
    // network (the arena, the uploads left to finish) waits for it too.
    view_->AfterFirstPaint([this] {
        Chooser();
        SetIcons(ProgramIcons());
        recent_->AddWaiting();
        ShowMarks();
        arenaCommands_->ApplySettings();
        publishCommands_->ResumeUploads();
    });
}

wxZAVFrame::~wxZAVFrame() = default;

// How to begin, each way with where its command is, so that the page says
// what the menus hold.
std::vector<std::string> wxZAVFrame::FirstSteps() const {
    const auto step = [this](zav::TextId text, int command) {
        return zav::FormatText(zav::Text(wxLanguage_, text), CommandPath(command, wxLanguage_));
    };
    return {step(zav::TextId::StartNewHeat, ID_NEW_SHEET),
            step(zav::TextId::StartOpenSheet, ID_OPEN_SHEET),
            step(zav::TextId::StartImportEntries, ID_CREATE_SIF_SCORE_SET)};
}

zav::Settings wxZAVFrame::AppSettings() const {
    return SettingsOf(context_);
}

// The primary screen without the desktop's panels.
wxRect wxZAVFrame::FirstRect() {
    const wxRect area = wxDisplay().GetClientArea();
    return wxRect(area.GetTopLeft(), wxSize(std::min(area.width, kFrameFirstSizeMax.x),
                                            std::min(area.height, kFrameFirstSizeMax.y)));
}

bool wxZAVFrame::StoreSettings(const zav::SettingValues& values) {
    return AppSettings().Store(values, user_.Reporter());
}

// The most used commands as 16 by 16 pictures; the sheet chooser comes
// after them.
void wxZAVFrame::CreateToolbar() {
    wxToolBar* toolBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT, ID_TOOLBAR);
    toolBar->SetToolSeparation(50);
    // No picture size is set: the toolbar asks the pictures for the size of
    // this screen's scaling (24 pixels at 150 %), where a size set here would
    // only be enlarged by whole times (16 pixels up to 174 %).
    AddTools(toolBar, wxLanguage_);
    toolBar->AddSeparator();
    toolBar->Realize();
    SetToolBar(toolBar);
}

// The chooser's drop-down arrow is the window's only icon from the desktop's
// theme: drawing it loads the icon theme and its SVG reader, 15 to 30 ms
// that would otherwise delay the first page. The toolbar keeps its height.
SheetChooser& wxZAVFrame::Chooser() {
    if (!chooser_) {
        wxToolBar* toolBar = GetToolBar();
        chooser_ = std::make_unique<SheetChooser>(toolBar);
        toolBar->Realize();
        chooser_->Show(document_.SetSheetNames(), document_.SetSheetShown());
        WhenPlaced(*chooser_->Control(), [this] { FitChooser(); });
    }
    return *chooser_;
}

void wxZAVFrame::CreateControls() {
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(sizer);
    view_ = std::make_unique<PageView>(this, ID_HTML_WINDOW, context_.programDir);
    // The view fills the window, as large as it is made.
    sizer->Add(view_->Window(), 1, wxEXPAND);
}

WaitingResultsPanel& wxZAVFrame::WaitingResults() {
    return arenaCommands_->Panel();
}

void wxZAVFrame::OpenFile(const wxString& path) {
    if (path.Find(wxS(".mscore")) > 0)
        document_.OpenSet(ToCore(path));
    else
        document_.OpenSheet(ToCore(path));
}

bool wxZAVFrame::RequireSheet() {
    if (document_.HasSheet()) return true;
    user_.Reporter().Show(zav::MessageIcon::Information, zav::TextId::NoSheetOpened);
    return false;
}

void wxZAVFrame::ComputeDisplaySheet() {
    ShowPage(PageKind::Sheet);
}

void wxZAVFrame::ShowPage(PageKind kind) {
    view_->Show(pages_.Page(kind, PageUse::Window));
    // The phones follow the sheet, whichever page the window shows.
    if (arenaCommands_) arenaCommands_->SheetShown();
}

bool wxZAVFrame::SheetChanged(zav::TextId step) {
    return SheetChanged(zav::Text(wxLanguage_, step));
}

// The page is built after the question an official heat asks: it then
// shows the sheet as the answer left it.
bool wxZAVFrame::SheetChanged(const std::string& step, const zav::ChangeSource& source) {
    const bool made = document_.SheetChanged(step, source);
    ComputeDisplaySheet();
    ShowDocument();
    return made;
}

// The sheet first (its save harms nothing), then the judges' results that
// would be lost with it.
bool wxZAVFrame::MayReplaceSheet() {
    const bool goOn = document_.QuitTest() && arenaCommands_->MayDropWaiting();
    ShowDocument();
    return goOn;
}

void wxZAVFrame::ShowDocument() {
    if (document_.Replacements() != shownReplacements_) {
        shownReplacements_ = document_.Replacements();
        choices_.Reset();
        if (document_.HasSheet())
            ComputeDisplaySheet();
        else
            view_->Show(std::string());
        if (arenaCommands_ && !document_.HasSheet()) arenaCommands_->SheetShown();
    }
    if (document_.FileUses() != shownFileUses_) {
        shownFileUses_ = document_.FileUses();
        if (IsShown())
            recent_->Add(FromCore(document_.UsedFile()));
        else
            recent_->AddLater(FromCore(document_.UsedFile()));
    }
    wxString title =
        WindowTitle(document_.TitleFileName(), document_.State() == SheetState::Changed);
    // A set's sheets look alike: the title names the one on screen too.
    if (!document_.TitleFileName().empty() && !document_.SetSheetNames().empty())
        title += wxS(" - ") +
                 FromCore(zav::SetSheetTitle(document_.TitleFileName(), document_.SetSheetShown()));
    // Whether the results on screen are final, always in sight.
    if (document_.HasSheet())
        title += wxS(" - ") + FromCore(zav::StandingText(document_.Sheet(), wxLanguage_));
    SetTitle(title);
    if (chooser_) chooser_->Show(document_.SetSheetNames(), document_.SetSheetShown());
    ShowMarks();
    ShowSaved();
}

void wxZAVFrame::ShowSaved() {
    wxString text = wxS(" ") + sAppli + wxS(" ") + Tx(wxLanguage_, zav::TextId::Version);
    if (document_.LastWritten())
        text = TxFormat(wxLanguage_,
                        document_.LastWrittenAutomatically() ? zav::TextId::SavedAutomaticallyAt
                                                             : zav::TextId::SavedAt,
                        wxDateTime(document_.LastWritten()).Format(wxS("%H:%M")));
    if (GetStatusBar()->GetStatusText(1) != text) SetStatusText(text, 1);
}

void wxZAVFrame::ShowMarks() {
    wxMenuBar* bar = GetMenuBar();
    // A sheet of a set is saved only to its own file.
    bar->Enable(ID_SAVE_AS_SHEET, !document_.IsSheetOfSet());
    const bool severalSheets = document_.SetSheetNames().size() > 1;
    bar->Enable(ID_NEXT_SET_SHEET, severalSheets);
    bar->Enable(ID_PREVIOUS_SET_SHEET, severalSheets);
    const bool challenge = document_.HasSheet() && document_.Sheet().iChallengeScoring != 0;
    bar->Enable(ID_PREVIOUS_CHALL, challenge);
    for (const RankingItem& item : kRankingItems) {
        bar->Enable(item.id, challenge);
        bar->Check(item.id, choices_.ranking == item.ranking);
    }
    for (const PageItem& item : kPageItems) bar->Check(item.id, choices_.page == item.page);
    bar->Check(ID_SAVE_AUTO, document_.SaveAutoOn());
    bar->Enable(ID_RECENT_SHEETS, recent_->Count() > 0);
    bar->Check(ID_FULL_SCREEN, IsFullScreen());
    undoCommands_->ShowItems();
}

bool wxZAVFrame::Quit() {
    if (!MayReplaceSheet()) return false;
    CloseAfterQuitTest();
    return true;
}

void wxZAVFrame::CloseAfterQuitTest() {
    quitTestDone_ = true;
    Close(false);
}

// The close box and the end of the desktop session take the same step as
// Quit, so no way out loses changes silently.
void wxZAVFrame::OnCloseWindow(wxCloseEvent& event) {
    if (!quitTestDone_ && !MayReplaceSheet() && event.CanVeto()) {
        event.Veto();
        return;
    }
    quitTestDone_ = true;
    publishCommands_->BeforeQuit();
    document_.Ended();
    Destroy();
}

void wxZAVFrame::OnSize(wxSizeEvent& event) {
    event.Skip();
    FitChooser();
}

// The toolbar places its tools after a size event: measured then.
void wxZAVFrame::FitChooser() {
    CallAfter([this] {
        if (chooser_) chooser_->Fit(GetClientSize().x);
    });
}

}  // namespace zavgui
