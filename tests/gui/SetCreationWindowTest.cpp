// Creating a set through the window: SIF chooser, set file chooser, the
// default options and grouping dialogs, then the new set open.
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "dialogs/SifGroupingDialog.h"
#include "dialogs/SifOptionsDialog.h"
#include "gui/SetTesting.h"

namespace {

class SetCreationWindowTest : public SetFixture {
protected:
    // Three categories met in the order CPM1, CAB1, COP1, the first again
    // after the others.
    Teams ThreeCategories() const {
        Teams teams;
        AddTeams(teams, "CPM1", 2);
        AddTeams(teams, "CAB1 Benjamin 1", 3);
        AddTeams(teams, "COP1", 4);
        teams.emplace_back("CPM1", "CPM1 late");
        return teams;
    }

    // A click on a check box, as GTK reports it: the box toggles, then the
    // dialog hears of it.
    static void Click(wxCheckBox* box) {
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(box->GetValue() ? 1 : 0);
        box->GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(SetCreationWindowTest, OneSheetPerCategoryWritesTheSetAndOpensIt) {
    const std::string sif = WriteSif(ThreeCategories());
    const std::string setPath = temp.File("12345.mscore");
    OpenFrame();
    ChooserSeen setChooser;
    wxTEST_DIALOG(Run(zavgui::ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif),
                  AnswerChooser(setPath, &setChooser),
                  ExpectDialog<SifOptionsDialog>(wxID_OK, [](SifOptionsDialog& d) {
                      // As the dialog opens: empty texts, 6 games, French
                      // rules, one sheet per category.
                      EXPECT_EQ(
                          (std::vector<bool>{d.title->GetValue().empty(), d.frenchRules->GetValue(),
                                             d.internationalRules->GetValue(),
                                             d.onePerCategory->GetValue(), d.grouped->GetValue()}),
                          (std::vector<bool>{true, true, false, true, false}));
                      EXPECT_EQ(d.games->GetStringSelection(), wxS("6"));
                      d.title->ChangeValue(wxS("Regional cup"));
                      d.date->ChangeValue(wxS("12/04/2026"));
                      d.referee->ChangeValue(wxS("J. Doe"));
                      d.games->SetStringSelection(wxS("9"));
                      Click(d.internationalRules);
                      EXPECT_FALSE(d.frenchRules->GetValue());
                  }));
    EXPECT_EQ(setChooser.fileName, wxS("12345.mscore"));
    EXPECT_EQ(setChooser.folder, wxString::FromUTF8(temp.Path()));

    const std::vector<std::string> names = SheetNames(setPath);
    ASSERT_EQ(names, (std::vector<std::string>{"12345_Minime 1.pscore", "12345_Benjamin 1.pscore",
                                               "12345_Open 1.pscore"}));
    // The dialog's answers reach the sheets.
    const zav::ScoreSheet minimes = ReadSheet(temp.File(names[0]));
    EXPECT_EQ(minimes.sTitle + "|" + minimes.sDate + "|" + minimes.sReferee,
              "Regional cup|12/04/2026|J. Doe");
    EXPECT_EQ(minimes.iGamesNr, 9);
    EXPECT_EQ(minimes.iScoring, 3);  // international rules: the number of teams
    // The new set is open on its first sheet.
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - 12345.mscore - Minime 1"));
    EXPECT_EQ(ChooserShown(), names[0]);
}

TEST_F(SetCreationWindowTest, GroupingInTwoPassesListsOnlyWhatIsLeft) {
    Teams teams;
    AddTeams(teams, "CPM1", 2);
    AddTeams(teams, "CPM2", 2);
    AddTeams(teams, "CAB1", 2);
    AddTeams(teams, "CAB2", 2);
    AddTeams(teams, "COP1", 2);
    const std::string sif = WriteSif(teams);
    const std::string setPath = temp.File("groups.mscore");
    OpenFrame();
    std::vector<std::string> secondPass;
    wxTEST_DIALOG(Run(zavgui::ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif), AnswerChooser(setPath),
                  ExpectDialog<SifOptionsDialog>(wxID_OK,
                                                 [](SifOptionsDialog& d) {
                                                     Click(d.grouped);
                                                     EXPECT_FALSE(d.onePerCategory->GetValue());
                                                     // Clicking the checked box of a pair keeps it
                                                     // checked.
                                                     Click(d.grouped);
                                                     EXPECT_TRUE(d.grouped->GetValue());
                                                 }),
                  ExpectDialog<SifGroupingDialog>(wxID_OK,
                                                  [](SifGroupingDialog& d) {
                                                      EXPECT_EQ(d.categories->GetCount(), 5u);
                                                      // OK with nothing selected keeps the dialog
                                                      // open.
                                                      EXPECT_FALSE(d.TransferDataFromWindow());
                                                      d.categories->SetSelection(0);
                                                      d.categories->SetSelection(3);
                                                  }),
                  ExpectDialog<SifGroupingDialog>(wxID_OK, [&](SifGroupingDialog& d) {
                      for (unsigned i = 0; i < d.categories->GetCount(); ++i) {
                          secondPass.push_back(d.categories->GetString(i).utf8_str().data());
                          d.categories->SetSelection(static_cast<int>(i));
                      }
                  }));
    EXPECT_EQ(secondPass,
              (std::vector<std::string>{"CPM2 - Minime 2", "CAB1 - Benjamin 1", "COP1 - Open 1"}));
    const std::vector<std::string> names = SheetNames(setPath);
    ASSERT_EQ(names, (std::vector<std::string>{"groups_Minime 1_Benjamin 2.pscore",
                                               "groups_Minime 2_Benjamin 1_Open 1.pscore"}));
}

TEST_F(SetCreationWindowTest, CancellingAnyStepOrAFileThatIsNoSifFileWritesNothing) {
    const std::string sif = WriteSif(ThreeCategories());
    const std::string setPath = temp.File("12345.mscore");
    OpenFrame();
    wxTEST_DIALOG(Run(zavgui::ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif), AnswerChooser(setPath),
                  ExpectDialog<SifOptionsDialog>(wxID_CANCEL, nullptr));
    wxTEST_DIALOG(Run(zavgui::ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif), AnswerChooser(setPath),
                  ExpectDialog<SifOptionsDialog>(wxID_OK, [](auto& d) { Click(d.grouped); }),
                  ExpectDialog<SifGroupingDialog>(wxID_CANCEL, nullptr));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(setPath)));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(temp.File("12345_Minime 1.pscore"))));
    EXPECT_EQ(frame->Document().State(), SheetState::NoSheet);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - 12345.mscore"));

    // A file that is no SIF file is refused before any question.
    const std::string path = temp.File("notes.txt");
    zavtest::WriteFile(path, "this is no entries file;at all\n");
    wxString told;
    wxTEST_DIALOG(Run(zavgui::ID_CREATE_SIF_SCORE_SET), AnswerChooser(path),
                  ExpectMessage(wxID_OK, &told));
    EXPECT_NE(told.Find(wxS("is not a SIF file")), wxNOT_FOUND);
    EXPECT_EQ(frame->Document().State(), SheetState::NoSheet);

    // Records but no team line: no set file chooser, nothing written.
    const std::string riders = temp.File("riders.txt");
    zavtest::WriteFile(riders, "4711;Championnat;2026\n4711;R1;CAVALIER;CPM1;rider\n");
    told.clear();
    wxTEST_DIALOG(Run(zavgui::ID_CREATE_SIF_SCORE_SET), AnswerChooser(riders),
                  ExpectMessage(wxID_OK, &told));
    EXPECT_NE(told.Find(wxS("riders.txt")), wxNOT_FOUND);
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(temp.File("4711.mscore"))));
}

}  // namespace
