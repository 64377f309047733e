// The General data, Teams and colours and Game list dialogs through their
// commands.
#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <vector>

#include "dialogs/GameListDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/ListChoice.h"
#include "dialogs/TeamsDialog.h"
#include "gui/FrameFixture.h"
#include "settings/Settings.h"
#include "sheet/GameCatalogue.h"

namespace {

using SetupDialogsTest = EnglishFrameFixture;

// A new sheet proposes 4 teams, 8 games, 4 points, the morning; a new teams
// number resets the points scale at once, and stays, with the texts typed
// before it, even after Cancel.
TEST_F(SetupDialogsTest, NewTeamsNumberResetsThePointsScaleAtOnce) {
    OpenFrame();
    const auto proposed = [](GeneralDataDialog& d) {
        EXPECT_EQ(
            (std::vector<wxString>{d.teams->GetStringSelection(), d.games->GetStringSelection(),
                                   d.points->GetStringSelection(), d.time->GetStringSelection()}),
            (std::vector<wxString>{"4", "8", "4", "AM"}));
        d.teams->Choose(4);  // 6 teams
        EXPECT_EQ(d.points->GetStringSelection(), wxS("6"));
        d.points->SetSelection(1);  // French rule
    };
    wxTEST_DIALOG(Run(ID_NEW_SHEET), ExpectDialog<GeneralDataDialog>(wxID_OK, proposed),
                  ExpectDialog<TeamsDialog>(wxID_CANCEL, nullptr));
    const zav::ScoreSheet& s = frame->Document().Sheet();
    EXPECT_EQ(s.iTeamsNr, 6);
    EXPECT_EQ(s.iScoring, 7);

    const auto typedThenCancelled = [](GeneralDataDialog& d) {
        d.title->SetValue(wxS("Final"));
        d.teams->Choose(1);  // 3 teams
        d.games->SetSelection(0);
    };
    wxTEST_DIALOG(Run(ID_GENERAL_DATA),
                  ExpectDialog<GeneralDataDialog>(wxID_CANCEL, typedThenCancelled));
    EXPECT_EQ(s.iTeamsNr, 3);
    EXPECT_EQ(s.iScoring, 3);
    EXPECT_EQ(s.sTitle, "Final");
    EXPECT_EQ(s.iGamesNr, 8);
}

// Flags stored earlier that exceed the 'Challenge''s teams are warned of,
// even after Cancel. Its points set to zero clear the 'Challenge': its
// commands leave, and the teams dialog has no 'Challenge' column.
TEST_F(SetupDialogsTest, ChallengeTeamsAreWarnedOfAndZeroPointsClearTheChallenge) {
    wxZAVFrame& window = OpenFrame(wxString::FromUTF8(CopyExample("nations-cup-semi-final.score")));
    window.Document().EditSheet().iChallengeScoring = 2;
    wxString warning;
    wxTEST_DIALOG(Run(ID_TEAMS_DATA),
                  ExpectDialog<TeamsDialog>(wxID_CANCEL,
                                            [](auto& d) {
                                                for (wxCheckBox* box : d.challenge)
                                                    box->SetValue(true);
                                            }),
                  ExpectMessage(wxID_OK, &warning));
    EXPECT_EQ(warning, Tx(zav::Language::English, zav::TextId::ChallengeIncoherent));
    EXPECT_EQ(window.Document().State(), SheetState::Unchanged);

    wxTEST_DIALOG(Run(ID_GENERAL_DATA),
                  ExpectDialog<GeneralDataDialog>(
                      wxID_OK, [](GeneralDataDialog& d) { d.challengePoints->SetSelection(0); }));
    EXPECT_FALSE(window.GetMenuBar()->IsEnabled(ID_VIEW_CHALL));
    EXPECT_FALSE(window.GetMenuBar()->IsEnabled(ID_PREVIOUS_CHALL));
    EXPECT_EQ(window.Document().Sheet().sChallengeTitle, "");
    wxTEST_DIALOG(Run(ID_TEAMS_DATA), ExpectDialog<TeamsDialog>(wxID_CANCEL, [](TeamsDialog& d) {
                      EXPECT_TRUE(d.challenge.empty());
                  }));
}

// German game names are shown without their break points, and stored with
// them.
TEST_F(SetupDialogsTest, GermanGameNamesAreShownWithoutBreakPointsAndStoredWith) {
    EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, "GE"));
    wxZAVFrame& window = OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
    const std::string balloon = zav::Text(zav::Language::German, zav::TextId::GameBangABalloon);
    ASSERT_NE(balloon.find("- "), std::string::npos);
    const wxString shown = FromCore(zav::RetireCesure(balloon));
    wxTEST_DIALOG(Run(ID_GAMES_LIST), ExpectDialog<GameListDialog>(wxID_OK, [&](GameListDialog& d) {
                      ASSERT_EQ(d.games.size(),
                                static_cast<size_t>(window.Document().Sheet().iGamesNr));
                      d.games[1]->SetStringSelection(shown);
                  }));
    EXPECT_EQ(window.Document().Sheet().sGame[1], balloon);
    wxTEST_DIALOG(Run(ID_GAMES_LIST),
                  ExpectDialog<GameListDialog>(wxID_CANCEL, [&](GameListDialog& d) {
                      EXPECT_EQ(d.games[1]->GetStringSelection(), shown);
                  }));
    wxTEST_DIALOG(Run(ID_GAME_RESULT),
                  ExpectDialog<GameResultDialog>(wxID_CANCEL, [&](GameResultDialog& d) {
                      d.game->Choose(1);
                      EXPECT_EQ(d.gameName->GetLabel(), shown);
                  }));
}

}  // namespace
