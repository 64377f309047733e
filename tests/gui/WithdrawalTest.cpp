// Withdrawal of a team before the heat starts, through its command (the
// rows moving up are the core's rule).
#include <wx/listbox.h>

#include "dialogs/DeleteTeamDialog.h"
#include "gui/DialogTesting.h"

namespace {

class WithdrawalTest : public DialogFixture {
protected:
    void Withdraw(int team, bool ok = true) {
        const auto user = [team, ok](DeleteTeamDialog& d) {
            d.teamList->SetSelection(team);
            return static_cast<int>(ok ? wxID_OK : wxID_CANCEL);
        };
        wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), Play<DeleteTeamDialog>(user));
    }
};

TEST_F(WithdrawalTest, TheChosenTeamLeavesThePageWithoutAnAutomaticSave) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
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
    EXPECT_EQ(4, w.Document().Sheet().iTeamsNr);
    EXPECT_EQ(SheetState::Changed, w.Document().State());
    EXPECT_EQ(std::string::npos, ShownText().find("Team B"));
    EXPECT_NE(std::string::npos, ShownText().find("Team E"));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(SheetPath())));
}

TEST_F(WithdrawalTest, CancelAndOkWithoutChoiceChangeNothing) {
    wxZAVFrame& w = OpenWith(Heat(5, 4));
    Withdraw(1, false);
    Withdraw(wxNOT_FOUND, true);
    EXPECT_EQ(5, w.Document().Sheet().iTeamsNr);
    ExpectNothingApplied();
}

TEST_F(WithdrawalTest, RefusedOnceAnyResultIsEntered) {
    for (int code : {3, zav::kAbandon, zav::kElimination}) {
        zav::ScoreSheet s = Heat(5, 4);
        s.iGamePlace[4][3] = code;
        wxZAVFrame& w = OpenWith(s);
        wxString message;
        wxTEST_DIALOG(Run(ID_DELETE_ONE_TEAM), EXPECT_MESSAGE(wxID_OK, &message));
        EXPECT_EQ(Tx(w.Language(), zav::TextId::WithdrawalTooLate), message);
        EXPECT_EQ(5, w.Document().Sheet().iTeamsNr);
        ExpectNothingApplied();
    }
}

}  // namespace
