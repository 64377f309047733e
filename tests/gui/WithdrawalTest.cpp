// Withdrawal of a team before the heat starts.
#include <wx/listbox.h>

#include "DeleteTeamDialog.h"
#include "gui/DialogTesting.h"

namespace {

class WithdrawalTest : public DialogFixture {
protected:
    zav::ScoreSheet FiveTeams() {
        zav::ScoreSheet s = Heat(5, 4);
        for (int t = 0; t < 5; ++t) {
            s.fPreviousScore[t] = static_cast<float>(t + 1);
            s.sColSupContent[t] = "note " + std::to_string(t + 1);
            s.sPlaceurName[t] = "placeur " + std::to_string(t + 1);
            s.sARefereeName[t] = "referee " + std::to_string(t + 1);
        }
        s.iChallengeScoring = 3;
        s.bChallengeTeam[2] = 1;
        return s;
    }

    void Withdraw(int team, bool ok = true) {
        const auto user = [team, ok](DeleteTeamDialog& d) {
            d.teamList->SetSelection(team);
            return static_cast<int>(ok ? wxID_OK : wxID_CANCEL);
        };
        wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), Play<DeleteTeamDialog>(user));
    }
};

TEST_F(WithdrawalTest, SecondOfFiveTeamsIsRemovedAndTheOthersMoveUp) {
    wxZAVFrame& w = OpenWith(FiveTeams());
    std::string listed;
    const auto user = [&](DeleteTeamDialog& d) {
        for (const wxString& name : d.teamList->GetStrings())
            listed += name.utf8_str().data() + std::string("|");
        EXPECT_EQ(wxNOT_FOUND, d.teamList->GetSelection());
        d.teamList->SetSelection(1);
        return static_cast<int>(wxID_OK);
    };
    wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), Play<DeleteTeamDialog>(user));
    EXPECT_EQ("Team A|Team B|Team C|Team D|Team E|", listed);
    EXPECT_EQ(4, w.sheet.iTeamsNr);
    EXPECT_EQ(4, w.sheet.iScoring);
    EXPECT_EQ("Team C", w.sheet.sTeamName[1]);
    EXPECT_EQ("colour E", w.sheet.sTeamColors[3]);
    EXPECT_EQ(1, w.sheet.bChallengeTeam[1]);
    EXPECT_FLOAT_EQ(3.f, w.sheet.fPreviousScore[1]);
    EXPECT_EQ("note 4", w.sheet.sColSupContent[2]);
    EXPECT_EQ("placeur 5", w.sheet.sPlaceurName[3]);
    EXPECT_EQ("referee 3", w.sheet.sARefereeName[1]);
    EXPECT_EQ("Team A", w.sheet.sTeamName[0]);
    // Page rebuilt and state changed, but no automatic save.
    EXPECT_EQ(kSheetChanged, w.iSheetState);
    EXPECT_EQ(std::string::npos, ShownText().find("Team B"));
    EXPECT_NE(std::string::npos, ShownText().find("Team E"));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(SheetPath())));
}

TEST_F(WithdrawalTest, CancelAndOkWithoutChoiceChangeNothing) {
    wxZAVFrame& w = OpenWith(FiveTeams());
    Withdraw(1, false);
    Withdraw(wxNOT_FOUND, true);
    EXPECT_EQ(5, w.sheet.iTeamsNr);
    EXPECT_EQ("Team B", w.sheet.sTeamName[1]);
    ExpectNothingApplied();
}

TEST_F(WithdrawalTest, LastTeamOnlyLowersTheCounts) {
    zav::ScoreSheet s = FiveTeams();
    s.iScoring = 6;  // French rules
    wxZAVFrame& w = OpenWith(s);
    Withdraw(4);
    EXPECT_EQ(4, w.sheet.iTeamsNr);
    EXPECT_EQ(5, w.sheet.iScoring);
    EXPECT_EQ("Team D", w.sheet.sTeamName[3]);
}

TEST_F(WithdrawalTest, RefusedOnceAnyResultIsEntered) {
    for (int code : {3, zav::kAbandon, zav::kElimination}) {
        zav::ScoreSheet s = FiveTeams();
        s.iGamePlace[4][3] = code;
        wxZAVFrame& w = OpenWith(s);
        wxString message;
        wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), EXPECT_MESSAGE(wxID_OK, &message));
        EXPECT_EQ(w.Tx(zav::TextId::WithdrawalTooLate), message);
        EXPECT_EQ(5, w.sheet.iTeamsNr);
        ExpectNothingApplied();
    }
}

}  // namespace
