// Previous heat and previous 'Challenge' scores, the add-on column and the
// staff names dialogs, through their commands.
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <vector>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "gui/DialogTesting.h"

namespace {

using Texts = std::vector<std::string>;

std::string Value(const wxTextEntry* field) {
    return field->GetValue().utf8_str().data();
}

template <class Field>
Texts Values(const std::vector<Field*>& fields) {
    Texts values;
    for (const Field* field : fields) values.push_back(Value(field));
    return values;
}

class PreviousScoresTest : public DialogFixture {
protected:
    zav::ScoreSheet WithPreviousScores() {
        zav::ScoreSheet s = Heat(4, 4);
        s.fPreviousScore[0] = 10;
        s.fPreviousScore[1] = 7.5f;
        s.fPreviousScore[3] = 12.5f;
        s.iGamePlace[0][0] = 2;
        s.iGamePlace[1][0] = 1;
        return s;
    }
};

TEST_F(PreviousScoresTest, FieldsShowTheNumberFormatsAndOkStoresTotals) {
    wxZAVFrame& w = OpenWith(WithPreviousScores());
    Texts shown;
    std::string label;
    const auto user = [&](PreviousScoresDialog& d) {
        shown = Values(d.fields);
        label = d.labels[1]->GetLabel().utf8_str().data();
        d.fields[2]->ChangeValue(wxS("3.5"));
        d.fields[3]->ChangeValue(wxS("not a number"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>(user));
    EXPECT_EQ((Texts{" 10", "7.5", "0", "12.5"}), shown);
    EXPECT_EQ("Team B     (colour B)", label);
    EXPECT_FLOAT_EQ(3.5f, w.Document().Sheet().fPreviousScore[2]);
    EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fPreviousScore[3]);
    ExpectChangeApplied();
    // Totals on the page: previous score plus the heat score.
    EXPECT_FLOAT_EQ(10 + 3, w.Document().Sheet().fTotalScore[0]);
    EXPECT_FLOAT_EQ(7.5f + 4, w.Document().Sheet().fTotalScore[1]);
}

TEST_F(PreviousScoresTest, EraseAllThenCancelRestoresAndThenOkClears) {
    wxZAVFrame& w = OpenWith(WithPreviousScores());
    Texts erased;
    const auto eraseThenCancel = [&](PreviousScoresDialog& d) {
        d.EraseAll();
        erased = Values(d.fields);
        return static_cast<int>(wxID_CANCEL);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>(eraseThenCancel));
    EXPECT_EQ(Texts(4, "0"), erased);
    EXPECT_FLOAT_EQ(10.f, w.Document().Sheet().fPreviousScore[0]);
    EXPECT_FLOAT_EQ(12.5f, w.Document().Sheet().fPreviousScore[3]);
    ExpectNothingApplied();

    const auto eraseThenOk = [](PreviousScoresDialog& d) {
        // As the user does it: the button.
        wxCommandEvent click(wxEVT_BUTTON, d.eraseAll->GetId());
        click.SetEventObject(d.eraseAll);
        d.eraseAll->GetEventHandler()->ProcessEvent(click);
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_HEAT), Play<PreviousScoresDialog>(eraseThenOk));
    for (int t = 0; t < 4; ++t) EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fPreviousScore[t]);
    ExpectChangeApplied();
}

TEST_F(PreviousScoresTest, ChallengeIsRefusedWithoutChallengeAndListsOnlyItsTeams) {
    zav::ScoreSheet s = Heat(5, 4);
    wxZAVFrame& w = OpenWith(s);
    wxString message;
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_EQ(Tx(w.Language(), zav::TextId::ChallengeNotDefined), message);
    ExpectNothingApplied();

    w.Document().EditSheet().iChallengeScoring = 3;
    w.Document().EditSheet().bChallengeTeam[1] = 1;
    w.Document().EditSheet().bChallengeTeam[3] = 1;
    w.Document().EditSheet().fChallengePreviousScore[1] = 5;
    w.Document().EditSheet().fChallengePreviousScore[3] = 12.5f;
    w.Document().EditSheet().fChallengePreviousScore[0] = 9;  // not in the 'Challenge': left alone
    std::vector<int> rows;
    Texts shown;
    const auto user = [&](PreviousScoresDialog& d) {
        rows = d.rowTeams;
        shown = Values(d.fields);
        d.fields[0]->ChangeValue(wxS("2"));
        d.EraseAll();
        d.fields[1]->ChangeValue(wxS("1.5"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PREVIOUS_CHALL), Play<PreviousScoresDialog>(user));
    EXPECT_EQ((std::vector<int>{1, 3}), rows);
    EXPECT_EQ((Texts{"  5", "12.5"}), shown);
    EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fChallengePreviousScore[1]);
    EXPECT_FLOAT_EQ(1.5f, w.Document().Sheet().fChallengePreviousScore[3]);
    EXPECT_FLOAT_EQ(9.f, w.Document().Sheet().fChallengePreviousScore[0]);
    ExpectChangeApplied();
}

class ColumnSupTest : public DialogFixture {};

TEST_F(ColumnSupTest, OkStoresTitleAndTextsCancelStoresNothing) {
    zav::ScoreSheet s = Heat(3, 4);
    s.sColSupTitle = "Penalty";
    s.sColSupContent[1] = "-2";
    wxZAVFrame& w = OpenWith(s);
    std::string title;
    Texts shown;
    const auto cancel = [&](ColumnSupDialog& d) {
        title = Value(d.title);
        shown = Values(d.contents);
        d.title->ChangeValue(wxS("changed"));
        return static_cast<int>(wxID_CANCEL);
    };
    wxTEST_DIALOG(Run(ID_COLUMN_SUP), Play<ColumnSupDialog>(cancel));
    EXPECT_EQ("Penalty", title);
    EXPECT_EQ((Texts{"", "-2", ""}), shown);
    EXPECT_EQ("Penalty", w.Document().Sheet().sColSupTitle);
    ExpectNothingApplied();

    const std::string longText(200, 'x');
    const auto ok = [&](ColumnSupDialog& d) {
        d.title->ChangeValue(wxString());
        d.contents[0]->ChangeValue(wxString::FromUTF8(longText));
        d.contents[2]->ChangeValue(wxS("A & <b>"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_COLUMN_SUP), Play<ColumnSupDialog>(ok));
    EXPECT_EQ("", w.Document().Sheet().sColSupTitle);
    EXPECT_EQ(longText, w.Document().Sheet().sColSupContent[0]);
    EXPECT_EQ("-2", w.Document().Sheet().sColSupContent[1]);
    EXPECT_EQ("A & <b>", w.Document().Sheet().sColSupContent[2]);
    ExpectChangeApplied();
}

class StaffNamesTest : public DialogFixture {};

TEST_F(StaffNamesTest, RowCountsFollowTheTeams) {
    for (int teams : {4, 8}) {
        OpenWith(Heat(teams, 4));
        size_t refereeRows = 0, placeurRows = 0;
        const auto referees = [&](ARefereeNamesDialog& d) {
            refereeRows = d.teams.size();
            return static_cast<int>(wxID_CANCEL);
        };
        const auto placeurs = [&](PlaceurNamesDialog& d) {
            placeurRows = d.names.size();
            return static_cast<int>(wxID_CANCEL);
        };
        wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), Play<ARefereeNamesDialog>(referees));
        wxTEST_DIALOG(Run(ID_PLACEUR_NAMES), Play<PlaceurNamesDialog>(placeurs));
        EXPECT_EQ(teams == 4 ? 6u : 8u, refereeRows);
        EXPECT_EQ(static_cast<size_t>(teams), placeurRows);
        ExpectNothingApplied();
    }
}

TEST_F(StaffNamesTest, RowsProposeTheirTeamAndTypedTeamsAreStoredAsTyped) {
    zav::ScoreSheet s = Heat(4, 4);
    s.sARefereeTeam[1] = "Visitors";
    s.sARefereeName[1] = "P. Durand";
    wxZAVFrame& w = OpenWith(s);
    Texts teams, names;
    std::string listed;
    const auto user = [&](ARefereeNamesDialog& d) {
        teams = Values(d.teams);
        names = Values(d.names);
        for (const wxString& entry : d.teams[0]->GetStrings())
            listed += entry.utf8_str().data() + std::string("|");
        d.teams[2]->ChangeValue(wxS("Club du Lac"));
        d.names[2]->ChangeValue(wxS("A. Roux, B. Petit"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), Play<ARefereeNamesDialog>(user));
    EXPECT_EQ("Team A|Team B|Team C|Team D|", listed);
    EXPECT_EQ((Texts{"Team A", "Visitors", "Team C", "Team D", "Team A", "Team A"}), teams);
    EXPECT_EQ("P. Durand", names[1]);
    EXPECT_EQ("Club du Lac", w.Document().Sheet().sARefereeTeam[2]);
    EXPECT_EQ("A. Roux, B. Petit", w.Document().Sheet().sARefereeName[2]);
    EXPECT_EQ("Team D", w.Document().Sheet().sARefereeTeam[3]);
    ExpectChangeApplied();

    // Renaming a team later leaves the stored referee teams as they were.
    w.Document().EditSheet().sTeamName[3] = "Team Z";
    const auto look = [&](ARefereeNamesDialog& d) {
        teams = Values(d.teams);
        return static_cast<int>(wxID_CANCEL);
    };
    wxTEST_DIALOG(Run(ID_A_REFEREE_NAMES), Play<ARefereeNamesDialog>(look));
    EXPECT_EQ("Team D", teams[3]);
}

TEST_F(StaffNamesTest, ArenaPartyByTeamAndTheStaffPageShowsTheNames) {
    zav::ScoreSheet s = Heat(3, 4);
    s.sPlaceurName[0] = "old";
    wxZAVFrame& w = OpenWith(s);
    Texts labels, shown;
    const auto user = [&](PlaceurNamesDialog& d) {
        for (wxStaticText* label : d.labels) labels.push_back(label->GetLabel().utf8_str().data());
        shown = Values(d.names);
        d.names[1]->ChangeValue(wxS("M. Blanc"));
        return PressOk(d);
    };
    wxTEST_DIALOG(Run(ID_PLACEUR_NAMES), Play<PlaceurNamesDialog>(user));
    EXPECT_EQ((Texts{"Team A", "Team B", "Team C"}), labels);
    EXPECT_EQ((Texts{"old", "", ""}), shown);
    EXPECT_EQ("M. Blanc", w.Document().Sheet().sPlaceurName[1]);
    ExpectChangeApplied();

    Run(ID_STAFF_SHEET);
    const std::string page = ShownText();
    EXPECT_NE(std::string::npos, page.find("M. Blanc"));
    EXPECT_NE(std::string::npos, page.find("Names of arena party"));
}

}  // namespace
