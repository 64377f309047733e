// Championships through the window: previous scores taken from an earlier
// sheet (the proposed matches, a correction, OK as one undo step, Cancel),
// and the table of the open sheet's category.
#include <wx/button.h>
#include <wx/checklst.h>
#include <wx/choice.h>

#include "dialogs/ChampionshipDialog.h"
#include "dialogs/PreviousFromSheetsDialog.h"
#include "gui/DialogTesting.h"
#include "sets/SetFile.h"

namespace {

using ChampionshipWindowTest = DialogFixture;

TEST_F(ChampionshipWindowTest, PreviousScoresFromAnEarlierSheetWithACorrection) {
    // The earlier heat: "team a" 10 + 3, "Bravo" (Team B renamed) 2, Team C 1.
    zav::ScoreSheet earlier = Heat(3, 1);
    earlier.sTeamName[0] = "team a";
    earlier.sTeamName[1] = "Bravo";
    earlier.fPreviousScore[0] = 10;
    for (int t = 0; t < 3; ++t) earlier.iGamePlace[t][0] = t + 1;
    const std::string earlierPath = temp.File("earlier.score");
    zav::RecordingMessageSink quiet;
    ASSERT_TRUE(zav::SaveSheet(earlier, earlierPath, zav::Reporter(zav::Language::English, quiet)));
    zav::ScoreSheet s = Heat(4, 2);
    s.fPreviousScore[3] = 4;
    wxZAVFrame& w = OpenWith(s);

    const auto correctTeamB = [&](PreviousFromSheetsDialog& d) {
        d.sheets.AddSheets({earlierPath});
        ASSERT_EQ(4u, d.matchChoices.size());
        EXPECT_EQ("team a", d.matchChoices[0][0]->GetStringSelection());
        EXPECT_EQ(0, d.matchChoices[1][0]->GetSelection());  // "(none)"
        EXPECT_EQ("13", d.carried[0]->GetLabel());
        EXPECT_TRUE(d.unmatched->GetLabel().Contains("Team B, Team D"));
        d.matchChoices[1][0]->SetStringSelection("Bravo");
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_FROM_SHEETS),
                  ExpectDialog<PreviousFromSheetsDialog>(wxID_CANCEL, correctTeamB));
    ExpectNothingApplied();

    wxTEST_DIALOG(Run(ID_PREVIOUS_FROM_SHEETS),
                  ExpectDialog<PreviousFromSheetsDialog>(wxID_OK, correctTeamB));
    const zav::ScoreSheet& now = w.Document().Sheet();
    EXPECT_EQ((std::vector<float>{13, 2, 1, 4}),
              (std::vector<float>(now.fPreviousScore, now.fPreviousScore + 4)));
    ExpectChangeApplied();
    EXPECT_EQ("previous scores from sheets", w.Document().UndoStep());
}

// A set of three categories open on its Minime sheet: the table proposes the
// Minime sheet alone; a sheet added there is offered again for the previous
// scores.
TEST_F(ChampionshipWindowTest, TheTableProposesTheOpenCategoryAndAddedSheetsAreKept) {
    const auto write = [&](const std::string& name, const std::string& category) {
        zav::ScoreSheet s = Heat(2, 1);
        s.sSubTitle = "Compétition numéro 2611 - Catégorie(s) : " + category + " - ";
        zav::RecordingMessageSink quiet;
        EXPECT_TRUE(
            zav::SaveSheet(s, temp.File(name), zav::Reporter(zav::Language::English, quiet)));
    };
    const std::vector<std::string> set = {"d1_Minime 1.pscore", "d1_Cadet 1.pscore",
                                          "d1_Open Elite.pscore"};
    for (const std::string& name : set) write(name, name.substr(3, name.size() - 10));
    write("d2_Minime 1.pscore", "Minime 1");
    zavtest::WriteFile(temp.File("d1.mscore"), zav::SetFileBytes(set));
    EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, "EN"));
    OpenFrame(wxString::FromUTF8(temp.File("d1.mscore")));

    const auto listed = [](const EarlierSheets& sheets) {
        std::vector<std::string> names;
        for (unsigned i = 0; i < sheets.list->GetCount(); ++i)
            names.push_back((sheets.list->IsChecked(i) ? "+" : "-") +
                            std::string(sheets.list->GetString(i).utf8_str().data()));
        return names;
    };
    const auto addDayTwo = [&](ChampionshipDialog& d) {
        EXPECT_EQ((std::vector<std::string>{"+d1_Minime 1.pscore", "-d1_Cadet 1.pscore",
                                            "-d1_Open Elite.pscore"}),
                  listed(d.sheets));
        // The file chooser answers as the dialog's next expectation.
        wxCommandEvent click(wxEVT_BUTTON, d.sheets.add->GetId());
        click.SetEventObject(d.sheets.add);
        d.sheets.add->GetEventHandler()->ProcessEvent(click);
        ASSERT_EQ(1u, d.Tables().tables.size());
        EXPECT_EQ("Minime 1", d.Tables().tables[0].category);
        EXPECT_EQ(2u, d.Tables().tables[0].columns.size());
    };
    wxTEST_DIALOG(Run(ID_CHAMPIONSHIP_TABLE),
                  ExpectDialog<ChampionshipDialog>(wxID_CANCEL, addDayTwo),
                  AnswerChooser(temp.File("d2_Minime 1.pscore")));
    const auto offered = [&](PreviousFromSheetsDialog& d) {
        EXPECT_EQ((std::vector<std::string>{"-d1_Cadet 1.pscore", "-d1_Open Elite.pscore",
                                            "-d2_Minime 1.pscore"}),
                  listed(d.sheets));
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_FROM_SHEETS),
                  ExpectDialog<PreviousFromSheetsDialog>(wxID_CANCEL, offered));
}

}  // namespace
