// Pictures of the window and its dialogs, for a person to look at (wording
// cut off, crowded rows) and for the user guide. Not a check: run on
// demand, with ZAV_SCREENSHOTS naming the folder, under
// xvfb-run -a -s "-screen 0 1024x768x24", with the options
// --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'.
#include <cstdlib>
#include <string>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/GameListDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "gui/DialogTesting.h"
#include "gui/RealKeys.h"
#include "gui/SetTesting.h"
#include "sheet/Scoring.h"

namespace {

// The whole virtual screen, or the part `area` of it (a window without its
// title bar).
void Screen(const std::string& name, const wxRect& area = wxRect()) {
    for (int i = 0; i < 5; ++i) {  // painted, whatever the machine's load
        wxTheApp->Yield(true);
        wxMilliSleep(100);
    }
    const std::string file = std::string(std::getenv("ZAV_SCREENSHOTS")) + "/" + name + ".png";
    std::string command = "import -window root";
    if (!area.IsEmpty())
        command += " -crop " + std::to_string(area.width) + "x" + std::to_string(area.height) +
                   "+" + std::to_string(area.x) + "+" + std::to_string(area.y);
    command += " '" + file + "'";
    EXPECT_EQ(0, std::system(command.c_str())) << command;
}

class DialogScreenshots : public DialogFixture {
protected:
    void Picture(wxDialog&& dialog, const std::string& name) {
        dialog.Show();
        Yield(20);
        Screen(name);
    }
};

TEST_F(DialogScreenshots, DISABLED_EveryDialogInFrenchAndGerman) {
    ASSERT_NE(nullptr, std::getenv("ZAV_SCREENSHOTS"));
    zav::ScoreSheet s = Heat(10, 12);
    s.iChallengeScoring = 4;
    s.iEliminationRule = 1;
    for (int t = 0; t < 10; ++t) {
        s.sTeamName[t] = "Poney-club " + std::string(1, char('A' + t)) + " Fontainebleau";
        s.sTeamColors[t] = "bleu et blanc";
        s.iGamePlace[t][0] = t < 3 ? 1 : t + 1;
        s.sPlaceurName[t] = "M. Dupont";
    }
    for (int t : {1, 3, 5, 8}) s.bChallengeTeam[t] = 1;
    s.iGamePlace[4][0] = zav::kElimination;
    s.iGamePlace[5][0] = zav::kAbandon;
    s.iGamePlace[6][0] = zav::kDefinitiveAbandon;
    s.bAvertissement[2][0] = 1;
    s.sGame[0] = "Slalom";
    s.fPreviousScore[0] = 12.5f;
    s.fPreviousScore[1] = 10;
    for (const char* language : {"FR", "GE"}) {
        wxZAVFrame& w = OpenWith(s, language);
        zav::ComputeScores(w.Document().EditSheet());
        const std::string l = language;
        Picture(GameResultDialog(&w, w.Document().EditSheet(), w.Language()), l + "-game-result");
        Picture(TieBreakDialog(&w, w.Document().EditSheet(), w.Language()), l + "-tie-break");
        Picture(GeneralDataDialog(&w, w.Document().EditSheet(), w.Language()), l + "-general-data");
        Picture(GameListDialog(&w, w.Document().EditSheet(), w.Language()), l + "-game-list");
        Picture(
            PreviousScoresDialog(&w, w.Document().EditSheet(), w.Language(), PreviousScores::Heat),
            l + "-previous-heat");
        Picture(PreviousScoresDialog(&w, w.Document().EditSheet(), w.Language(),
                                     PreviousScores::Challenge),
                l + "-previous-challenge");
        Picture(ColumnSupDialog(&w, w.Document().EditSheet(), w.Language()), l + "-column");
        Picture(ARefereeNamesDialog(&w, w.Document().EditSheet(), w.Language()), l + "-referees");
        Picture(PlaceurNamesDialog(&w, w.Document().EditSheet(), w.Language()), l + "-arena-party");
        Picture(DeleteTeamDialog(&w, w.Document().EditSheet(), w.Language()), l + "-withdrawal");
    }
}

// The first steps of a new user, in French and English (the user guide's
// pictures): the welcome page, a game half typed, the sheet after it.
TEST_F(DialogScreenshots, DISABLED_FirstSteps) {
    ASSERT_NE(nullptr, std::getenv("ZAV_SCREENSHOTS"));
    EXPECT_TRUE(EnsureWindowManager());
    zav::ScoreSheet s = Heat(6, 10);
    const char* clubs[] = {"Orsay", "Lyon", "Bordeaux", "Nantes", "Lille", "Rennes"};
    for (int t = 0; t < 6; ++t) s.sTeamName[t] = clubs[t];
    s.sTitle = "Spring cup";
    s.sGame[0] = "Slalom";
    for (const char* language : {"FR", "EN"}) {
        const std::string l = language;
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, language));
        OpenFrame().SetSize(0, 0, 1024, 740);
        Screen(l + "-welcome");
        wxZAVFrame& w = OpenWith(s, language);
        w.SetSize(0, 0, 1024, 740);
        std::vector<KeyStep> steps = Typed("31 2");
        steps.push_back(
            Look([&](wxDialog& d) { Screen(l + "-game-result-typing", d.GetScreenRect()); }));
        for (const KeyStep& key : Typed("654\n")) steps.push_back(key);
        {
            Typist typist(steps);
            Run(ID_GAME_RESULT);
        }
        Screen(l + "-sheet-after-game", w.GetScreenRect());
    }
}

class SetScreenshots : public SetFixture {};

TEST_F(SetScreenshots, DISABLED_SheetChooserOpen) {
    ASSERT_NE(nullptr, std::getenv("ZAV_SCREENSHOTS"));
    EXPECT_TRUE(EnsureWindowManager());
    Teams teams;
    for (const char* category : {"CPM1", "CAB1", "COP1", "CPC1", "CPE1"})
        AddTeams(teams, category, 3);
    const std::string setPath = MakeSet(teams, "777.mscore");
    OpenFrame(wxString::FromUTF8(setPath)).SetSize(0, 0, 1024, 740);
    Screen("EN-set-title");
    frame->Chooser().Control()->Popup();
    Screen("EN-set-chooser-open");
    frame->Chooser().Control()->Dismiss();
}

}  // namespace
