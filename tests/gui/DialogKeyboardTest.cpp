// The data-entry dialogs from the keyboard alone: first field focused,
// lists chosen by typing, Enter confirms, Escape cancels.
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>

#include "dialogs/ARefereeNamesDialog.h"
#include "dialogs/ColumnSupDialog.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/PlaceurNamesDialog.h"
#include "dialogs/PreviousScoresDialog.h"
#include "dialogs/TieBreakDialog.h"
#include "gui/DialogTesting.h"
#include "sheet/Scoring.h"

namespace {

using zavgui::TypedEntry;

TEST(TypedEntryTest, ExactEntryFirstThenNextEntryBeginningWithTheText) {
    wxArrayString entries;
    for (const char* e : {"1", "2", "10", "Elimination", "Abandon", "Abandon def"}) entries.Add(e);
    EXPECT_EQ(0, TypedEntry(entries, 4, wxS("1")));
    EXPECT_EQ(2, TypedEntry(entries, 0, wxS("10")));
    EXPECT_EQ(3, TypedEntry(entries, 0, wxS("e")));
    EXPECT_EQ(4, TypedEntry(entries, 0, wxS("A")));
    EXPECT_EQ(5, TypedEntry(entries, 4, wxS("a")));  // typed again: the next one
    EXPECT_EQ(4, TypedEntry(entries, 5, wxS("a")));  // and round again
    EXPECT_EQ(wxNOT_FOUND, TypedEntry(entries, 0, wxS("7")));
    EXPECT_EQ(wxNOT_FOUND, TypedEntry(wxArrayString(), 0, wxS("1")));
    wxArrayString french;
    french.Add(wxS("\u00C9limination (1 point)"));
    french.Add(wxS("Abandon d\u00E9finitif"));
    EXPECT_EQ(0, TypedEntry(french, 1, wxS("e")));
    EXPECT_EQ(1, TypedEntry(french, 0, wxS("abandon def")));
}

class DialogKeyboardTest : public DialogFixture {
protected:
    // A key pressed while the dialog has the focus where it is.
    static void Press(wxDialog& dialog, int keyCode, wxChar typed = 0) {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = keyCode;
        key.m_uniChar = typed ? typed : (keyCode < 128 ? static_cast<wxChar>(keyCode) : 0);
        key.SetEventObject(wxWindow::FindFocus());
        dialog.GetEventHandler()->ProcessEvent(key);
    }

    // Shows a dialog as the user sees it, without a modal loop.
    template <class Dialog>
    static void Present(Dialog& dialog) {
        dialog.Show();
        Yield(10);
    }

    static void FocusOn(wxWindow* control) {
        control->SetFocus();
        Yield(10);
        ASSERT_EQ(control, wxWindow::FindFocus());
    }
};

TEST_F(DialogKeyboardTest, GameResultIsEnteredByTypingAndConfirmedWithEnter) {
    zav::ScoreSheet s = Heat(10, 12);
    wxZAVFrame& w = OpenWith(s, "FR");
    GameResultDialog d(&w, w.Document().EditSheet(), w.Language());
    Present(d);
    EXPECT_EQ(d.results[0], wxWindow::FindFocus());

    FocusOn(d.results[0]);
    Press(d, '3');
    EXPECT_EQ("3", Shown(d.results[0]));
    FocusOn(d.results[1]);
    Press(d, '1');
    Press(d, '0');
    EXPECT_EQ("10", Shown(d.results[1]));
    FocusOn(d.results[2]);
    Press(d, WXK_NUMPAD7);
    EXPECT_EQ("7", Shown(d.results[2]));
    FocusOn(d.results[3]);
    Press(d, 'A');
    Press(d, 'A');  // the second entry that begins with A
    EXPECT_EQ(d.results[3]->GetCount() - 1, d.results[3]->GetSelection());
    FocusOn(d.results[4]);
    Press(d, 'e');
    EXPECT_EQ(10, d.results[4]->GetSelection());

    Press(d, WXK_RETURN);
    EXPECT_FALSE(d.IsShown());
    EXPECT_EQ(3, w.Document().Sheet().iGamePlace[0][0]);
    EXPECT_EQ(10, w.Document().Sheet().iGamePlace[1][0]);
    EXPECT_EQ(7, w.Document().Sheet().iGamePlace[2][0]);
    EXPECT_EQ(zav::kDefinitiveAbandon, w.Document().Sheet().iGamePlace[3][0]);
    EXPECT_EQ(zav::kElimination, w.Document().Sheet().iGamePlace[4][0]);
}

TEST_F(DialogKeyboardTest, TypingAGameNumberShowsThatGame) {
    zav::ScoreSheet s = Heat(3, 12);
    s.iGamePlace[1][10] = zav::kAbandon;
    s.iGamesRunning = 4;
    wxZAVFrame& w = OpenWith(s);
    GameResultDialog d(&w, w.Document().EditSheet(), w.Language());
    Present(d);
    FocusOn(d.game);
    Press(d, '1');
    Press(d, '1');
    EXPECT_EQ("11", Shown(d.game));
    EXPECT_EQ("Game 11", std::string(d.gameName->GetLabel().utf8_str().data()));
    EXPECT_EQ(d.results[1]->GetCount() - 2, d.results[1]->GetSelection());
}

TEST_F(DialogKeyboardTest, EscapeCancelsAndEnterOnAButtonPressesOnlyThatButton) {
    zav::ScoreSheet s = Heat(3, 4);
    s.fPreviousScore[0] = 4;
    wxZAVFrame& w = OpenWith(s);
    PreviousScoresDialog d(&w, w.Document().EditSheet(), w.Language(), PreviousScores::Heat);
    Present(d);
    EXPECT_EQ(d.fields[0], wxWindow::FindFocus());
    FocusOn(d.eraseAll);
    Press(d, WXK_RETURN);
    EXPECT_TRUE(d.IsShown());
    FocusOn(d.fields[1]);
    d.fields[1]->ChangeValue(wxS("9"));
    Press(d, WXK_ESCAPE);
    EXPECT_FALSE(d.IsShown());
    EXPECT_FLOAT_EQ(0.f, w.Document().Sheet().fPreviousScore[1]);
    EXPECT_FLOAT_EQ(4.f, w.Document().Sheet().fPreviousScore[0]);
}

TEST_F(DialogKeyboardTest, CloseBoxStoresNothingAndEnterInATypedTeamConfirms) {
    wxZAVFrame& w = OpenWith(Heat(4, 4));
    {
        GameResultDialog d(&w, w.Document().EditSheet(), w.Language());
        Present(d);
        d.results[0]->SetSelection(3);
        d.Close();
        Yield();
        EXPECT_FALSE(d.IsShown());
        EXPECT_EQ(0, w.Document().Sheet().iGamePlace[0][0]);
    }
    {
        ARefereeNamesDialog d(&w, w.Document().EditSheet(), w.Language());
        Present(d);
        d.teams[1]->SetFocus();
        Yield(10);
        d.teams[1]->ChangeValue(wxS("Juges du club"));
        Press(d, WXK_RETURN);
        EXPECT_FALSE(d.IsShown());
        EXPECT_EQ("Juges du club", w.Document().Sheet().sARefereeTeam[1]);
        EXPECT_EQ("Team A", w.Document().Sheet().sARefereeTeam[0]);
    }
}

TEST_F(DialogKeyboardTest, EveryDialogOpensOnItsFirstField) {
    zav::ScoreSheet s = Heat(4, 4);
    s.iChallengeScoring = 2;
    s.bChallengeTeam[2] = 1;
    s.iGamePlace[0][0] = s.iGamePlace[1][0] = 1;  // two teams level: tie-break lists
    s.iGamePlace[2][0] = s.iGamePlace[3][0] = 3;
    wxZAVFrame& w = OpenWith(s);
    zav::ComputeScores(w.Document().EditSheet());
    {
        TieBreakDialog d(&w, w.Document().EditSheet(), w.Language());
        Present(d);
        EXPECT_EQ(d.positions[0], wxWindow::FindFocus());
    }
    {
        PreviousScoresDialog d(&w, w.Document().EditSheet(), w.Language(),
                               PreviousScores::Challenge);
        Present(d);
        EXPECT_EQ(d.fields[0], wxWindow::FindFocus());
    }
    {
        ColumnSupDialog d(&w, w.Document().EditSheet(), w.Language());
        Present(d);
        EXPECT_EQ(d.title, wxWindow::FindFocus());
    }
    {
        ARefereeNamesDialog d(&w, w.Document().EditSheet(), w.Language());
        Present(d);
        // The combo box's text entry holds the focus inside the control.
        wxWindow* focus = wxWindow::FindFocus();
        EXPECT_TRUE(focus == d.teams[0] || (focus && focus->GetParent() == d.teams[0]));
    }
    {
        PlaceurNamesDialog d(&w, w.Document().EditSheet(), w.Language());
        Present(d);
        EXPECT_EQ(d.names[0], wxWindow::FindFocus());
    }
    {
        DeleteTeamDialog d(&w, w.Document().EditSheet(), w.Language());
        Present(d);
        EXPECT_EQ(d.teamList, wxWindow::FindFocus());
    }
}

}  // namespace
