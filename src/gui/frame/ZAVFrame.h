// The program's one window: the menus and toolbar of the command table, the
// sheet chooser, and the view that shows every page. It holds the parts that
// do the work (the sheet document, the display choices, the page producer,
// the print controller, the user's dialogs) and the command areas, small
// classes that each handle the commands of one area (FileCommands ...
// HelpCommands). After a command, the window shows what the document holds.
#pragma once

#include <wx/frame.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/SheetDocument.h"
#include "frame/WindowUser.h"
#include "platform/UserFolders.h"
#include "printing/PrintController.h"
#include "settings/Settings.h"
#include "support/GuiText.h"
#include "view/DisplayChoices.h"
#include "view/PageProducer.h"
#include "view/PageView.h"

namespace zavgui {

class ChampionshipCommands;
class ArenaCommands;
class FileCommands;
class FullScreenCommands;
class HelpCommands;
class InputCommands;
class OptionCommands;
class RecentSheets;
class RecordCommands;
class PrintCommands;
class PublishCommands;
class ResultCommands;
class SetCommands;
class SetToolCommands;
class SheetChooser;
class UndoCommands;
class ViewCommands;
class WaitingResultsPanel;

// What the window needs to know about the process that starts it.
struct FrameContext {
    // Folder of what the program opens by name: welcome picture, change logs,
    // reference documents, placement pictures.
    wxString programDir;
    // The settings file.
    wxString settingsFile;
    // Absolute path of the file named at start, or empty.
    wxString startupFile;
    // Starts the program again after a language change, on the sheet or set
    // file given (none when empty); true when started.
    std::function<bool(const wxString& file)> restartProgram;
    // The desktop's settings: its language (until the user chooses one),
    // the user's documents folder.
    zav::Environment environment = zav::ProcessEnvironment();
    // Where unsaved changes are kept against a crash (the user's state
    // folder); empty: nowhere.
    wxString recoveryFolder;
};

// The smallest window: half of a laptop's 1366 by 768 screen is still
// usable beside another window.
inline const wxSize kFrameMinSize(640, 480);
// The first window, without a size asked for: the screen's work area (the
// screen without the desktop's panels), up to this size.
inline const wxSize kFrameFirstSizeMax(1400, 1000);

class wxZAVFrame : public wxFrame {
public:
    // Without `size`, the window takes its first size from the work area of
    // the screen it is on.
    explicit wxZAVFrame(const FrameContext& context, wxWindow* parent = nullptr,
                        wxWindowID id = wxID_ANY, const wxString& title = sAppli,
                        const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                        long style = wxDEFAULT_FRAME_STYLE);
    ~wxZAVFrame() override;

    // The parts, for the command areas; the tests look at what the user
    // sees through them.
    SheetDocument& Document() { return document_; }
    WindowUser& User() { return user_; }
    DisplayChoices& Choices() { return choices_; }
    PageProducer& Pages() { return pages_; }
    PrintController& Printing() { return printing_; }
    const PageView& View() const { return *view_; }
    PageView& View() { return *view_; }
    // Added to the toolbar on first use, at the latest once the first page is
    // painted.
    SheetChooser& Chooser();
    RecentSheets& Recent() { return *recent_; }
    ArenaCommands& Arena() { return *arenaCommands_; }
    WaitingResultsPanel& WaitingResults();
    const FrameContext& Context() const { return context_; }
    // The settings file, read afresh at each use.
    zav::Settings AppSettings() const;
    // Writes settings; one that cannot be written is named in a message
    // with the settings file. True when all were written.
    [[nodiscard]] bool StoreSettings(const zav::SettingValues& values);
    zav::Language Language() const { return wxLanguage_; }

    // The no-sheet message (PasDeFeuille) when no sheet is open; true when
    // one is.
    bool RequireSheet();
    // The score sheet page built again and shown: the call every command
    // makes after a change of the sheet or of the display choices.
    void ComputeDisplaySheet();
    void ShowPage(PageKind kind);
    // After a dialog the user ended with OK: the sheet changed and, with
    // automatic save on, written, and its page built again. `step` names the
    // change for Undo ("result of game 3"), `source` where it came from for
    // the record. False when the change touched an official heat and the
    // scorer kept it official: the sheet is then as it was.
    bool SheetChanged(zav::TextId step);
    bool SheetChanged(const std::string& step, const zav::ChangeSource& source = {});
    // The document's save step before a command replaces the sheet, then the
    // question on the finish line's results still waiting, and what it
    // changed shown; false when the command must stop.
    [[nodiscard]] bool MayReplaceSheet();
    // What the window shows of the document as it now is: the title, the
    // sheet chooser, the page when the sheet was replaced, the menu marks.
    void ShowDocument();
    // The enabling and check marks of the menu items.
    void ShowMarks();
    // The status bar's second field: when the sheet was last written, else
    // the program's version.
    void ShowSaved();
    // Quit: the save step, then the window closes; false when it stays.
    bool Quit();
    // Opens a sheet file, or a set file (".mscore" in its name), named at
    // start or chosen among the recent sheets.
    void OpenFile(const wxString& path);
    // Closes the window once the save step has let the command go on.
    void CloseAfterQuitTest();

private:
    void CreateToolbar();
    void CreateControls();
    static wxRect FirstRect();
    // The welcome page's lines on how to begin.
    std::vector<std::string> FirstSteps() const;
    void OnCloseWindow(wxCloseEvent& event);
    void OnSize(wxSizeEvent& event);
    void FitChooser();

    FrameContext context_;
    const zav::Language wxLanguage_;
    WindowUser user_;
    SheetDocument document_;
    DisplayChoices choices_;
    PageProducer pages_;
    PrintController printing_;
    std::unique_ptr<PageView> view_;
    std::unique_ptr<SheetChooser> chooser_;
    std::unique_ptr<RecentSheets> recent_;
    // The document's replacements the view has shown.
    unsigned shownReplacements_ = 0;
    // The document's opens and saves the recent sheets have taken.
    unsigned shownFileUses_ = 0;
    bool quitTestDone_ = false;

    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<InputCommands> inputCommands_;
    std::unique_ptr<ResultCommands> resultCommands_;
    std::unique_ptr<ViewCommands> viewCommands_;
    std::unique_ptr<PrintCommands> printCommands_;
    std::unique_ptr<SetCommands> setCommands_;
    std::unique_ptr<SetToolCommands> setToolCommands_;
    std::unique_ptr<OptionCommands> optionCommands_;
    std::unique_ptr<HelpCommands> helpCommands_;
    std::unique_ptr<PublishCommands> publishCommands_;
    std::unique_ptr<FullScreenCommands> fullScreenCommands_;
    std::unique_ptr<UndoCommands> undoCommands_;
    std::unique_ptr<RecordCommands> recordCommands_;
    std::unique_ptr<ChampionshipCommands> championshipCommands_;
    std::unique_ptr<ArenaCommands> arenaCommands_;
};

// The window title of an open file: "ZAV score - " and its name.
wxString TitleFor(const wxString& fileName);
// The window title: the file's, or the program's name without one, marked
// with a leading "*" while the sheet has unsaved changes (as desktop
// programs mark theirs).
wxString WindowTitle(const std::string& fileName, bool changed);
// The scorer the record names: the desktop user's full name, else the login.
std::string DesktopScorer();

}  // namespace zavgui
