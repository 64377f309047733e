// A whole heat scored as a scorer does it, through the dialogs only: set-up,
// previous scores, twelve games with shared places, eliminations, abandons
// and a blame, a tie-break; then the page in the window must be the page the
// core builds from the sheet file the window saved.
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <set>

#include "dialogs/ColumnSupDialog.h"
#include "dialogs/GameListDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "dialogs/TeamsDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "gui/DialogTesting.h"

namespace {

constexpr int kTeams = 10;
constexpr int kGames = 12;
constexpr int E = zav::kElimination;
constexpr int A = zav::kAbandon;
constexpr int D = zav::kDefinitiveAbandon;

// Finishing orders, one row per game, one column per team. Teams 8 and 9
// swap the last two places so that they end level.
const int kOrders[kGames][kTeams] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},  //
    {2, 1, 4, 3, 6, 5, 8, 7, 10, 9},  //
    {1, 1, 3, 4, 5, 6, 7, 8, 9, 10},  // shared first place
    {3, 3, 3, 1, 2, 6, 7, 8, 10, 9},  // three share third place
    {1, 2, E, 3, 4, 5, 6, 7, 9, 10},  // an elimination
    {2, 1, 3, A, 4, 5, 6, 7, 10, 9},  // an abandon
    {1, 2, 3, 4, D, 5, 6, 7, 9, 10},  // a definitive abandon
    {8, 7, 6, 5, 4, 3, 2, 1, 10, 9},  //
    {1, 2, E, E, A, 3, 4, 5, 9, 10},  // two eliminations and an abandon
    {4, 3, 2, 1, 8, 7, 6, 5, 10, 9},  //
    {5, 6, 7, 8, 1, 2, 3, 4, 9, 10},  //
    {2, 1, 3, 4, 5, 6, 7, 8, 10, 9},  //
};

// The list entry a scorer picks for a result code.
int EntryFor(int code) {
    switch (code) {
        case E: return kTeams;
        case A: return kTeams + 1;
        case D: return kTeams + 2;
        default: return code - 1;
    }
}

class EndToEndScoringTest : public DialogFixture {};

TEST_F(EndToEndScoringTest, WholeHeatThroughTheDialogsGivesTheCorePageOfItsFile) {
    const zav::Settings settings(SettingsFile());
    EXPECT_TRUE(settings.Set(zav::SettingKey::Language, "EN"));
    EXPECT_TRUE(settings.Set(zav::SettingKey::SaveAuto, "1"));
    wxZAVFrame& w = OpenFrame();
    ASSERT_TRUE(w.Document().SaveAutoOn());

    // Set-up: general data, teams with four of them in the 'Challenge', games.
    const auto general = [](GeneralDataDialog& d) {
        d.title->ChangeValue(wxS("Open championship"));
        d.teams->Choose(kTeams - 2);
        d.games->SetSelection(kGames - 4);
        d.elimination->SetSelection(0);
        d.challengeTitle->ChangeValue(wxS("Club challenge"));
        d.challengePoints->SetSelection(4);
        return PressOk(d);
    };
    const auto teams = [](TeamsDialog& d) {
        for (int t = 0; t < kTeams; ++t) {
            d.names[t]->ChangeValue(wxString::Format("Club %c", 'A' + t));
            d.colors[t]->ChangeValue(wxString::Format("colours %d", t + 1));
        }
        for (int t : {1, 3, 5, 8}) d.challenge[t]->SetValue(true);
        return PressOk(d);
    };
    const auto games = [](GameListDialog& d) {
        for (int g = 0; g < kGames; ++g) d.games[g]->SetSelection(g + 3);
        return PressOk(d);
    };
    // A new sheet leads on from its general data to its teams and games.
    wxTEST_DIALOG(Run(ID_NEW_SHEET), Play<GeneralDataDialog>(general), Play<TeamsDialog>(teams),
                  Play<GameListDialog>(games));
    ASSERT_EQ(kTeams, w.Document().Sheet().iTeamsNr);
    ASSERT_EQ(kGames, w.Document().Sheet().iGamesNr);

    const std::string path = temp.File("championship.score");
    wxTEST_DIALOG(Run(ID_SAVE_AS_SHEET), AnswerChooser(wxString::FromUTF8(path)));
    ASSERT_EQ(SheetState::Unchanged, w.Document().State());

    // Points brought from earlier heats, for the heat and for the 'Challenge'.
    const auto previous = [](PreviousScoresDialog& d) {
        d.fields[0]->ChangeValue(wxS("12.5"));
        d.fields[9]->ChangeValue(wxS("30"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>(previous));
    const auto previousChallenge = [](PreviousScoresDialog& d) {
        EXPECT_EQ(4u, d.fields.size());
        d.fields[1]->ChangeValue(wxS("4"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), Play<PreviousScoresDialog>(previousChallenge));

    // The twelve games, each proposed in turn.
    for (int g = 0; g < kGames; ++g) {
        const auto result = [g](GameResultDialog& d) {
            EXPECT_EQ(std::to_string(g + 1), Shown(d.game));
            for (int t = 0; t < kTeams; ++t) d.results[t]->SetSelection(EntryFor(kOrders[g][t]));
            if (g == 7) d.blames[0]->SetValue(true);
            return PressOk(d);
        };
        wxTEST_DIALOG(Run(ID_GAME_RESULT), Play<GameResultDialog>(result));
    }
    EXPECT_EQ(kGames, w.Document().Sheet().iGamesRunning);

    // The points the dialogs' codes must have given.
    EXPECT_FLOAT_EQ(9.5f, w.Document().Sheet().fGameScore[0][2]);  // shared first place
    EXPECT_FLOAT_EQ(7.f, w.Document().Sheet().fGameScore[0][3]);   // (8 + 7 + 6) / 3
    EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fGameScore[2][4]);   // eliminated
    EXPECT_FLOAT_EQ(1.f, w.Document().Sheet().fGameScore[3][5]);   // abandon: last place
    EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fGameScore[4][6]);   // definitive abandon
    EXPECT_FLOAT_EQ(3.f, w.Document().Sheet().fGameScore[4][8]);   // abandon after two eliminations

    // Teams 8 and 9 are level: the tie-break puts team 9 first.
    ASSERT_EQ(w.Document().Sheet().iSetPlace[8], w.Document().Sheet().iSetPlace[9]);
    const int level = w.Document().Sheet().iSetPlace[8];
    const auto tieBreak = [level](TieBreakDialog& d) {
        EXPECT_TRUE(d.positions[8]->IsEnabled());
        d.positions[8]->SetSelection(1);
        d.positions[9]->SetSelection(0);
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_TIE_BREAK), Play<TieBreakDialog>(tieBreak));
    EXPECT_EQ(level + 1, w.Document().Sheet().iTieBreakPlace[8]);
    EXPECT_EQ(level, w.Document().Sheet().iTieBreakPlace[9]);

    const auto column = [](ColumnSupDialog& d) {
        d.title->ChangeValue(wxS("Remarks"));
        d.contents[4]->ChangeValue(wxS("pony lame in game 7"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_COLUMN_SUP), Play<ColumnSupDialog>(column));
    EXPECT_EQ(SheetState::Changed, w.Document().State());

    // The file the automatic save wrote, read back by the core, gives the
    // very page the window shows.
    zav::ScoreSheet fromFile;
    zav::RecordingMessageSink messages;
    ASSERT_TRUE(zav::LoadSheet(fromFile, path, zav::Reporter(zav::Language::English, messages)));
    EXPECT_EQ(1, fromFile.bAvertissement[0][7]);
    const std::string corePage =
        zav::PrepareHtml(fromFile, w.Choices().ViewOf(fromFile), zav::OutputTarget::WindowOrPrinter,
                         true, zav::Language::English, zav::ReadPageStyle(settings));
    EXPECT_EQ(corePage, w.View().Page());
    const std::string shown = ShownText();
    for (const char* expected : {"Club J", "Remarks", "pony lame in game 7", "Club challenge"})
        EXPECT_NE(std::string::npos, shown.find(expected)) << expected;
}

}  // namespace
