// New, Open, Save, Save as, the save question before a sheet is replaced,
// automatic save, and Quit or the close box with unsaved changes.
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include "GeneralDataDialog.h"
#include "TeamsDialog.h"
#include "gui/FrameFixture.h"
#include "settings/Settings.h"

namespace {

class FileCommandsTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, "EN"));
    }

    static wxString W(const std::string& path) { return wxString::FromUTF8(path); }

    // New sheet, General data answered with OK and this title.
    void NewSheet(const wxString& title) {
        wxTEST_DIALOG(Run(ID_NEW_SHEET),
                      ExpectDialog<GeneralDataDialog>(
                          wxID_OK, [&](GeneralDataDialog& d) { d.title->SetValue(title); }));
    }

    // An accepted change: the first team gets a new name.
    void RenameFirstTeam(const wxString& name) {
        wxTEST_DIALOG(Run(ID_TEAMS_DATA), ExpectDialog<TeamsDialog>(wxID_OK, [&](TeamsDialog& d) {
                          d.names[0]->SetValue(name);
                      }));
    }

    static bool Holds(const std::string& path, const std::string& text) {
        return zavtest::ReadFile(path).find(text) != std::string::npos;
    }
};

TEST_F(FileCommandsTest, NewSheetShowsItsPageAfterGeneralData) {
    EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::SaveAuto, "1"));
    OpenFrame();
    NewSheet(wxS("Spring cup"));
    EXPECT_EQ(frame->iSheetState, kSheetChanged);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAVscore"));
    EXPECT_NE(ShownText().find("Spring cup"), std::string::npos);
    // Never saved: automatic save has nowhere to write, and asks nothing.
    RenameFirstTeam(wxS("Ponies"));
    EXPECT_TRUE(frame->sheet.sFullFileName.empty());
}

TEST_F(FileCommandsTest, NewSheetCancelledLeavesNoSheet) {
    OpenFrame();
    wxTEST_DIALOG(Run(ID_NEW_SHEET), ExpectDialog<GeneralDataDialog>(wxID_CANCEL, nullptr));
    EXPECT_EQ(frame->iSheetState, kNoSheet);
    EXPECT_TRUE(frame->wxsHtmlPage.empty());
    wxString message;
    wxTEST_DIALOG(Run(ID_SAVE_SHEET), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_EQ(message, Tx(zav::Language::English, zav::TextId::NoSheetOpened));
}

TEST_F(FileCommandsTest, FirstSaveAsksForAFileAndTheNextOneDoesNot) {
    OpenFrame();
    NewSheet(wxS("Spring cup"));
    ChooserSeen seen;
    // A name typed without extension gets the sheet extension.
    wxTEST_DIALOG(Run(ID_SAVE_SHEET), AnswerChooser(W(temp.File("spring")), &seen));
    EXPECT_EQ(seen.title, Tx(zav::Language::English, zav::TextId::SaveSheetCaption));
    const std::string path = temp.File("spring.score");
    EXPECT_EQ(frame->sheet.sFullFileName, path);
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - spring.score"));
    EXPECT_TRUE(Holds(path, "Spring cup"));

    RenameFirstTeam(wxS("Ponies"));
    EXPECT_EQ(frame->iSheetState, kSheetChanged);
    EXPECT_FALSE(Holds(path, "Ponies"));
    Run(ID_SAVE_SHEET);  // no chooser: a dialog here would fail the test
    EXPECT_TRUE(Holds(path, "Ponies"));
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
}

TEST_F(FileCommandsTest, OpenAndSaveAsRoundTripThroughTheChoosers) {
    const std::string original = CopyExample("nations-cup-semi-final.score");
    OpenFrame();
    ChooserSeen seen;
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(W(original), &seen));
    EXPECT_EQ(seen.title, Tx(zav::Language::English, zav::TextId::OpenSheetCaption));
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - nations-cup-semi-final.score"));
    EXPECT_EQ(frame->wxsScoreDir, W(original));
    const std::string pageOpened = frame->wxsHtmlPage;
    ASSERT_NE(pageOpened.find("Nations Cup 2026"), std::string::npos);

    // Save as proposes the sheet's own folder and name.
    const std::string copy = temp.File("copy.score");
    wxTEST_DIALOG(Run(ID_SAVE_AS_SHEET), AnswerChooser(W(copy), &seen));
    EXPECT_EQ(seen.title, Tx(zav::Language::English, zav::TextId::SaveSheetAsCaption));
    EXPECT_EQ(seen.fileName, wxS("nations-cup-semi-final.score"));
    EXPECT_EQ(seen.folder, W(temp.Path()));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - copy.score"));
    EXPECT_EQ(frame->sheet.sFullFileName, copy);

    // The copy, opened again, shows the same sheet.
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(W(copy)));
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(frame->wxsHtmlPage, pageOpened);
}

TEST_F(FileCommandsTest, OpenCancelledKeepsTheSheetAndOpenOfANonSheetLeavesNone) {
    const std::string sheetPath = CopyExample("heat-4-teams.score");
    OpenFrame(W(sheetPath));
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(wxString()));
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - heat-4-teams.score"));

    const std::string other = temp.File("notes.score");
    zavtest::WriteFile(other, "<html>not a sheet</html>");
    wxString message;
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(W(other)), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_EQ(message, Tx(zav::Language::English, zav::TextId::UnknownEncoding));
    EXPECT_EQ(frame->iSheetState, kNoSheet);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAVscore"));
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_VIEW_BOTH));
}

TEST_F(FileCommandsTest, ChangedSheetIsOfferedASaveBeforeAnotherIsOpened) {
    const std::string first = CopyExample("heat-4-teams.score");
    const std::string second = CopyExample("nations-cup-semi-final.score");
    OpenFrame(W(first));
    RenameFirstTeam(wxS("Ponies"));

    // Yes: the save-as chooser, preset with the sheet's file, then the open one.
    wxString question;
    ChooserSeen seen;
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), EXPECT_MESSAGE(wxID_YES, &question),
                  AnswerChooser(W(first), &seen), AnswerChooser(W(second)));
    EXPECT_EQ(question, Tx(zav::Language::English, zav::TextId::SaveBeforeExit));
    EXPECT_EQ(seen.fileName, wxS("heat-4-teams.score"));
    EXPECT_TRUE(Holds(first, "Ponies"));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - nations-cup-semi-final.score"));

    // No: the new sheet replaces the changed one, which is not written.
    RenameFirstTeam(wxS("Unicorns"));
    wxTEST_DIALOG(Run(ID_NEW_SHEET), EXPECT_MESSAGE(wxID_NO, nullptr),
                  ExpectDialog<GeneralDataDialog>(wxID_OK, nullptr));
    EXPECT_FALSE(Holds(second, "Unicorns"));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAVscore"));
    // The new sheet has no file yet: saving it asks for one rather than
    // writing over the sheet it replaced.
    wxTEST_DIALOG(Run(ID_SAVE_SHEET), AnswerChooser(wxString()));
    EXPECT_EQ(frame->iSheetState, kSheetChanged);
}

TEST_F(FileCommandsTest, FailedSaveKeepsTheSheetChanged) {
    const std::string folder = temp.File("event");
    wxFileName::Mkdir(W(folder));
    const std::string path = folder + "/heat.score";
    zavtest::WriteFile(path, zavtest::ReadFile(ZAV_EXAMPLES_DIR "/heat-4-teams.score"));
    OpenFrame(W(path));
    RenameFirstTeam(wxS("Ponies"));
    wxFileName::Rmdir(W(folder), wxPATH_RMDIR_RECURSIVE);

    wxString message;
    wxTEST_DIALOG(Run(ID_SAVE_SHEET), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(frame->iSheetState, kSheetChanged);
}

TEST_F(FileCommandsTest, AutomaticSaveWritesEveryAcceptedChange) {
    const std::string path = CopyExample("heat-4-teams.score");
    OpenFrame(W(path));
    Run(ID_SAVE_AUTO);
    RenameFirstTeam(wxS("Ponies"));
    EXPECT_TRUE(Holds(path, "Ponies"));
    // Written without a question, and still counted as a change.
    EXPECT_EQ(frame->iSheetState, kSheetChanged);

    wxTEST_DIALOG(Run(ID_TEAMS_DATA), ExpectDialog<TeamsDialog>(wxID_CANCEL, [](TeamsDialog& d) {
                      d.names[0]->SetValue(wxS("Cancelled"));
                  }));
    EXPECT_FALSE(Holds(path, "Cancelled"));
}

TEST_F(FileCommandsTest, QuitWithChangedSheetAsksAndCloses) {
    const std::string path = CopyExample("heat-4-teams.score");
    OpenFrame(W(path));
    RenameFirstTeam(wxS("Ponies"));
    wxString question;
    wxTEST_DIALOG(Run(ID_QUIT), EXPECT_MESSAGE(wxID_NO, &question));
    EXPECT_EQ(question, Tx(zav::Language::English, zav::TextId::SaveBeforeExit));
    EXPECT_TRUE(FrameClosed());
    EXPECT_FALSE(Holds(path, "Ponies"));
}

TEST_F(FileCommandsTest, CloseBoxTakesTheSameSaveStepsAsQuit) {
    const std::string path = CopyExample("heat-4-teams.score");
    OpenFrame(W(path));
    RenameFirstTeam(wxS("Ponies"));
    wxTEST_DIALOG(frame->Close(), EXPECT_MESSAGE(wxID_YES, nullptr), AnswerChooser(W(path)));
    EXPECT_TRUE(FrameClosed());
    EXPECT_TRUE(Holds(path, "Ponies"));
}

TEST_F(FileCommandsTest, QuitWithUnchangedSheetAsksNothing) {
    OpenFrame(W(CopyExample("heat-4-teams.score")));
    Run(ID_QUIT);
    EXPECT_TRUE(FrameClosed());
}

}  // namespace
