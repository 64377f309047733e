// The Input menu's dialogs through their commands (general data, game
// result, tie-break, previous scores, add-on column, referee names,
// withdrawal): what each shows, and what OK, Cancel and its buttons do with
// the sheet.
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/GameHistoryDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "dialogs/TeamsDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "gui/DialogTesting.h"
#include "support/TestFiles.h"

namespace {

using Texts = std::vector<std::string>;

template <class Control>
Texts Values(const std::vector<Control*>& controls) {
    Texts values;
    for (const Control* c : controls) values.push_back(c->GetValue().utf8_str().data());
    return values;
}

template <class Control>
void Type(const std::vector<Control*>& controls, size_t row, const char* text) {
    controls[row]->ChangeValue(wxString::FromUTF8(text));
}

// What a user may do before leaving a dialog: every list shows another
// entry, every field gets one more character, every box flips, each told to
// the dialog as the control tells it.
void ChangeEveryControl(wxWindow& parent) {
    for (wxWindow* child : parent.GetChildren()) {
        wxCommandEvent changed;
        if (auto* list = wxDynamicCast(child, ListChoice)) {
            if (list->GetCount() > 0) list->Choose((list->GetSelection() + 1) % list->GetCount());
            continue;
        }
        if (auto* text = wxDynamicCast(child, wxTextCtrl)) {
            text->SetValue(text->GetValue() + "7");
        } else if (auto* box = wxDynamicCast(child, wxCheckBox)) {
            box->SetValue(!box->GetValue());
            changed.SetEventType(wxEVT_CHECKBOX);
        } else if (auto* entries = wxDynamicCast(child, wxListBox)) {
            entries->SetSelection((entries->GetSelection() + 1) % entries->GetCount());
            changed.SetEventType(wxEVT_LISTBOX);
        }
        if (changed.GetEventType() != wxEVT_NULL) {
            changed.SetId(child->GetId());
            changed.SetEventObject(child);
            child->GetEventHandler()->ProcessEvent(changed);
        }
        ChangeEveryControl(*child);
    }
}

using EntryDialogsTest = DialogFixture;

// Whatever was changed in a dialog, Cancel leaves the sheet exactly as it
// was (a new teams number had already reset its points scale), and the
// options' dialogs the settings; OK in the withdrawal with no team chosen
// changes nothing either.
TEST_F(EntryDialogsTest, CancelLeavesTheSheetAsItWas) {
    zav::ScoreSheet s = Heat(5, 4);
    s.iChallengeScoring = 3;
    s.bChallengeTeam[0] = s.bChallengeTeam[2] = true;
    OpenWith(s);
    const auto sheetBytes = [this] {
        return zav::SheetFileBytes(frame->Document().Sheet(), zav::Language::English);
    };
    const std::string before = sheetBytes();
    const std::string settings = zavtest::ReadFile(SettingsFile());
    for (const int command :
         {ID_GENERAL_DATA, ID_TEAMS_DATA, ID_GAMES_LIST, ID_PREVIOUS_HEAT, ID_PREVIOUS_CHALL,
          ID_A_REFEREE_NAMES, ID_PLACEUR_NAMES, ID_GAME_RESULT, ID_TIE_BREAK, ID_COLUMN_SUP,
          ID_DELETE_ONE_TEAM, ID_PRESENTATION, ID_OPTIONS, ID_LANGUAGE, ID_PUBLISH_RESULTS}) {
        wxTEST_DIALOG(Run(command), ExpectDialog<wxDialog>(
                                        wxID_CANCEL, [](wxDialog& d) { ChangeEveryControl(d); }));
        EXPECT_EQ(sheetBytes(), before) << command;
        ExpectNothingApplied();
    }
    EXPECT_EQ(zavtest::ReadFile(SettingsFile()), settings);
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), ExpectDialog<wxDialog>(wxID_OK, nullptr));
    ExpectNothingApplied();
}

// Stored scores shown; a text that is no number is 0. Previous 'Challenge'
// scores are refused without a 'Challenge' and list only its teams.
TEST_F(EntryDialogsTest, PreviousScoresShowTheirValuesAndOkStoresWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.fPreviousScore[1] = 7.5f;
    s.fPreviousScore[3] = 12.5f;
    wxZAVFrame& w = OpenWith(s);
    const zav::ScoreSheet& now = w.Document().Sheet();
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), ExpectDialog<PreviousScoresDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(Values(d.fields)[1], "7.5");
                      Type(d.fields, 2, "3.5");
                      Type(d.fields, 3, "not a number");
                  }));
    EXPECT_EQ(
        (std::vector<float>{now.fPreviousScore[1], now.fPreviousScore[2], now.fPreviousScore[3]}),
        (std::vector<float>{7.5f, 3.5f, 0}));
    ExpectChangeApplied();

    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), ExpectMessage(wxID_OK));
    zav::ScoreSheet& edited = w.Document().EditSheet();
    edited.iChallengeScoring = 3;
    edited.bChallengeTeam[1] = edited.bChallengeTeam[3] = true;
    edited.fChallengePreviousScore[1] = 5;
    edited.fChallengePreviousScore[0] = 9;  // not in the 'Challenge': left alone
    std::remove(SheetPath().c_str());       // written again by the change
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), ExpectDialog<PreviousScoresDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.rowTeams, (std::vector<int>{1, 3}));
                      EXPECT_EQ(Values(d.fields), (Texts{"  5", "0"}));
                      Type(d.fields, 1, "1.5");
                  }));
    EXPECT_EQ((std::vector<float>{now.fChallengePreviousScore[0], now.fChallengePreviousScore[1],
                                  now.fChallengePreviousScore[3]}),
              (std::vector<float>{9, 5, 1.5f}));
    ExpectChangeApplied();
}

// At least six assistant referee rows, each proposing its team unless
// another was stored; typed texts are stored as typed.
TEST_F(EntryDialogsTest, RefereeNamesShowAndStoreWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.sARefereeTeam[1] = "Visitors";
    s.sARefereeName[1] = "P. Durand";
    wxZAVFrame& w = OpenWith(s);
    const zav::ScoreSheet& now = w.Document().Sheet();
    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), ExpectDialog<ARefereeNamesDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(Values(d.teams), (Texts{"Team A", "Visitors", "Team C", "Team D",
                                                        "Team A", "Team A"}));
                      EXPECT_EQ(Values(d.names), (Texts{"", "P. Durand", "", "", "", ""}));
                      Type(d.teams, 2, "Club du Lac");
                      Type(d.names, 2, "A. Roux, B. Petit");
                  }));
    EXPECT_EQ((Texts{now.sARefereeTeam[2], now.sARefereeName[2], now.sARefereeTeam[3]}),
              (Texts{"Club du Lac", "A. Roux, B. Petit", "Team D"}));
    ExpectChangeApplied();
}

// The chosen team leaves the page, without an automatic save; a withdrawal
// is refused once a result is entered.
TEST_F(EntryDialogsTest, WithdrawalOfTheChosenTeamIsNotSavedAutomatically) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), ExpectDialog<DeleteTeamDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.teamList->GetSelection(), wxNOT_FOUND);
                      d.teamList->SetSelection(1);
                  }));
    EXPECT_EQ(w.Document().Sheet().iTeamsNr, 4);
    EXPECT_EQ(w.Document().State(), SheetState::Changed);
    EXPECT_EQ(ShownText().find("Team B"), std::string::npos);
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(SheetPath())));

    w.Document().EditSheet().iGamePlace[3][3] = zav::kAbandon;
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), ExpectMessage(wxID_OK));
    EXPECT_EQ(w.Document().Sheet().iTeamsNr, 4);
}

// The game proposed is the next one; choosing an earlier game shows its
// results; OK stores the places, outcomes and blames of the game shown only,
// and the proposal stays where it was.
TEST_F(EntryDialogsTest, AnEarlierGameIsShownCorrectedAndTheProposalKept) {
    zav::ScoreSheet s = Heat(4, 4);
    s.iGamesRunning = 2;
    const int before[] = {3, 1, zav::kAbandon, zav::kElimination};
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = s.iGamePlace[t][1] = before[t];
    s.bAvertissement[1][0] = 1;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_GAME_RESULT), ExpectDialog<GameResultDialog>(wxID_OK, [](auto& d) {
                      EXPECT_EQ(d.game->GetStringSelection(), wxS("3"));
                      d.game->Choose(0);
                      EXPECT_EQ(d.gameName->GetLabel(), wxS("Game 1"));
                      EXPECT_EQ(ShownIn(d.results), (Texts{"3", "1", "Abandon (lowest points)",
                                                           "Elimination (0 point)"}));
                      EXPECT_TRUE(d.blames[1]->GetValue());
                      d.results[0]->SetSelection(1);
                      d.results[1]->SetSelection(6);  // definitive abandon
                      d.results[2]->SetSelection(0);
                      d.results[3]->SetSelection(2);
                      d.blames[1]->SetValue(false);
                      d.blames[3]->SetValue(true);
                  }));
    const zav::ScoreSheet& now = w.Document().Sheet();
    const int stored[] = {2, zav::kDefinitiveAbandon, 1, 3};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(now.iGamePlace[t][0], stored[t]) << t;
        EXPECT_EQ(now.iGamePlace[t][1], before[t]) << t;
        EXPECT_EQ(now.bAvertissement[t][0], t == 3) << t;
    }
    EXPECT_EQ(now.iGamesRunning, 2);
    ExpectChangeApplied();
}

// A heat made official (asked first, an undoable step) says so in the
// title; a result typed then asks whether to make it provisional again,
// opening on No: No takes the result back, Yes keeps it and the heat is
// provisional. The game's history tells both changes.
TEST_F(EntryDialogsTest, AChangeToAnOfficialHeatAsksFirstAndMakesItProvisional) {
    wxZAVFrame& w = OpenWith(Heat(3, 2));
    const zav::ScoreSheet& now = w.Document().Sheet();
    wxTEST_DIALOG(Run(ID_MAKE_OFFICIAL), ExpectMessage(wxID_YES));
    ASSERT_TRUE(now.bOfficial);
    EXPECT_TRUE(w.GetTitle().StartsWith(wxS("*ZAV score - heat.score - Official 2")))
        << w.GetTitle();
    const auto typeResult = [&](int answer) {
        wxString question;
        bool opensOnNo = false;
        wxTEST_DIALOG(Run(ID_GAME_RESULT),
                      ExpectDialog<GameResultDialog>(wxID_OK,
                                                     [](auto& d) {
                                                         for (int t = 0; t < 3; ++t)
                                                             d.results[t]->SetSelection(t);
                                                     }),
                      ExpectMessage(answer, &question, nullptr, &opensOnNo));
        EXPECT_TRUE(question.StartsWith(wxS("This heat has been official since 2"))) << question;
        EXPECT_TRUE(opensOnNo);
    };
    typeResult(wxID_NO);
    EXPECT_EQ(now.iGamePlace[0][0], zav::kNoResult);
    EXPECT_TRUE(now.bOfficial);
    EXPECT_EQ(w.Document().UndoStep(), "heat made official");
    EXPECT_EQ(zavtest::ReadSheet(SheetPath()).iGamePlace[0][0], zav::kNoResult);

    typeResult(wxID_YES);
    EXPECT_EQ(now.iGamePlace[2][0], 3);
    EXPECT_FALSE(now.bOfficial);
    EXPECT_TRUE(w.GetTitle().EndsWith(wxS(" - Provisional"))) << w.GetTitle();
    ExpectChangeApplied();
    wxTEST_DIALOG(Run(ID_GAME_HISTORY), ExpectDialog<GameHistoryDialog>(wxID_CANCEL, [](auto& d) {
                      wxArrayString lines = wxSplit(d.history->GetValue(), '\n');
                      lines.erase(std::remove(lines.begin(), lines.end(), wxString()), lines.end());
                      ASSERT_EQ(lines.size(), 3u) << d.history->GetValue();
                      EXPECT_TRUE(lines[0].EndsWith(wxS("heat made official; by ") +
                                                    wxString::FromUTF8(DesktopScorer())));
                      EXPECT_TRUE(
                          lines[1].Contains(wxS("Team A 1, Team B 2, Team C 3 (before: no "
                                                "result); typed in the window by ")));
                      EXPECT_TRUE(lines[2].EndsWith(wxS("heat provisional again; by ") +
                                                    wxString::FromUTF8(DesktopScorer())));
                  }));
}

// OK with teams left without a result asks first (No keeps the dialog
// open); "Clear" empties the game once the user agrees.
TEST_F(EntryDialogsTest, MissingResultsAreAskedAndClearEmptiesTheGame) {
    zav::ScoreSheet s = Heat(4, 6);
    s.iGamePlace[2][0] = zav::kElimination;
    s.bAvertissement[2][0] = 1;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(Run(ID_GAME_RESULT),
                  ExpectDialog<GameResultDialog>(wxID_OK,
                                                 [](auto& d) {
                                                     d.results[0]->SetSelection(1);
                                                     EXPECT_FALSE(d.Validate());
                                                 }),
                  ExpectMessage(wxID_NO), ExpectMessage(wxID_YES));
    EXPECT_EQ(w.Document().Sheet().iGamePlace[0][0], 2);
    EXPECT_EQ(w.Document().Sheet().iGamePlace[1][0], zav::kNoResult);

    wxTEST_DIALOG(Run(ID_GAME_RESULT),
                  ExpectDialog<GameResultDialog>(wxID_OK,
                                                 [](auto& d) {
                                                     d.game->Choose(0);
                                                     EXPECT_TRUE(d.ConfirmClear());
                                                 }),
                  ExpectMessage(wxID_YES));
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(w.Document().Sheet().iGamePlace[t][0], zav::kNoResult) << t;
        EXPECT_FALSE(w.Document().Sheet().bAvertissement[t][0]) << t;
    }
    ExpectChangeApplied();
    // The cleared points went with the results: the window shows the page of
    // the sheet saved and read again.
    zav::ScoreSheet reread = zavtest::ReadSheet(SheetPath());
    EXPECT_EQ(
        zav::PrepareHtml(reread, w.Choices().ViewOf(reread), zav::OutputTarget::WindowOrPrinter,
                         true, w.Language(), zav::ReadPageStyle(w.AppSettings())),
        w.View().Page());
}

// A sheet opened again proposes its first game some team has no result in;
// the tie-break, its own key and the toolbar button beside Game result's.
TEST_F(EntryDialogsTest, AnOpenedSheetProposesItsFirstIncompleteGameAndTheTieBreakHasAKey) {
    zav::ScoreSheet s = Heat(3, 4);
    for (int t = 0; t < 3; ++t)
        s.iGamePlace[t][0] = s.iGamePlace[t][1] = s.iGamePlace[t][3] = t + 1;
    s.iGamePlace[1][2] = zav::kAbandon;
    zav::RecordingMessageSink messages;
    ASSERT_TRUE(zav::SaveSheet(s, SheetPath(), zav::Reporter(zav::Language::English, messages)));
    wxZAVFrame& w = OpenFrame(wxString::FromUTF8(SheetPath()));
    wxTEST_DIALOG(Run(ID_GAME_RESULT), ExpectDialog<GameResultDialog>(wxID_CANCEL, [](auto& d) {
                      EXPECT_EQ(d.game->GetStringSelection(), wxS("3"));
                  }));
    const std::unique_ptr<wxAcceleratorEntry> key(
        w.GetMenuBar()->FindItem(ID_TIE_BREAK)->GetAccel());
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ToRawString(), wxS("Ctrl+T"));
    EXPECT_EQ(w.GetToolBar()->GetToolPos(ID_TIE_BREAK),
              w.GetToolBar()->GetToolPos(ID_GAME_RESULT) + 1);
}

// Heat positions 1, 2, 2, 4: only the level teams choose, between their
// positions; OK stores every position.
TEST_F(EntryDialogsTest, TieBreakOffersOnlyTheLevelTeamsTheirPositions) {
    zav::ScoreSheet s = Heat(4, 4);
    const int places[] = {1, 2, 2, 4};
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = places[t];
    s.iGamesRunning = 4;
    s.iTieBreakPlace[2] = 3;
    wxZAVFrame& w = OpenWith(s);
    wxTEST_DIALOG(
        Run(ID_TIE_BREAK), ExpectDialog<TieBreakDialog>(wxID_OK, [](auto& d) {
            std::vector<bool> enabled;
            std::vector<wxString> entries;
            for (ListChoice* list : d.positions) {
                enabled.push_back(list->IsEnabled());
                entries.push_back(wxJoin(list->GetStrings(), '|'));
            }
            EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, false}));
            EXPECT_EQ(entries, (std::vector<wxString>{"1|2|3|4", "2|3", "2|3", "1|2|3|4"}));
            d.positions[1]->SetSelection(1);
            d.positions[2]->SetSelection(0);
        }));
    const int expected[] = {1, 3, 2, 4};
    for (int t = 0; t < 4; ++t) EXPECT_EQ(w.Document().Sheet().iTieBreakPlace[t], expected[t]);
    EXPECT_EQ(w.Document().Sheet().iGamesRunning, 5);
    ExpectChangeApplied();
}

// A new teams number resets the points scale at once.
TEST_F(EntryDialogsTest, NewTeamsNumberResetsThePointsScaleAtOnce) {
    OpenFrame();
    const auto sixTeamsFrenchRule = [](GeneralDataDialog& d) {
        d.teams->Choose(4);  // 6 teams
        EXPECT_EQ(d.points->GetStringSelection(), wxS("6"));
        d.points->SetSelection(1);  // French rule
    };
    wxTEST_DIALOG(Run(ID_NEW_SHEET), ExpectDialog<GeneralDataDialog>(wxID_OK, sixTeamsFrenchRule),
                  ExpectDialog<TeamsDialog>(wxID_CANCEL, nullptr));
    const zav::ScoreSheet& s = frame->Document().Sheet();
    EXPECT_EQ(s.iTeamsNr, 6);
    EXPECT_EQ(s.iScoring, 7);
}

// More 'Challenge' teams than its points are warned of; zero points clear
// the 'Challenge' and take its commands away.
TEST_F(EntryDialogsTest, ChallengeTeamsAreWarnedOfAndZeroPointsClearTheChallenge) {
    wxZAVFrame& window = OpenFrame(wxString::FromUTF8(CopyExample("nations-cup-semi-final.score")));
    window.Document().EditSheet().iChallengeScoring = 2;
    wxTEST_DIALOG(Run(ID_TEAMS_DATA),
                  ExpectDialog<TeamsDialog>(wxID_CANCEL,
                                            [](TeamsDialog& d) {
                                                for (wxCheckBox* box : d.challenge)
                                                    box->SetValue(true);
                                            }),
                  ExpectMessage(wxID_OK));
    EXPECT_EQ(window.Document().State(), SheetState::Unchanged);
    wxTEST_DIALOG(Run(ID_GENERAL_DATA),
                  ExpectDialog<GeneralDataDialog>(
                      wxID_OK, [](GeneralDataDialog& d) { d.challengePoints->SetSelection(0); }));
    EXPECT_FALSE(window.GetMenuBar()->IsEnabled(ID_VIEW_CHALL));
    EXPECT_EQ(window.Document().Sheet().sChallengeTitle, "");
}

}  // namespace
