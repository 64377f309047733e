// An open set in the window: the sheet chooser, the title and the page as the
// user moves between sheets, start-up with a set file. The save rules of set
// sheets are the sheet document's, tested without a window.
#include <sys/stat.h>
#include <wx/toolbar.h>

#include "dialogs/GeneralDataDialog.h"
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

TEST_F(SetSheetsWindowTest, TheChooserListsTheSetSortedAndShowsTheSheetOnScreen) {
    OpenFrame();
    OpenSetByCommand(FourSheetSet());
    EXPECT_EQ(ChooserEntries(),
              (std::vector<std::string>{benjamin1, "ev_Cadet 1.pscore", minime1, open1}));
    EXPECT_EQ(ChooserShown(), open1);
    // The title names the set and the sheet on screen.
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Open 1"));
    EXPECT_NE(ShownText().find("COP1 3"), std::string::npos);
    EXPECT_FALSE(SaveAsEnabled());

    Choose(minime1);
    EXPECT_NE(ShownText().find("CPM1 4"), std::string::npos);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Minime 1"));
    EXPECT_EQ(frame->Chooser().Control()->GetToolTipText(), wxString::FromUTF8(minime1));
    EXPECT_EQ(ChooserShown(), minime1);

    // A single sheet afterwards may be saved under another name again; the
    // set's sheets stay offered.
    wxTEST_DIALOG(Run(zavgui::ID_NEW_SHEET),
                  ExpectDialog<zavgui::GeneralDataDialog>(wxID_CANCEL, nullptr));
    EXPECT_TRUE(SaveAsEnabled());
    EXPECT_EQ(ChooserEntries().size(), 4u);

    // A set file that cannot be read leaves nothing open.
    const std::string bad = temp.File("bad.mscore");
    zavtest::WriteFile(bad, "<zavscore><file>a.pscore</file></zavscore>");  // no encoding
    OpenSetByCommand(temp.File("ev.mscore"));
    wxTEST_DIALOG(Run(zavgui::ID_OPEN_SCORE_SET), AnswerChooser(bad), ExpectMessage(wxID_OK));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAVscore"));
    EXPECT_TRUE(ChooserEntries().empty());
    EXPECT_TRUE(frame->View().Page().empty());
}

// A sheet whose file can no longer be written stays, and so does its name in
// the chooser.
TEST_F(SetSheetsWindowTest, ASheetThatCannotBeSavedIsNotLeft) {
    OpenFrame();
    OpenSetByCommand(FourSheetSet());
    frame->Document().EditSheet().sTitle = "Typed but not saved";
    frame->SheetChanged(zav::TextId::StepGeneralData);
    ASSERT_EQ(0, std::remove(temp.File(open1).c_str()));
    ASSERT_EQ(0, mkdir(temp.File(open1).c_str(), 0755));  // no file can replace it
    wxString told;
    wxTEST_DIALOG(Choose(minime1), ExpectMessage(wxID_OK, &told));
    EXPECT_NE(told.Find(wxS("ev_Open 1.pscore")), wxNOT_FOUND);
    EXPECT_EQ(ChooserShown(), open1);
}

// GTK moves a toolbar item that does not fit out of sight, with no sign of
// it: the chooser must fit the toolbar of a 1024-pixel window.
// Started with a set file, the window opens it on its first sheet.
TEST_F(SetSheetsWindowTest, StartedWithASetTheChooserStaysOnTheToolbarAndWidensWithTheWindow) {
    OpenFrame(wxString::FromUTF8(FourSheetSet()));
    EXPECT_EQ(frame->Document().State(), SheetState::Unchanged);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Open 1"));
    EXPECT_EQ(ChooserShown(), open1);
    wxToolBar* toolBar = frame->GetToolBar();
    const wxComboBox* chooser = frame->Chooser().Control();
    // The display resizes the window in its own time: wait until the
    // toolbar has the new width and the chooser has been fitted to it.
    const auto resize = [&](int width) {
        frame->SetSize(width, 768);
        EXPECT_TRUE(WaitUntil([&] { return toolBar->GetClientSize().x >= width - 40; }));
        Yield(10);
    };
    const auto chooserRight = [&] { return chooser->GetPosition().x + chooser->GetSize().x; };
    resize(1024);
    const int narrow = chooser->GetSize().x;
    EXPECT_GE(narrow, kSheetChooserMinWidth);
    EXPECT_GT(chooser->GetPosition().x, 0);
    EXPECT_LE(chooserRight(), toolBar->GetClientSize().x);

    resize(1400);
    EXPECT_GT(chooser->GetSize().x, narrow);
    EXPECT_LE(chooser->GetSize().x, kSheetChooserMaxWidth);
    EXPECT_LE(chooserRight(), toolBar->GetClientSize().x);
}

}  // namespace
