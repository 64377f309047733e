// An open set in the window: opening, the sheet chooser, moving between
// sheets with a changed sheet, the save rules of set sheets, start-up with a
// set file.
#include <sys/stat.h>
#include <wx/toolbar.h>

#include "GeneralDataDialog.h"
#include "gui/SetTesting.h"

namespace {

class SetSheetsWindowTest : public SetFixture {
protected:
    // Categories first met in the order Open 1, Benjamin 1, Minime 1, so the
    // set file lists its sheets out of alphabetical order.
    std::string FourSheetSet() {
        Teams teams;
        AddTeams(teams, "COP1", 3);
        AddTeams(teams, "CAB1", 2);
        AddTeams(teams, "CPM1", 4);
        AddTeams(teams, "CPC1", 2);
        return MakeSet(teams);
    }
    const std::string open1 = "ev_Open 1.pscore";
    const std::string benjamin1 = "ev_Benjamin 1.pscore";
    const std::string minime1 = "ev_Minime 1.pscore";
};

TEST_F(SetSheetsWindowTest, OpeningFillsTheSortedChooserAndShowsTheFirstSheet) {
    const std::string setPath = FourSheetSet();
    OpenFrame();
    OpenSetByCommand(setPath);
    EXPECT_EQ(ChooserEntries(),
              (std::vector<std::string>{benjamin1, "ev_Cadet 1.pscore", minime1, open1}));
    EXPECT_EQ(ChooserShown(), open1);
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore"));
    EXPECT_EQ(frame->sheet.sFullFileName, setPath);
    EXPECT_EQ(frame->sheet.sMultiFileOpen, temp.File(open1));
    EXPECT_NE(ShownText().find("COP1 3"), std::string::npos);
    EXPECT_FALSE(SaveAsEnabled());
}

TEST_F(SetSheetsWindowTest, SwitchingSavesTheChangedSheetSilentlyAndShowsTheOther) {
    const std::string setPath = FourSheetSet();
    OpenFrame();
    OpenSetByCommand(setPath);
    frame->sheet.iGamePlace[0][0] = 2;
    frame->sheet.iGamePlace[1][0] = 1;
    frame->sheet.iGamePlace[2][0] = 3;
    frame->SheetChanged();  // automatic save is off: only the state says it
    ASSERT_EQ(frame->iSheetState, kSheetChanged);

    Choose(minime1);  // no question may come up
    EXPECT_EQ(ReadSheet(temp.File(open1)).iGamePlace[1][0], 1);
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(frame->sheet.sMultiFileOpen, temp.File(minime1));
    EXPECT_EQ(frame->sheet.iTeamsNr, 4);
    EXPECT_NE(ShownText().find("CPM1 4"), std::string::npos);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore"));
    EXPECT_EQ(ChooserShown(), minime1);

    // Back again: the results come from the file.
    Choose(open1);
    EXPECT_EQ(frame->sheet.iGamePlace[1][0], 1);
    EXPECT_EQ(frame->sheet.bScoreSet, 1);
    // The set file itself is never written by these moves.
    EXPECT_EQ(SheetNames(setPath).size(), 4u);
}

// A sheet whose file can no longer be written stays on screen with its
// changes instead of being replaced by the chosen one.
TEST_F(SetSheetsWindowTest, ASheetThatCannotBeSavedIsNotLeft) {
    const std::string setPath = FourSheetSet();
    OpenFrame();
    OpenSetByCommand(setPath);
    frame->sheet.sTitle = "Typed but not saved";
    frame->SheetChanged();
    ASSERT_EQ(0, std::remove(temp.File(open1).c_str()));
    ASSERT_EQ(0, mkdir(temp.File(open1).c_str(), 0755));  // no file can replace it
    wxString told;
    wxTEST_DIALOG(Choose(minime1), EXPECT_MESSAGE(wxID_OK, &told));
    EXPECT_NE(told.Find(wxS("ev_Open 1.pscore")), wxNOT_FOUND);
    EXPECT_EQ(frame->sheet.sTitle, "Typed but not saved");
    EXPECT_EQ(frame->iSheetState, kSheetChanged);
    EXPECT_EQ(ChooserShown(), open1);
}

TEST_F(SetSheetsWindowTest, SaveAndAutomaticSaveWriteTheSheetOfTheSet) {
    const std::string setPath = FourSheetSet();
    const std::string setBytes = zavtest::ReadFile(setPath);
    OpenFrame();
    OpenSetByCommand(setPath);
    Choose(benjamin1);

    frame->iSaveAuto = 1;
    frame->sheet.sReferee = "Automatic";
    frame->SheetChanged();
    EXPECT_EQ(ReadSheet(temp.File(benjamin1)).sReferee, "Automatic");

    frame->iSaveAuto = 0;
    frame->sheet.sReferee = "By command";
    frame->SheetChanged();
    Run(zavgui::ID_SAVE_SHEET);  // no file chooser may come up
    EXPECT_EQ(ReadSheet(temp.File(benjamin1)).sReferee, "By command");
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(zavtest::ReadFile(setPath), setBytes);
    EXPECT_FALSE(SaveAsEnabled());

    // A single sheet afterwards may be saved under another name again.
    wxTEST_DIALOG(
        Run(zavgui::ID_NEW_SHEET),
        Play<zavgui::GeneralDataDialog>([](zavgui::GeneralDataDialog&) { return wxID_CANCEL; }));
    EXPECT_TRUE(SaveAsEnabled());
}

// After New, the chooser still lists the set's sheets; picking one must not
// drop the new sheet without the save question.
TEST_F(SetSheetsWindowTest, ANewSheetIsNotDroppedByAChooserLeftFromTheSet) {
    OpenFrame();
    OpenSetByCommand(FourSheetSet());
    wxTEST_DIALOG(Run(zavgui::ID_NEW_SHEET), Play<zavgui::GeneralDataDialog>([](auto& d) {
                      d.title->ChangeValue(wxS("New heat"));
                      return PressOk(d);
                  }));
    ASSERT_EQ(frame->iSheetState, kSheetChanged);
    ASSERT_EQ(frame->sheet.bScoreSet, 0);
    wxString asked;
    wxTEST_DIALOG(Choose(minime1), EXPECT_MESSAGE(wxID_NO, &asked));
    EXPECT_EQ(asked, wxS("Do you want to save current score sheet before exit ?"));
    EXPECT_EQ(frame->sheet.sMultiFileOpen, temp.File(minime1));
    EXPECT_EQ(frame->sheet.bScoreSet, 1);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore"));
    EXPECT_FALSE(SaveAsEnabled());
}

// A sheet file of another set opened with "Open": its saves must go to its
// own file, not to the sheet of the set that was open before.
TEST_F(SetSheetsWindowTest, ASheetOfASetOpenedAloneIsSavedToItsOwnFile) {
    const std::string setPath = FourSheetSet();
    const std::string openBefore = zavtest::ReadFile(temp.File(open1));
    Teams teams;
    AddTeams(teams, "CSE1", 2);
    MakeSet(teams, "other.mscore");
    const std::string alone = temp.File("other_Senior 1.pscore");
    OpenFrame();
    OpenSetByCommand(setPath);
    wxTEST_DIALOG(Run(zavgui::ID_OPEN_SHEET), PickFile(alone));
    ASSERT_EQ(frame->sheet.bScoreSet, 1);
    frame->sheet.sReferee = "Alone";
    frame->SheetChanged();
    Run(zavgui::ID_SAVE_SHEET);
    EXPECT_EQ(ReadSheet(alone).sReferee, "Alone");
    EXPECT_EQ(zavtest::ReadFile(temp.File(open1)), openBefore);
}

TEST_F(SetSheetsWindowTest, StartUpWithASetFileOpensIt) {
    const std::string setPath = FourSheetSet();
    OpenFrame(wxString::FromUTF8(setPath));
    EXPECT_EQ(frame->iSheetState, kSheetUnchanged);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore"));
    EXPECT_EQ(ChooserShown(), open1);
    EXPECT_EQ(ChooserEntries().size(), 4u);
    EXPECT_NE(ShownText().find("COP1 1"), std::string::npos);
}

TEST_F(SetSheetsWindowTest, OpeningAnotherSetSavesTheChangedSheetFirst) {
    const std::string first = FourSheetSet();
    Teams teams;
    AddTeams(teams, "CSE1", 2);
    const std::string second = MakeSet(teams, "other.mscore");
    OpenFrame();
    OpenSetByCommand(first);
    frame->sheet.sTitle = "Kept";
    frame->SheetChanged();
    OpenSetByCommand(second);
    EXPECT_EQ(ReadSheet(temp.File(open1)).sTitle, "Kept");
    EXPECT_EQ(ChooserEntries(), (std::vector<std::string>{"other_Senior 1.pscore"}));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - other.mscore"));
}

TEST_F(SetSheetsWindowTest, ASetFileThatCannotBeReadLeavesNothingOpen) {
    const std::string setPath = FourSheetSet();
    const std::string bad = temp.File("bad.mscore");
    zavtest::WriteFile(bad, "<zavscore><file>a.pscore</file></zavscore>");  // no encoding
    OpenFrame();
    OpenSetByCommand(setPath);
    wxString told;
    wxTEST_DIALOG(Run(zavgui::ID_OPEN_SCORE_SET), PickFile(bad), EXPECT_MESSAGE(wxID_OK, &told));
    EXPECT_EQ(told, wxS("Unknown encoding format."));
    EXPECT_EQ(frame->iSheetState, kNoSheet);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAVscore"));
    EXPECT_TRUE(ChooserEntries().empty());
    // The commands that need a sheet now say there is none.
    wxString noSheet;
    wxTEST_DIALOG(Run(zavgui::ID_SAVE_SHEET), EXPECT_MESSAGE(wxID_OK, &noSheet));
    EXPECT_FALSE(noSheet.empty());
}

// GTK moves a toolbar item that does not fit out of sight, with no sign of
// it: the chooser must fit the toolbar of a 1024-pixel window.
TEST_F(SetSheetsWindowTest, TheChooserStaysOnTheToolbarAndWidensWithTheWindow) {
    OpenFrame(wxString::FromUTF8(FourSheetSet()));
    wxToolBar* toolBar = frame->GetToolBar();
    // The display resizes the window in its own time: wait until the
    // toolbar has the new width and the chooser has been fitted to it.
    const auto resize = [&](int width) {
        frame->SetSize(width, 768);
        EXPECT_TRUE(WaitUntil([&] { return toolBar->GetClientSize().x >= width - 40; }));
        Yield(10);
    };
    const auto chooserRight = [&] {
        return frame->pSheetCombo->GetPosition().x + frame->pSheetCombo->GetSize().x;
    };
    resize(1024);
    const int narrow = frame->pSheetCombo->GetSize().x;
    EXPECT_GE(narrow, kSheetChooserMinWidth);
    EXPECT_GT(frame->pSheetCombo->GetPosition().x, 0);
    EXPECT_LE(chooserRight(), toolBar->GetClientSize().x);

    resize(1400);
    EXPECT_GT(frame->pSheetCombo->GetSize().x, narrow);
    EXPECT_LE(frame->pSheetCombo->GetSize().x, kSheetChooserMaxWidth);
    EXPECT_LE(chooserRight(), toolBar->GetClientSize().x);
}

}  // namespace
