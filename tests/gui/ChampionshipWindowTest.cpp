// Previous scores taken from an earlier sheet through the window: the
// proposed matches, a correction, OK as one undo step, Cancel.
#include <wx/choice.h>

#include "dialogs/PreviousFromSheetsDialog.h"
#include "gui/DialogTesting.h"

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

}  // namespace
