// Copy, move and delete of a set through the Tools menu: the set chooser, the
// folder chooser, the questions, the refusals and the success messages.
#include <wx/filefn.h>

#include "gui/SetTesting.h"

namespace {

class SetToolsWindowTest : public SetFixture {
protected:
    void SetUp() override {
        SetFixture::SetUp();
        Teams teams;
        AddTeams(teams, "CPM1", 2);
        AddTeams(teams, "CAB1", 2);
        AddTeams(teams, "COP1", 2);
        setPath = MakeSet(teams);
        names = SheetNames(setPath);
        target = temp.File("target");
        wxMkdir(wxString::FromUTF8(target));
        OpenFrame();
    }

    // Every file of the set, set file last, in `folder`.
    std::vector<std::string> SetFiles(const std::string& folder) const {
        std::vector<std::string> files;
        for (const std::string& name : names) files.push_back(folder + "/" + name);
        files.push_back(folder + "/ev.mscore");
        return files;
    }
    static int CountExisting(const std::vector<std::string>& files) {
        int count = 0;
        for (const std::string& file : files) count += wxFileExists(wxString::FromUTF8(file));
        return count;
    }

    std::string setPath;
    std::vector<std::string> names;
    std::string target;
};

// The set on screen is proposed and saved first; a copy puts every file in
// the chosen folder and keeps the source; the set is open again afterwards
// on the same sheet: where it was after a copy, from its new folder after a
// move.
TEST_F(SetToolsWindowTest, AnOpenSetStaysOpenOnItsSheetAfterACopyOrAMove) {
    OpenSetByCommand(setPath);
    Choose(names[1]);
    frame->Document().EditSheet().sTitle = "Changed before copy";
    frame->SheetChanged(zav::TextId::StepGeneralData);
    ChooserSeen proposed;
    wxString started, told;
    wxTEST_DIALOG(Run(zavgui::ID_COPY_SIF_SCORE_SET), AnswerChooser(setPath, &proposed),
                  PickFolder(target, &started), ExpectMessage(wxID_OK, &told));
    EXPECT_EQ(proposed.folder, wxString::FromUTF8(temp.Path()));
    EXPECT_EQ(proposed.fileName, wxS("ev.mscore"));
    EXPECT_EQ(started, wxString::FromUTF8(temp.Path()));
    EXPECT_EQ(told, wxS("Score sheet set correctly copied."));
    EXPECT_EQ(CountExisting(SetFiles(target)), 4);
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 4);
    EXPECT_EQ(ReadSheet(target + "/" + names[1]).sTitle, "Changed before copy");
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Benjamin 1"));
    EXPECT_EQ(ChooserShown(), names[1]);
    EXPECT_EQ(frame->Document().Sheet().sMScoreOpen, setPath);

    const std::string elsewhere = temp.File("elsewhere");
    wxMkdir(wxString::FromUTF8(elsewhere));
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath), PickFolder(elsewhere),
                  ExpectMessage(wxID_OK));
    EXPECT_EQ(frame->Document().Sheet().sMScoreOpen, elsewhere + "/ev.mscore");
    EXPECT_EQ(frame->Document().Sheet().sMultiFileOpen, elsewhere + "/" + names[1]);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Benjamin 1"));
}

// Cancelling the folder chooser, or No to replacing a set, changes nothing.
TEST_F(SetToolsWindowTest, MovingOntoAnExistingSetAsksAndNoChangesNothing) {
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath),
                  Play<wxDirDialog>([](wxDirDialog&) { return wxID_CANCEL; }));
    EXPECT_EQ(CountExisting(SetFiles(target)), 0);
    zavtest::WriteFile(target + "/ev.mscore", "older set");
    wxString asked;
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath), PickFolder(target),
                  ExpectMessage(wxID_NO, &asked));
    EXPECT_EQ(asked, wxS("Score sheet set already exists in this directory.\nDo you want to "
                         "replace it ?"));
    EXPECT_EQ(zavtest::ReadFile(target + "/ev.mscore"), "older set");
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 4);

    wxString told;
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath), PickFolder(target),
                  ExpectMessage(wxID_YES), ExpectMessage(wxID_OK, &told));
    EXPECT_EQ(told, wxS("Score sheet set correctly moved."));
    EXPECT_EQ(CountExisting(SetFiles(target)), 4);
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 0);
}

TEST_F(SetToolsWindowTest, DeleteAsksFirstAndRemovesOnlyTheSetsFiles) {
    const std::string stranger = temp.File("notes.pscore");
    zavtest::WriteFile(stranger, "not listed");
    wxString warning;
    wxTEST_DIALOG(Run(zavgui::ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectMessage(wxID_NO, &warning));
    EXPECT_EQ(warning, wxS("WARNING : all the score sheets of the set will be deleted.\nDo you "
                           "really want to continue ?"));
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 4);

    wxString told;
    wxTEST_DIALOG(Run(zavgui::ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectMessage(wxID_YES), ExpectMessage(wxID_OK, &told));
    EXPECT_EQ(told, wxS("Score sheet set correctly deleted."));
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 0);
    EXPECT_TRUE(wxFileExists(wxString::FromUTF8(stranger)));
}

}  // namespace
