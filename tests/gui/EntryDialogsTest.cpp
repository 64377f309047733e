// Previous heat and previous 'Challenge' scores, the add-on column, the
// staff names and the withdrawal of a team, through their commands: what each
// dialog shows, and what OK, Cancel and its buttons do with the sheet.
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <vector>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "gui/DialogTesting.h"

namespace {

using Texts = std::vector<std::string>;

template <class Control>
Texts Values(const std::vector<Control*>& controls) {
    Texts values;
    for (const Control* c : controls) values.push_back(c->GetValue().utf8_str().data());
    return values;
}

using EntryDialogsTest = DialogFixture;

TEST_F(EntryDialogsTest, PreviousScoresShowTheirValuesAndOkStoresWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.fPreviousScore[0] = 10;
    s.fPreviousScore[1] = 7.5f;
    s.fPreviousScore[3] = 12.5f;
    wxZAVFrame& w = OpenWith(s);
    Texts shown, erased;
    std::string label;
    // Erased, then cancelled: nothing changes.
    const auto eraseThenCancel = [&](PreviousScoresDialog& d) {
        shown = Values(d.fields);
        label = d.labels[1]->GetLabel().utf8_str().data();
        d.EraseAll();
        erased = Values(d.fields);
        return static_cast<int>(wxID_CANCEL);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>(eraseThenCancel));
    EXPECT_EQ((Texts{" 10", "7.5", "0", "12.5"}), shown);
    EXPECT_EQ("Team B     (colour B)", label);
    EXPECT_EQ(Texts(4, "0"), erased);
    ExpectNothingApplied();

    const auto type = [](PreviousScoresDialog& d) {
        d.fields[2]->ChangeValue(wxS("3.5"));
        d.fields[3]->ChangeValue(wxS("not a number"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>(type));
    const float stored[] = {10, 7.5f, 3.5f, 0};
    for (int t = 0; t < 4; ++t) EXPECT_FLOAT_EQ(stored[t], w.Document().Sheet().fPreviousScore[t]);
    ExpectChangeApplied();

    const auto eraseButtonThenOk = [](PreviousScoresDialog& d) {
        wxCommandEvent click(wxEVT_BUTTON, d.eraseAll->GetId());
        click.SetEventObject(d.eraseAll);
        d.eraseAll->GetEventHandler()->ProcessEvent(click);
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>(eraseButtonThenOk));
    for (int t = 0; t < 4; ++t) EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fPreviousScore[t]);
}

TEST_F(EntryDialogsTest, PreviousChallengeIsRefusedWithoutChallengeAndListsOnlyItsTeams) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
    wxString message;
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_EQ(Tx(w.Language(), zav::TextId::ChallengeNotDefined), message);
    ExpectNothingApplied();

    zav::ScoreSheet& s = w.Document().EditSheet();
    s.iChallengeScoring = 3;
    s.bChallengeTeam[1] = s.bChallengeTeam[3] = true;
    s.fChallengePreviousScore[1] = 5;
    s.fChallengePreviousScore[0] = 9;  // not in the 'Challenge': left alone
    std::vector<int> rows;
    Texts shown;
    const auto user = [&](PreviousScoresDialog& d) {
        rows = d.rowTeams;
        shown = Values(d.fields);
        d.fields[1]->ChangeValue(wxS("1.5"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), Play<PreviousScoresDialog>(user));
    EXPECT_EQ((std::vector<int>{1, 3}), rows);
    EXPECT_EQ((Texts{"  5", "0"}), shown);
    EXPECT_FLOAT_EQ(5.f, s.fChallengePreviousScore[1]);
    EXPECT_FLOAT_EQ(1.5f, s.fChallengePreviousScore[3]);
    EXPECT_FLOAT_EQ(9.f, s.fChallengePreviousScore[0]);
    ExpectChangeApplied();
}

TEST_F(EntryDialogsTest, AddOnColumnOkStoresTitleAndTextsCancelNothing) {
    zav::ScoreSheet s = Heat(3, 4);
    s.sColSupTitle = "Penalty";
    s.sColSupContent[1] = "-2";
    wxZAVFrame& w = OpenWith(s);
    Texts shown;
    const auto cancel = [&](ColumnSupDialog& d) {
        shown = Values(d.contents);
        shown.push_back(d.title->GetValue().utf8_str().data());
        d.title->ChangeValue(wxS("changed"));
        return static_cast<int>(wxID_CANCEL);
    };
    wxTEST_DIALOG(Run(ID_COLUMN_SUP), Play<ColumnSupDialog>(cancel));
    EXPECT_EQ((Texts{"", "-2", "", "Penalty"}), shown);
    ExpectNothingApplied();

    const std::string longText(200, 'x');
    const auto ok = [&](ColumnSupDialog& d) {
        d.title->ChangeValue(wxString());
        d.contents[0]->ChangeValue(wxString::FromUTF8(longText));
        d.contents[2]->ChangeValue(wxS("A & <b>"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_COLUMN_SUP), Play<ColumnSupDialog>(ok));
    const zav::ScoreSheet& now = w.Document().Sheet();
    EXPECT_EQ("", now.sColSupTitle);
    EXPECT_EQ((Texts{longText, "-2", "A & <b>"}),
              (Texts{now.sColSupContent[0], now.sColSupContent[1], now.sColSupContent[2]}));
    ExpectChangeApplied();
}

// At least six assistant referee rows, each proposing its team; typed teams
// are stored as typed, and stay when the team is renamed later.
TEST_F(EntryDialogsTest, StaffNamesRowsProposeTheTeamsAndStoreWhatIsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.sARefereeTeam[1] = "Visitors";
    s.sARefereeName[1] = "P. Durand";
    s.sPlaceurName[0] = "old";
    wxZAVFrame& w = OpenWith(s);
    Texts teams, names, listed, labels;
    const auto referees = [&](ARefereeNamesDialog& d) {
        teams = Values(d.teams);
        names = Values(d.names);
        for (const wxString& entry : d.teams[0]->GetStrings())
            listed.push_back(entry.utf8_str().data());
        d.teams[2]->ChangeValue(wxS("Club du Lac"));
        d.names[2]->ChangeValue(wxS("A. Roux, B. Petit"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), Play<ARefereeNamesDialog>(referees));
    EXPECT_EQ((Texts{"Team A", "Team B", "Team C", "Team D"}), listed);
    EXPECT_EQ((Texts{"Team A", "Visitors", "Team C", "Team D", "Team A", "Team A"}), teams);
    EXPECT_EQ((Texts{"", "P. Durand", "", "", "", ""}), names);
    EXPECT_EQ("Club du Lac", w.Document().Sheet().sARefereeTeam[2]);
    EXPECT_EQ("A. Roux, B. Petit", w.Document().Sheet().sARefereeName[2]);
    EXPECT_EQ("Team D", w.Document().Sheet().sARefereeTeam[3]);
    ExpectChangeApplied();

    w.Document().EditSheet().sTeamName[3] = "Team Z";
    const auto look = [&](ARefereeNamesDialog& d) {
        teams = Values(d.teams);
        return static_cast<int>(wxID_CANCEL);
    };
    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), Play<ARefereeNamesDialog>(look));
    EXPECT_EQ("Team D", teams[3]);

    const auto placeurs = [&](PlaceurNamesDialog& d) {
        for (wxStaticText* label : d.labels) labels.push_back(label->GetLabel().utf8_str().data());
        names = Values(d.names);
        d.names[1]->ChangeValue(wxS("M. Blanc"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PLACEUR_NAMES), Play<PlaceurNamesDialog>(placeurs));
    EXPECT_EQ((Texts{"Team A", "Team B", "Team C", "Team Z"}), labels);
    EXPECT_EQ((Texts{"old", "", "", ""}), names);
    EXPECT_EQ("M. Blanc", w.Document().Sheet().sPlaceurName[1]);
}

// A withdrawal is refused once a result is entered; otherwise the chosen
// team leaves the page, without an automatic save.
TEST_F(EntryDialogsTest, WithdrawalOfTheChosenTeamIsNotSavedAutomatically) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
    const auto choose = [](int team, int answer) {
        return [team, answer](DeleteTeamDialog& d) {
            d.teamList->SetSelection(team);
            return answer;
        };
    };
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), Play<DeleteTeamDialog>(choose(1, wxID_CANCEL)));
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), Play<DeleteTeamDialog>(choose(wxNOT_FOUND, wxID_OK)));
    ExpectNothingApplied();

    Texts listed;
    const auto user = [&](DeleteTeamDialog& d) {
        for (const wxString& name : d.teamList->GetStrings())
            listed.push_back(name.utf8_str().data());
        EXPECT_EQ(wxNOT_FOUND, d.teamList->GetSelection());
        return choose(1, wxID_OK)(d);
    };
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), Play<DeleteTeamDialog>(user));
    EXPECT_EQ((Texts{"Team A", "Team B", "Team C", "Team D", "Team E"}), listed);
    EXPECT_EQ(4, w.Document().Sheet().iTeamsNr);
    EXPECT_EQ(SheetState::Changed, w.Document().State());
    EXPECT_EQ(std::string::npos, ShownText().find("Team B"));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(SheetPath())));

    w.Document().EditSheet().iGamePlace[3][3] = zav::kAbandon;
    wxString message;
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_EQ(Tx(w.Language(), zav::TextId::WithdrawalTooLate), message);
    EXPECT_EQ(4, w.Document().Sheet().iTeamsNr);
}

}  // namespace
