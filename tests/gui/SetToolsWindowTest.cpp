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
// the chosen folder; the set is open again afterwards on the same sheet:
// where it was after a copy or a move cancelled at the folder, from its new
// folder after a move.
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
    EXPECT_EQ(ReadSheet(target + "/" + names[1]).sTitle, "Changed before copy");
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Benjamin 1"));
    EXPECT_EQ(ChooserShown(), names[1]);

    const std::string elsewhere = temp.File("elsewhere");
    wxMkdir(wxString::FromUTF8(elsewhere));
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectDialog<wxDirDialog>(wxID_CANCEL, nullptr));
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 4);
    EXPECT_EQ(frame->Document().Sheet().sMScoreOpen, setPath);
    wxTEST_DIALOG(Run(zavgui::ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath), PickFolder(elsewhere),
                  ExpectMessage(wxID_OK));
    EXPECT_EQ(frame->Document().Sheet().sMScoreOpen, elsewhere + "/ev.mscore");
    EXPECT_EQ(frame->Document().Sheet().sMultiFileOpen, elsewhere + "/" + names[1]);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Benjamin 1"));
}

// Delete asks first: No keeps the set.
TEST_F(SetToolsWindowTest, DeleteAsksFirst) {
    wxString warning;
    wxTEST_DIALOG(Run(zavgui::ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectMessage(wxID_NO, &warning));
    EXPECT_EQ(warning, Tx(zav::Language::English, zav::TextId::DeleteSetWarning));
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 4);
    wxTEST_DIALOG(Run(zavgui::ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectMessage(wxID_YES), ExpectMessage(wxID_OK));
    EXPECT_EQ(CountExisting(SetFiles(temp.Path())), 0);
}

}  // namespace
