// What the window does for New, Open, Save, Save as and Quit: the dialogs
// and choosers it shows, the title, the page. The sheet document's own rules
// (the save question, the saves, automatic save) are tested without a window.
#include <wx/menu.h>
#include <wx/textctrl.h>

#include "dialogs/GameListDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/TeamsDialog.h"
#include "gui/FrameFixture.h"

namespace {

using FileCommandsTest = EnglishFrameFixture;

// A new heat leads on from its general data to its teams and its games;
// Cancel stops there and keeps what was entered.
TEST_F(FileCommandsTest, NewSheetLeadsOnToTeamsAndGamesUntilCancel) {
    OpenFrame(FromCore(CopyExample("heat-4-teams.score")));
    wxTEST_DIALOG(
        Run(ID_NEW_SHEET),
        ExpectDialog<GeneralDataDialog>(wxID_OK,
                                        [](auto& d) { d.title->SetValue(wxS("Spring cup")); }),
        ExpectDialog<TeamsDialog>(wxID_OK, [](auto& d) { d.names[0]->SetValue(wxS("Orsay")); }),
        ExpectDialog<GameListDialog>(wxID_CANCEL, nullptr));
    EXPECT_EQ(frame->GetTitle(), wxS("*ZAVscore - Provisional"));  // changed
    for (const char* entered : {"Spring cup", "Orsay"})
        EXPECT_NE(ShownText().find(entered), std::string::npos) << entered;

    // Cancel at once leaves no sheet: nothing shown, nothing to view.
    wxTEST_DIALOG(Run(ID_NEW_SHEET), ExpectMessage(wxID_NO),
                  ExpectDialog<GeneralDataDialog>(wxID_CANCEL, nullptr));
    EXPECT_TRUE(frame->View().Page().empty());
    EXPECT_EQ(frame->GetTitle(), wxS("ZAVscore"));
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_VIEW_BOTH));
}

TEST_F(FileCommandsTest, SaveChoosersArePresetAndNameTheFileInTheTitle) {
    const std::string original = CopyExample("nations-cup-semi-final.score");
    OpenFrame();
    ChooserSeen seen;
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(original, &seen));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - nations-cup-semi-final.score - Provisional"));
    EXPECT_NE(frame->View().Page().find("Nations Cup 2026"), std::string::npos);
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(""));  // cancelled: the sheet stays
    EXPECT_EQ(frame->Document().State(), SheetState::Unchanged);

    // Save as proposes the sheet's own folder and name; a name typed
    // without extension gets the sheet extension.
    wxTEST_DIALOG(Run(ID_SAVE_AS_SHEET), AnswerChooser(temp.File("copy"), &seen));
    EXPECT_EQ(seen.fileName, wxS("nations-cup-semi-final.score"));
    EXPECT_EQ(seen.folder, FromCore(temp.Path()));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - copy.score - Provisional"));

    // A sheet without a file yet: the first Save asks for one.
    wxTEST_DIALOG(Run(ID_NEW_SHEET), ExpectDialog<GeneralDataDialog>(wxID_OK, nullptr),
                  ExpectDialog<TeamsDialog>(wxID_CANCEL, nullptr));
    wxTEST_DIALOG(Run(ID_SAVE_SHEET), AnswerChooser(temp.File("new.score")));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - new.score - Provisional"));
}

// Only what loses nothing ends the program, and Yes writes a filed sheet
// straight to its file.
TEST_F(FileCommandsTest, QuitAndTheCloseBoxStopAtCancelAndYesSavesToTheSheetsFile) {
    const std::string path = CopyExample("heat-4-teams.score");
    OpenFrame(FromCore(path));
    wxTEST_DIALOG(Run(ID_TEAMS_DATA), ExpectDialog<TeamsDialog>(wxID_OK, [](TeamsDialog& d) {
                      d.names[0]->SetValue(wxS("Ponies"));
                  }));
    wxTEST_DIALOG(Run(ID_QUIT), ExpectMessage(wxID_CANCEL));
    wxTEST_DIALOG(EXPECT_FALSE(frame->Close()), ExpectMessage(wxID_CANCEL));
    EXPECT_FALSE(FrameClosed());

    wxTEST_DIALOG(frame->Close(), ExpectMessage(wxID_YES));
    EXPECT_TRUE(FrameClosed());
    EXPECT_NE(zavtest::ReadFile(path).find("Ponies"), std::string::npos);
}

// The extension is added before anyone looks for the file: a typed name
// that is an existing file's stem is asked about, opening on No (Enter
// pressed twice in a hurry replaces nothing), and No returns to the chooser
// with the whole name.
TEST_F(FileCommandsTest, ReplacingAFileIsAskedAboutWithTheExtensionAdded) {
    OpenFrame(FromCore(CopyExample("heat-4-teams.score")));
    const std::string other = temp.File("other.score");
    zavtest::WriteFile(other, "older sheet");
    wxString question;
    bool opensOnNo = false;
    ChooserSeen again;
    wxTEST_DIALOG(Run(ID_SAVE_AS_SHEET), AnswerChooser(temp.File("other")),
                  ExpectMessage(wxID_NO, &question, nullptr, &opensOnNo),
                  AnswerChooser("", &again));
    EXPECT_TRUE(opensOnNo);
    EXPECT_EQ(question,
              TxFormat(zav::Language::English, zav::TextId::ReplaceExistingFile, FromCore(other)));
    EXPECT_EQ(again.fileName, wxS("other.score"));
    EXPECT_EQ(zavtest::ReadFile(other), "older sheet");

    wxTEST_DIALOG(Run(ID_SAVE_AS_SHEET), AnswerChooser(temp.File("other")),
                  ExpectMessage(wxID_YES));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - other.score - Provisional"));
    EXPECT_NE(zavtest::ReadFile(other), "older sheet");
}

}  // namespace
