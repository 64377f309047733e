// An open set in the window: the sheet chooser, the title and the page as the
// user moves between sheets, start-up with a set file, and copy, move and
// delete through the Tools menu. The save rules of set sheets are the sheet
// document's, the set operations the core's, each tested without a window.
#include <sys/stat.h>
#include <wx/filefn.h>
#include <wx/toolbar.h>

#include "dialogs/GeneralDataDialog.h"
#include "dialogs/SifOptionsDialog.h"
#include "gui/SetTesting.h"

namespace {

class SetSheetsWindowTest : public SetFixture {
protected:
    // Categories first met in the order Open 1, Benjamin 1, Minime 1, so the
    // set file lists its sheets out of alphabetical order.
    void SetUp() override {
        SetFixture::SetUp();
        Teams teams;
        AddTeams(teams, "COP1", 3);
        AddTeams(teams, "CAB1", 2);
        AddTeams(teams, "CPM1", 4);
        AddTeams(teams, "CPC1", 2);
        OpenFrame();
        wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser(WriteSif(teams)),
                      AnswerChooser(setPath), ExpectDialog<SifOptionsDialog>(wxID_OK, nullptr));
    }

    // How many of the set's files, set file included, are in `folder`.
    int SetFilesIn(const std::string& folder) const {
        int count = 0;
        for (const std::string& name :
             {open1, benjamin1, minime1, cadet1, std::string("ev.mscore")})
            count += wxFileExists(wxString::FromUTF8(folder + "/" + name));
        return count;
    }

    const std::string setPath = temp.File("ev.mscore");
    const std::string open1 = "ev_Open 1.pscore";
    const std::string benjamin1 = "ev_Benjamin 1.pscore";
    const std::string minime1 = "ev_Minime 1.pscore";
    const std::string cadet1 = "ev_Cadet 1.pscore";
};

TEST_F(SetSheetsWindowTest, TheChooserListsTheSetSortedAndShowsTheSheetOnScreen) {
    OpenFrame();
    OpenSetByCommand(setPath);
    EXPECT_EQ(ChooserEntries(), (std::vector<std::string>{benjamin1, cadet1, minime1, open1}));
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
}

// A sheet whose file can no longer be written stays, and so does its name in
// the chooser.
TEST_F(SetSheetsWindowTest, ASheetThatCannotBeSavedIsNotLeft) {
    OpenFrame();
    OpenSetByCommand(setPath);
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
    OpenFrame(wxString::FromUTF8(setPath));
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

// The set on screen is proposed and saved first; a copy puts every file in
// the chosen folder; the set is open again afterwards on the same sheet:
// where it was after a copy or a move cancelled at the folder, from its new
// folder after a move.
TEST_F(SetSheetsWindowTest, AnOpenSetStaysOpenOnItsSheetAfterACopyOrAMove) {
    OpenFrame();
    OpenSetByCommand(setPath);
    Choose(benjamin1);
    frame->Document().EditSheet().sTitle = "Changed before copy";
    frame->SheetChanged(zav::TextId::StepGeneralData);
    const std::string target = temp.File("target");
    wxMkdir(wxString::FromUTF8(target));
    ChooserSeen proposed;
    wxString started, told;
    wxTEST_DIALOG(Run(zavgui::ID_COPY_SIF_SCORE_SET), AnswerChooser(setPath, &proposed),
                  PickFolder(target, &started), ExpectMessage(wxID_OK, &told));
    EXPECT_EQ(proposed.folder, wxString::FromUTF8(temp.Path()));
    EXPECT_EQ(proposed.fileName, wxS("ev.mscore"));
    EXPECT_EQ(started, wxString::FromUTF8(temp.Path()));
    EXPECT_EQ(told, wxS("Score sheet set correctly copied."));
    EXPECT_EQ(SetFilesIn(target), 5);
    EXPECT_EQ(ReadSheet(target + "/" + benjamin1).sTitle, "Changed before copy");
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Benjamin 1"));
    EXPECT_EQ(ChooserShown(), benjamin1);

    const std::string elsewhere = temp.File("elsewhere");
    wxMkdir(wxString::FromUTF8(elsewhere));
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectDialog<wxDirDialog>(wxID_CANCEL, nullptr));
    EXPECT_EQ(SetFilesIn(temp.Path()), 5);
    EXPECT_EQ(frame->Document().Sheet().sMScoreOpen, setPath);
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath), PickFolder(elsewhere),
                  ExpectMessage(wxID_OK));
    EXPECT_EQ(frame->Document().Sheet().sMScoreOpen, elsewhere + "/ev.mscore");
    EXPECT_EQ(frame->Document().Sheet().sMultiFileOpen, elsewhere + "/" + benjamin1);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Benjamin 1"));
}

// Delete asks first: No keeps the set.
TEST_F(SetSheetsWindowTest, DeleteAsksFirst) {
    OpenFrame();
    wxString warning;
    wxTEST_DIALOG(Run(zavgui::ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectMessage(wxID_NO, &warning));
    EXPECT_EQ(warning, Tx(zav::Language::English, zav::TextId::DeleteSetWarning));
    EXPECT_EQ(SetFilesIn(temp.Path()), 5);
    wxTEST_DIALOG(Run(zavgui::ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectMessage(wxID_YES), ExpectMessage(wxID_OK));
    EXPECT_EQ(SetFilesIn(temp.Path()), 0);
}

}  // namespace
