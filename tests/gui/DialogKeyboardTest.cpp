// The entry dialogs from a real keyboard: keys the X server delivers (XTest),
// as a keyboard gives them, into the dialogs their commands show modally.
// These tests need the display's keyboard focus and run one at a time.
#include <gtest/gtest-spi.h>
#include <sys/stat.h>
#include <wx/eventfilter.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <chrono>
#include <fstream>
#include <map>

#include "dialogs/GameResultDialog.h"
#include "gui/DialogTesting.h"
#include "gui/RealKeys.h"

namespace {

constexpr int E = zav::kElimination;
constexpr int A = zav::kAbandon;
constexpr int D = zav::kDefinitiveAbandon;

// One step of the user at the keyboard: a key with its modifiers, or a look
// at the dialog that has the focus.
struct KeyStep {
    int key = 0;
    int modifiers = wxMOD_NONE;
    std::function<void(wxDialog&)> look;
};

// One key per character: digits, letters (small), ' ' Space, '\n' Enter,
// '\t' Tab, '<' Shift+Tab, '^' Up, '~' Escape, '>' Page Down, '$' End, '!' F4
// (drops a list down), '?' F1.
std::vector<KeyStep> Typed(const std::string& keys) {
    static const std::map<char, std::pair<int, int>> special = {
        {' ', {WXK_SPACE, wxMOD_NONE}},    {'\n', {WXK_RETURN, wxMOD_NONE}},
        {'\t', {WXK_TAB, wxMOD_NONE}},     {'<', {WXK_TAB, wxMOD_SHIFT}},
        {'^', {WXK_UP, wxMOD_NONE}},       {'~', {WXK_ESCAPE, wxMOD_NONE}},
        {'>', {WXK_PAGEDOWN, wxMOD_NONE}}, {'$', {WXK_END, wxMOD_NONE}},
        {'!', {WXK_F4, wxMOD_NONE}},       {'?', {WXK_F1, wxMOD_NONE}}};
    std::vector<KeyStep> steps;
    for (const char c : keys) {
        const auto named = special.find(c);
        const auto [key, modifiers] = named != special.end()
                                          ? named->second
                                          : std::pair<int, int>(static_cast<unsigned char>(c), 0);
        steps.push_back({key, modifiers, {}});
    }
    return steps;
}

// Plays `steps` into the modal dialogs the test opens next, each step once a
// dialog holds the keyboard focus and the key before it has reached the
// program. Stuck for ten seconds (a dialog that never came, a key never seen,
// a dialog the keys did not close): a failure, and the dialog is cancelled so
// that no test waits forever.
class Typist : public wxTimer, public wxEventFilter {
public:
    explicit Typist(std::vector<KeyStep> steps) : steps_(std::move(steps)) {
        EXPECT_TRUE(EnsureWindowManager()) << "openbox is needed for the keyboard tests";
        wxEvtHandler::AddFilter(this);
        DialogsShownForReal() = true;
        Start(kTickMs);
    }
    ~Typist() override {
        Stop();
        DialogsShownForReal() = false;
        wxEvtHandler::RemoveFilter(this);
        EXPECT_EQ(next_, steps_.size()) << "steps left unplayed";
    }

private:
    static constexpr int kTickMs = 20;

    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() == wxEVT_CHAR_HOOK &&
            static_cast<wxKeyEvent&>(event).GetKeyCode() == awaited_)
            awaited_ = 0;
        return Event_Skip;
    }

    void Notify() override {
        // The modal dialog of the program that holds the keyboard focus.
        wxDialog* dialog = nullptr;
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* d = wxDynamicCast(window, wxDialog); d && d->IsModal() && d->IsActive())
                dialog = d;
        if (next_ < steps_.size() && dialog && awaited_ == 0) {
            idleTicks_ = 0;
            const KeyStep& step = steps_[next_++];
            if (step.look) return step.look(*dialog);
            // wx names a letter's key by its capital.
            awaited_ = step.key >= 'a' && step.key <= 'z' ? step.key - 'a' + 'A' : step.key;
            wxUIActionSimulator().Char(step.key, step.modifiers);
            return;
        }
        if (++idleTicks_ < 10000 / kTickMs) return;
        ADD_FAILURE() << (next_ < steps_.size() ? "no dialog took key step "
                                                : "a dialog stayed open after step ")
                      << next_;
        Stop();
        next_ = steps_.size();
        CancelModalWindows();
    }

    std::vector<KeyStep> steps_;
    size_t next_ = 0;
    int awaited_ = 0;  // the code of the key pressed last, until the program sees it
    int idleTicks_ = 0;
};

class DialogKeyboardTest : public DialogFixture {
protected:
    // Runs `command` with `steps` typed into its dialogs.
    void TypeInto(int command, std::vector<KeyStep> steps) {
        Typist typist(std::move(steps));
        Run(command);
    }
};

// One key per team and Enter (a six-team game took 26 keys at best with GTK's
// drop-down lists): a place (two digits, or 0, for 10), a letter per outcome
// in the interface language (each language's letters: the core's EntryKeys
// test), Space for a blame.
TEST_F(DialogKeyboardTest, AGameIsTypedOneKeyPerTeam) {
    struct Case {
        int teams;
        const char* keys;
        std::vector<int> codes;
        int blamed;  // -1: none
    };
    const Case cases[] = {
        // "1" then "0" is 10, "0" alone is 10, "1" then "3" is 1 then 3.
        {10, "10013aed 245\n", {10, 10, 1, 3, A, E, D, 2, 4, 5}, 7},
        // Up goes back a team and its place is typed again.
        {3, "12^31\n", {1, 3, 1}, -1},
        // A stray Enter on a game not run stores nothing.
        {6, "\n", std::vector<int>(6, zav::kNoResult), -1},
    };
    for (const Case& c : cases) {
        wxZAVFrame& w = OpenWith(Heat(c.teams, 4));
        TypeInto(ID_GAME_RESULT, Typed(c.keys));
        const zav::ScoreSheet& s = w.Document().Sheet();
        for (int t = 0; t < c.teams; ++t) {
            EXPECT_EQ(s.iGamePlace[t][0], c.codes[t]) << c.keys << " " << t;
            EXPECT_EQ(s.bAvertissement[t][0], t == c.blamed) << c.keys << " " << t;
        }
        c.codes[0] != zav::kNoResult ? ExpectChangeApplied() : ExpectNothingApplied();
    }
}

// Only the documented keys change a team's entry: Page Down and End choose
// nothing (the list's last entry is a definitive abandon). Escape with a list
// dropped down closes the list and the dialog stays.
TEST_F(DialogKeyboardTest, StrayKeysChooseNothingAndEscapeFirstClosesAnOpenList) {
    wxZAVFrame& w = OpenWith(Heat(3, 4));
    const auto team = [](wxDialog& d, size_t t) {
        return static_cast<GameResultDialog&>(d).results[t];
    };
    std::vector<KeyStep> steps = Typed("1>$");
    steps.push_back({0, wxMOD_NONE, [&](wxDialog& d) {
                         EXPECT_EQ(team(d, 1)->GetSelection(), wxNOT_FOUND);
                         EXPECT_EQ(wxWindow::FindFocus(), team(d, 1));
                     }});
    for (const KeyStep& key : Typed("!~")) steps.push_back(key);
    steps.push_back(
        {0, wxMOD_NONE, [&](wxDialog& d) { EXPECT_FALSE(team(d, 1)->IsPopupShown()); }});
    for (const KeyStep& key : Typed("23\n")) steps.push_back(key);
    TypeInto(ID_GAME_RESULT, steps);
    for (int t = 0; t < 3; ++t) EXPECT_EQ(w.Document().Sheet().iGamePlace[t][0], t + 1) << t;
}

// Up leaves the first team for the game chooser. A game number of two digits
// there is one game chosen: the proposal steps back once, as for a choice
// with the mouse, and OK steps it forward again. Tab visits each team's list
// and blame box in turn, then OK; Shift+Tab goes back.
TEST_F(DialogKeyboardTest, TheGameChooserTakesNumbersAndTabVisitsTheTeamsThenOk) {
    zav::ScoreSheet s = Heat(3, 12);
    s.iGamePlace[1][9] = zav::kAbandon;
    s.iGamesRunning = 4;
    wxZAVFrame& w = OpenWith(s);
    using Control = std::function<wxWindow*(GameResultDialog&)>;
    const std::pair<const char*, Control> visits[] = {
        {"", [](auto& d) { return d.results[0]; }},
        {"^", [](auto& d) { return d.game; }},
        {"10", [](auto& d) { return d.results[0]; }},
        {"\t\t", [](auto& d) { return d.results[1]; }},
        {"\t\t\t\t", [](auto& d) { return d.FindWindow(wxID_OK); }},
    };
    std::vector<KeyStep> steps;
    for (const auto& [keys, control] : visits) {
        for (const KeyStep& key : Typed(keys)) steps.push_back(key);
        steps.push_back(
            {0, wxMOD_NONE, [keys = std::string(keys), control = control](wxDialog& d) {
                 EXPECT_EQ(wxWindow::FindFocus(), control(static_cast<GameResultDialog&>(d)))
                     << "after '" << keys << "'";
             }});
    }
    steps.push_back({0, wxMOD_NONE, [](wxDialog& dialog) {
                         auto& d = static_cast<GameResultDialog&>(dialog);
                         EXPECT_EQ(d.gameName->GetLabel(), wxS("Game 10"));
                         EXPECT_EQ(d.results[1]->GetStringSelection(),
                                   wxS("Abandon (lowest points)"));
                     }});
    for (const KeyStep& key : Typed("<^^123\n")) steps.push_back(key);
    TypeInto(ID_GAME_RESULT, steps);
    for (int t = 0; t < 3; ++t) EXPECT_EQ(w.Document().Sheet().iGamePlace[t][9], t + 1) << t;
    EXPECT_EQ(w.Document().Sheet().iGamesRunning, 4);
}

// The other dialogs: the set-up lists choose by typing, names by their first
// letters (accents and capitals aside), numbers by their digits; the other
// entry dialogs open on their first field, where Enter is OK and Escape is
// Cancel.
TEST_F(DialogKeyboardTest, TheOtherDialogsTakeTypedEntries) {
    struct Case {
        const char* language;
        int command;
        const char* keys;
        std::function<void(const zav::ScoreSheet&)> check;
    };
    const Case cases[] = {
        {"FR", ID_GAMES_LIST, "\tepe\n", [](auto& s) { EXPECT_EQ(s.sGame[1], "Épée"); }},
        {"EN", ID_GENERAL_DATA, "\t\t\t\t\t6\t12\n",
         [](auto& s) {
             EXPECT_EQ(s.iTeamsNr, 6);
             EXPECT_EQ(s.iScoring, 6);
             EXPECT_EQ(s.iGamesNr, 12);
         }},
        {"EN", ID_PLACEUR_NAMES, "cd\n", [](auto& s) { EXPECT_EQ(s.sPlaceurName[0], "cd"); }},
        {"EN", ID_PREVIOUS_HEAT, "7~", nullptr},
    };
    for (const Case& c : cases) {
        wxZAVFrame& w = OpenWith(Heat(4, 8), c.language);
        TypeInto(c.command, Typed(c.keys));
        c.check ? c.check(w.Document().Sheet()) : ExpectNothingApplied();
    }
}

// F1 in a dialog opens the user guide at the dialog's section, in the
// interface language; the dialog stays open for the scorer to go on.
TEST_F(DialogKeyboardTest, FOneInADialogOpensTheGuideAtItsSection) {
    zavtest::TempDir bin;
    const std::string opened = bin.File("opened");
    {
        std::FILE* script = std::fopen(bin.File("xdg-open").c_str(), "w");
        ASSERT_TRUE(script);
        std::fprintf(script, "#!/bin/sh\nprintf %%s \"$1\" > '%s.part' && mv '%s.part' '%s'\n",
                     opened.c_str(), opened.c_str(), opened.c_str());
        std::fclose(script);
        ASSERT_EQ(::chmod(bin.File("xdg-open").c_str(), 0755), 0);
    }
    wxString path;
    wxGetEnv(wxS("PATH"), &path);
    wxSetEnv(wxS("PATH"), wxString::FromUTF8(bin.Path()) + wxS(":") + path);
    OpenWith(Heat(4, 8), "EN");
    TypeInto(ID_GAME_RESULT, Typed("?~"));
    wxSetEnv(wxS("PATH"), path);
    for (int wait = 0; wait < 500 && !wxFileExists(wxString::FromUTF8(opened)); ++wait)
        wxMilliSleep(10);
    std::ifstream file(opened);
    std::string url;
    std::getline(file, url);
    const std::string wanted = "/guide_en.html#result-keys";
    EXPECT_TRUE(url.size() > wanted.size() &&
                url.compare(url.size() - wanted.size(), wanted.size(), wanted) == 0)
        << url;
    ExpectNothingApplied();
}

// The typist's safety exit: a window no step expects, here a GTK message box
// (which is no wx dialog), fails the test within seconds and is closed,
// instead of waiting for a click until the run is killed.
TEST_F(DialogKeyboardTest, AnUnexpectedWindowFailsTheTestWithinSeconds) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NONFATAL_FAILURE(
        {
            Typist typist({});
            wxMessageBox(wxS("Nobody expects this box"));
        },
        "a dialog stayed open");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

}  // namespace
