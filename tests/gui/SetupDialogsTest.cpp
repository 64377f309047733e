// The General data, Teams and colours and Game list dialogs through their
// commands.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <vector>

#include "dialogs/GameListDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/ListChoice.h"
#include "dialogs/TeamsDialog.h"
#include "gui/FrameFixture.h"
#include "settings/Settings.h"
#include "sheet/GameCatalogue.h"

namespace {

class SetupDialogsTest : public FrameFixture {
protected:
    wxZAVFrame& OpenExample(const std::string& name, const char* language = "EN") {
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, language));
        return OpenFrame(wxString::FromUTF8(CopyExample(name)));
    }

    static void ChooseTeams(GeneralDataDialog& d, int teams) { d.teams->Choose(teams - 2); }
};

TEST_F(SetupDialogsTest, NewTeamsNumberResetsThePointsScaleAtOnce) {
    EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, "EN"));
    OpenFrame();
    wxTEST_DIALOG(
        Run(ID_NEW_SHEET),
        ExpectDialog<GeneralDataDialog>(wxID_OK,
                                        [](GeneralDataDialog& d) {
                                            EXPECT_EQ(d.teams->GetStringSelection(), wxS("4"));
                                            EXPECT_EQ(d.games->GetStringSelection(), wxS("8"));
                                            EXPECT_EQ(d.points->GetStringSelection(), wxS("4"));
                                            EXPECT_EQ(d.time->GetStringSelection(), wxS("AM"));
                                            ChooseTeams(d, 6);
                                            EXPECT_EQ(d.points->GetStringSelection(), wxS("6"));
                                            d.points->SetSelection(1);  // French rule
                                        }),
        ExpectDialog<TeamsDialog>(wxID_CANCEL, nullptr));
    EXPECT_EQ(frame->Document().Sheet().iTeamsNr, 6);
    EXPECT_EQ(frame->Document().Sheet().iScoring, 7);

    // The teams number and the texts typed before it stay after Cancel.
    wxTEST_DIALOG(Run(ID_GENERAL_DATA),
                  ExpectDialog<GeneralDataDialog>(wxID_CANCEL, [](GeneralDataDialog& d) {
                      d.title->SetValue(wxS("Final"));
                      ChooseTeams(d, 3);
                      d.games->SetSelection(0);
                  }));
    EXPECT_EQ(frame->Document().Sheet().iTeamsNr, 3);
    EXPECT_EQ(frame->Document().Sheet().iScoring, 3);
    EXPECT_EQ(frame->Document().Sheet().sTitle, "Final");
    EXPECT_EQ(frame->Document().Sheet().iGamesNr, 8);
}

// The buttons of a window and of its children, in creation order.
void CollectButtons(wxWindow* window, std::vector<wxButton*>& buttons) {
    for (wxWindow* child : window->GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child)) buttons.push_back(button);
        CollectButtons(child, buttons);
    }
}

TEST_F(SetupDialogsTest, QuestionMarksExplainPointsAndEliminationRules) {
    OpenExample("heat-4-teams.score");
    std::vector<wxString> shown;
    wxTEST_DIALOG(Run(ID_GENERAL_DATA),
                  ExpectDialog<GeneralDataDialog>(wxID_CANCEL, [&](GeneralDataDialog& d) {
                      std::vector<wxButton*> buttons;
                      CollectButtons(&d, buttons);
                      for (wxButton* button : buttons) {
                          if (button->GetLabel() != wxS("?")) continue;
                          wxString text;
                          wxCommandEvent click(wxEVT_BUTTON, button->GetId());
                          click.SetEventObject(button);
                          wxTEST_DIALOG(button->ProcessWindowEvent(click),
                                        EXPECT_MESSAGE(wxID_OK, &text));
                          shown.push_back(text);
                      }
                  }));
    EXPECT_EQ(shown,
              (std::vector<wxString>{Tx(zav::Language::English, zav::TextId::PointsHelp),
                                     Tx(zav::Language::English, zav::TextId::EliminationHelp)}));
}

TEST_F(SetupDialogsTest, ChallengePointsSetToZeroClearTheChallenge) {
    wxZAVFrame& window = OpenExample("nations-cup-semi-final.score");
    ASSERT_TRUE(window.GetMenuBar()->IsEnabled(ID_VIEW_CHALL));
    Run(ID_VIEW_CHALL);
    ASSERT_EQ(ShownText().find("Great Britain"), std::string::npos);
    wxTEST_DIALOG(Run(ID_GENERAL_DATA),
                  ExpectDialog<GeneralDataDialog>(
                      wxID_OK, [](GeneralDataDialog& d) { d.challengePoints->SetSelection(0); }));
    EXPECT_TRUE(window.Document().Sheet().sChallengeTitle.empty());  // cleared by the core's rule
    EXPECT_FALSE(window.GetMenuBar()->IsEnabled(ID_VIEW_CHALL));
    EXPECT_FALSE(window.GetMenuBar()->IsEnabled(ID_PREVIOUS_CHALL));
    EXPECT_EQ(window.Document().State(), SheetState::Changed);
    EXPECT_EQ(ShownText().find("Young riders Challenge"), std::string::npos);
    // The 'Challenge' shown alone before, the competition rows come back,
    // with the marks of a sheet just opened.
    EXPECT_NE(ShownText().find("Great Britain"), std::string::npos);
    EXPECT_TRUE(window.GetMenuBar()->IsChecked(ID_VIEW_BOTH));
    EXPECT_FALSE(window.GetMenuBar()->IsChecked(ID_VIEW_CHALL));
}

TEST_F(SetupDialogsTest, TeamsDialogShowsTheHeatsTeamsAndWarnsOfTooManyChallengers) {
    wxZAVFrame& window = OpenExample("nations-cup-semi-final.score");
    window.Document().EditSheet().iChallengeScoring = 2;
    wxString warning;
    wxTEST_DIALOG(Run(ID_TEAMS_DATA),
                  ExpectDialog<TeamsDialog>(wxID_CANCEL,
                                            [&](TeamsDialog& d) {
                                                EXPECT_EQ(d.names.size(), 10u);
                                                EXPECT_EQ(d.challenge.size(), 10u);
                                                for (wxCheckBox* box : d.challenge)
                                                    box->SetValue(true);
                                            }),
                  EXPECT_MESSAGE(wxID_OK, &warning));
    // Flags stored earlier already exceed two teams: warned even after Cancel.
    EXPECT_EQ(warning, Tx(zav::Language::English, zav::TextId::ChallengeIncoherent));
    EXPECT_EQ(window.Document().State(), SheetState::Unchanged);

    // Without a 'Challenge' (its flags cleared as General data clears them).
    window.Document().EditSheet().iChallengeScoring = 0;
    for (bool& flag : window.Document().EditSheet().bChallengeTeam) flag = false;
    window.Document().EditSheet().iTeamsNr = 3;
    wxTEST_DIALOG(Run(ID_TEAMS_DATA), ExpectDialog<TeamsDialog>(wxID_OK, [](TeamsDialog& d) {
                      EXPECT_EQ(d.names.size(), 3u);
                      EXPECT_TRUE(d.challenge.empty());
                      d.colors[2]->SetValue(wxS("green"));
                  }));
    EXPECT_EQ(window.Document().Sheet().sTeamColors[2], "green");
    EXPECT_EQ(window.Document().State(), SheetState::Changed);
}

TEST_F(SetupDialogsTest, GermanGameListShowsNamesWithoutBreakPointsAndStoresThemWith) {
    wxZAVFrame& window = OpenExample("heat-4-teams.score", "GE");
    const std::string balloon = zav::Text(zav::Language::German, zav::TextId::GameBangABalloon);
    ASSERT_NE(balloon.find("- "), std::string::npos);
    const wxString shown = FromCore(zav::RetireCesure(balloon));
    // The English games of the file were translated when it was read.
    const wxString firstShown = FromCore(zav::RetireCesure(window.Document().Sheet().sGame[0]));
    wxTEST_DIALOG(Run(ID_GAMES_LIST), ExpectDialog<GameListDialog>(wxID_OK, [&](GameListDialog& d) {
                      ASSERT_EQ(d.games.size(),
                                static_cast<size_t>(window.Document().Sheet().iGamesNr));
                      EXPECT_EQ(d.games[0]->GetStringSelection(), firstShown);
                      EXPECT_NE(d.games[1]->FindString(shown), wxNOT_FOUND);
                      d.games[1]->SetStringSelection(shown);
                  }));
    EXPECT_EQ(window.Document().Sheet().sGame[1], balloon);
    wxTEST_DIALOG(Run(ID_GAMES_LIST),
                  ExpectDialog<GameListDialog>(wxID_CANCEL, [&](GameListDialog& d) {
                      EXPECT_EQ(d.games[1]->GetStringSelection(), shown);
                  }));
}

}  // namespace
