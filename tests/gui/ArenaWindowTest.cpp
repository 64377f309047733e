// The arena network in the window: a finish-line result waits in the side
// panel, Accept takes the Game result dialog's path and the phones follow it
// and its undo; then the whole way through Debian's chromium at a phone's
// size.
#include <httplib.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/htmllbox.h>
#include <wx/process.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/stream.h>
#include <wx/textctrl.h>
#include <wx/txtstrm.h>

#include <regex>

#include "arena/ArenaSettings.h"
#include "dialogs/ArenaDialog.h"
#include "dialogs/GameResultDialog.h"
#include "frame/ArenaCommands.h"
#include "gui/DialogTesting.h"
#include "history/HistoryText.h"
#include "support/TestFiles.h"
#include "view/PageView.h"
#include "view/WaitingResultsPanel.h"

namespace {

class ArenaWindowTest : public EnglishFrameFixture {
protected:
    void SetUp() override {
        EnglishFrameFixture::SetUp();
        {
            zav::ArenaServer probe;  // a free port, closed again at once
            std::string reason;
            ASSERT_TRUE(probe.Start({"127.0.0.1", 0, false}, reason));
            port = probe.Port();
        }
        ASSERT_GT(port, 0);
        ASSERT_TRUE(zav::WriteArenaSettings(zav::Settings(SettingsFile()),
                                            {true, port, "127.0.0.1", false, {}, {}}));
        zav::ScoreSheet sheet = zavtest::Sample("small-heat.score");
        sheet.iGamesRunning = 3;  // three games entered in the window
        OpenFrameWith(sheet, temp.File("heat.score"));
        // The network starts once the window has painted its first page.
        EXPECT_FALSE(frame->Arena().Server().Running());
        ASSERT_TRUE(WaitUntil([this] { return frame->Arena().Server().Running(); }));
        frame->ComputeDisplaySheet();  // the sheet set in memory shown, and served
    }

    std::string Base() const { return "http://127.0.0.1:" + std::to_string(port); }

    httplib::Client Client() const { return httplib::Client("127.0.0.1", port); }

    // A judge past the entry code sends game 4 with the teams' places
    // `places` ("&t1=3&t2=2..."): the judge's cookie.
    httplib::Headers SendGame4(const std::string& places) {
        auto client = Client();
        const auto login = client.Post(
            "/entry/code", "code=" + frame->Arena().Server().EntryCode() + "&name=Finish++judge%0A",
            "application/x-www-form-urlencoded");
        EXPECT_EQ(login->status, 303);
        const std::string cookie = login->get_header_value("Set-Cookie");
        const httplib::Headers judge{{"Cookie", cookie.substr(0, cookie.find(';'))}};
        const std::string form = client.Get("/entry", judge)->body;
        const std::size_t mark = form.find("name=\"form\" value=\"") + 19;
        const std::string sheetMark = "name=\"sheet\" value=\"";
        const std::size_t sheetAt = form.find(sheetMark) + sheetMark.size();
        // The phones learn nothing of the scorer's folders.
        EXPECT_EQ(form.find(temp.Path()), std::string::npos);
        const std::string fields =
            "form=" + form.substr(mark, form.find('"', mark) - mark) +
            "&sheet=" + form.substr(sheetAt, form.find('"', sheetAt) - sheetAt) + "&game=4" +
            places;
        EXPECT_EQ(client.Post("/entry/result", judge, fields, "application/x-www-form-urlencoded")
                      ->status,
                  303);
        return judge;
    }

    void Click(wxButton* button) {
        wxCommandEvent click(wxEVT_BUTTON, button->GetId());
        click.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(click);
    }

    int port = 0;
};

// A browser starting on a busy machine takes its time: up to a minute.
bool WaitLong(const std::function<bool()>& done) {
    for (int i = 0; i < 6; ++i)
        if (WaitUntil(done)) return true;
    return false;
}

// A script of tests/browser/ driving Debian's chromium through puppeteer-core
// (from npm, installed into the build folder on first use), which tells
// what it saw in lines and hears the test's on its input.
class BrowserScript {
public:
    // "script.js arguments"; the shots folder ZAV_SHOTS names, if any, last.
    explicit BrowserScript(const wxString& script) {
        const wxString folder = wxString(wxS(ZAV_PROGRAM_DIR)) + wxS("/browser");
        if (!wxDirExists(folder + wxS("/node_modules/puppeteer-core"))) {
            wxMkdir(folder);
            wxArrayString output, errors;
            if (wxExecute(wxS("npm install --no-audit --no-fund --prefix ") + folder +
                              wxS(" puppeteer-core@25"),
                          output, errors, wxEXEC_SYNC) != 0) {
                lines_ = ToCore(wxJoin(errors, '\n'));
                return;
            }
        }
        wxExecuteEnv env;
        wxGetEnvMap(&env.env);
        env.env[wxS("NODE_PATH")] = folder + wxS("/node_modules");
        node_ = new wxProcess();
        node_->Redirect();
        pid_ = wxExecute(wxString(wxS("node ")) + wxS(ZAV_SOURCE_DIR) + wxS("/tests/browser/") +
                             script + wxS(" ") + wxString(wxGetenv(wxS("ZAV_SHOTS"))),
                         wxEXEC_ASYNC, node_, &env);
    }
    // The script closes its browser as it ends: killed at once, it would
    // leave chromium running. Puppeteer closes it on SIGTERM too.
    ~BrowserScript() {
        if (pid_ <= 0) return;
        const auto ended = [this] { return !wxProcess::Exists(pid_); };
        if (!WaitUntil(ended)) {
            wxProcess::Kill(pid_, wxSIGTERM);
            if (!WaitUntil(ended)) wxProcess::Kill(pid_, wxSIGKILL);
        }
    }

    // Whether the script said a line starting with `word` (within a minute)
    // and no "FAIL" before.
    bool Said(const std::string& word) {
        const auto saidIt = [&] { return lines_.find("\n" + word) != std::string::npos; };
        WaitLong([&] {
            Read();
            return saidIt() || lines_.find("FAIL") != std::string::npos;
        });
        return saidIt() && lines_.find("FAIL") == std::string::npos;
    }
    void Tell(const std::string& line) {
        if (node_) node_->GetOutputStream()->Write((line + "\n").data(), line.size() + 1);
    }
    bool Started() const { return pid_ > 0; }
    const std::string& Lines() {
        Read();
        return lines_;
    }

private:
    void Read() {
        if (!node_) return;
        wxTextInputStream said(*node_->GetInputStream());
        while (node_->IsInputAvailable()) lines_ += ToCore(said.ReadLine()) + "\n";
    }

    wxProcess* node_ = nullptr;
    long pid_ = 0;
    std::string lines_ = "\n";  // each line after a line end, as Said looks for it
};

TEST_F(ArenaWindowTest, AResultWaitsThenGoesTheGameResultPathAndThePhonesFollow) {
    auto client = Client();
    const httplib::Headers judge = SendGame4("&t1=3&t2=2&t3=1&t4=0");

    WaitingResultsPanel& panel = frame->WaitingResults();
    ASSERT_TRUE(WaitUntil([&] { return panel.list->GetCount() == 1; }));
    EXPECT_TRUE(panel.IsShown());
    // When, to the second, and from whom.
    EXPECT_TRUE(std::regex_search(
        ToCore(panel.list->GetString(0)),
        std::regex("^<b>Game 4, from the finish line, \\d\\d:\\d\\d:\\d\\d, Finish judge</b>")))
        << panel.list->GetString(0);
    EXPECT_TRUE(panel.list->GetString(0).EndsWith("</b><br>Alpha 4, Bravo 3, Charlie 2, Delta 1"))
        << panel.list->GetString(0);
    EXPECT_EQ(frame->Document().Sheet().iGamePlace[3][3], 0);  // nothing without the scorer
    const std::string before = client.Get("/")->body;

    Click(panel.accept);
    EXPECT_EQ(frame->Document().Sheet().iGamePlace[3][3], 1);
    // The record names the judge, the phone and when it was sent.
    const zav::HistoryEntry& entry = frame->Document().Sheet().history.back();
    EXPECT_EQ(entry.origin, zav::HistoryOrigin::FinishLine);
    EXPECT_EQ(entry.judge, "Finish judge");
    EXPECT_EQ(entry.phone, "127.0.0.1");
    EXPECT_FALSE(entry.edited);
    EXPECT_EQ(frame->Document().UndoStep(), "result of game 4");
    EXPECT_EQ(frame->Document().Sheet().iGamesRunning, 4);
    EXPECT_EQ(panel.list->GetCount(), 0u);
    const std::string after = client.Get("/")->body;
    EXPECT_NE(after, before);
    EXPECT_NE(client.Get("/entry/status?id=1", judge)->body.find(">accepted<"), std::string::npos);

    // The judge's phone hears of the undo, and of the redo.
    Run(ID_UNDO);
    EXPECT_EQ(client.Get("/")->body, before);
    EXPECT_NE(client.Get("/entry/status?id=1", judge)->body.find(">taken back by the scorer<"),
              std::string::npos);
    Run(ID_REDO);
    EXPECT_NE(client.Get("/entry/status?id=1", judge)->body.find(">accepted<"), std::string::npos);
}

// With "accept at once" on, a result arriving while the Game result dialog is
// open waits for it to close: the dialog puts its copy of the sheet back on
// OK, which would drop a result taken in behind it. Then it goes in, beside
// the scorer's own.
TEST_F(ArenaWindowTest, AcceptedAtOnceOnlyOnceTheScorersDialogIsClosed) {
    ASSERT_TRUE(zav::WriteArenaSettings(zav::Settings(SettingsFile()),
                                        {true, port, "127.0.0.1", true, {}, {}}));
    frame->Arena().ApplySettings();
    wxTEST_DIALOG(Run(ID_GAME_RESULT),
                  ExpectDialog<GameResultDialog>(wxID_OK, [this](GameResultDialog& d) {
                      d.game->Choose(4);
                      for (int t = 0; t < 4; ++t) d.results[t]->SetSelection(t);
                      SendGame4("&t1=3&t2=2&t3=1&t4=0");
                      ASSERT_TRUE(WaitUntil([&] { return frame->Arena().Waiting().size() == 1; }));
                      EXPECT_EQ(frame->Document().Sheet().iGamePlace[3][3], 0);
                  }));
    ASSERT_TRUE(WaitUntil([&] { return frame->Arena().Waiting().empty(); }));
    const zav::ScoreSheet& sheet = frame->Document().Sheet();
    EXPECT_EQ(sheet.iGamePlace[0][4], 1);  // the scorer's game 5
    EXPECT_EQ(sheet.iGamePlace[3][3], 1);  // and the judge's game 4
    EXPECT_EQ(frame->Document().UndoStep(), "result of game 4");
}

// Two judges send game 4 and the network is turned off at once: both results
// stay, each marked as a conflict; leaving the sheet asks first, opening on
// No.
TEST_F(ArenaWindowTest, TurnedOffItKeepsWhatWaitsAndLeavingTheSheetAsksFirst) {
    SendGame4("&t1=3&t2=2&t3=1&t4=0");
    SendGame4("&t1=0&t2=1&t3=2&t4=3");
    wxTEST_DIALOG(
        Run(ID_ARENA_NETWORK), ExpectDialog<ArenaDialog>(wxID_OK, [](ArenaDialog& d) {
            wxStaticCast(d.FindWindowByName(ArenaDialog::kOnName), wxCheckBox)->SetValue(false);
        }));
    EXPECT_FALSE(frame->Arena().Server().Running());
    WaitingResultsPanel& panel = frame->WaitingResults();
    ASSERT_EQ(panel.list->GetCount(), 2u);
    EXPECT_TRUE(panel.IsShown());
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(panel.list->GetString(i).Contains("conflict: another judge sent this game"))
            << panel.list->GetString(i);

    Click(panel.reject);
    ASSERT_EQ(panel.list->GetCount(), 1u);
    EXPECT_FALSE(panel.list->GetString(0).Contains("conflict"));
    wxString question;
    bool opensOnNo = false;
    wxTEST_DIALOG(Run(ID_QUIT), ExpectMessage(wxID_NO, &question, nullptr, &opensOnNo));
    EXPECT_EQ(question,
              "Results from the finish line waiting for your decision: 1. They will be rejected. "
              "Go on?");
    EXPECT_TRUE(opensOnNo);
    EXPECT_FALSE(FrameClosed());
    EXPECT_EQ(panel.list->GetCount(), 1u);
    wxTEST_DIALOG(Run(ID_QUIT), ExpectMessage(wxID_YES));
    EXPECT_TRUE(FrameClosed());
}

// Kept while the network is off, a result still goes in through Edit: the
// Game result dialog opens on its game with the judge's places; Cancel gives
// the sheet back as it was, OK stores what the scorer corrected.
TEST_F(ArenaWindowTest, TurnedOffAKeptResultIsCorrectedThroughTheGameResultDialog) {
    SendGame4("&t1=3&t2=2&t3=1&t4=0");
    wxTEST_DIALOG(
        Run(ID_ARENA_NETWORK), ExpectDialog<ArenaDialog>(wxID_OK, [](ArenaDialog& d) {
            wxStaticCast(d.FindWindowByName(ArenaDialog::kOnName), wxCheckBox)->SetValue(false);
        }));
    WaitingResultsPanel& panel = frame->WaitingResults();
    ASSERT_EQ(panel.list->GetCount(), 1u);
    wxTEST_DIALOG(Click(panel.edit), ExpectDialog<GameResultDialog>(wxID_CANCEL, [](auto& d) {
                      EXPECT_EQ(d.game->GetStringSelection(), wxS("4"));
                      EXPECT_EQ(ShownIn(d.results), (std::vector<std::string>{"4", "3", "2", "1"}));
                      // What the sheet held, not the judge's result shown above.
                      EXPECT_EQ(d.history->GetValue(), wxS("No change recorded for this game."));
                      d.game->Choose(0);
                      EXPECT_TRUE(d.history->GetValue().StartsWith(
                          wxS("Alpha 1, Bravo 2, Charlie 2, Delta E: origin not recorded")));
                  }));
    EXPECT_EQ(frame->Document().Sheet().iGamePlace[0][3], 0);
    EXPECT_EQ(frame->Document().Sheet().iGamesRunning, 3);
    EXPECT_EQ(frame->Document().State(), SheetState::Unchanged);
    EXPECT_EQ(panel.list->GetCount(), 1u);

    wxTEST_DIALOG(Click(panel.edit), ExpectDialog<GameResultDialog>(wxID_OK, [](auto& d) {
                      d.results[0]->SetSelection(0);  // Alpha first, not fourth
                      d.results[3]->SetSelection(3);
                  }));
    const zav::ScoreSheet& sheet = frame->Document().Sheet();
    EXPECT_EQ(sheet.iGamePlace[0][3], 1);
    EXPECT_EQ(sheet.iGamePlace[1][3], 3);
    EXPECT_EQ(sheet.iGamePlace[3][3], 4);
    EXPECT_EQ(sheet.iGamesRunning, 4);
    EXPECT_EQ(frame->Document().UndoStep(), "result of game 4");
    EXPECT_EQ(panel.list->GetCount(), 0u);
    EXPECT_EQ(frame->Document().State(), SheetState::Changed);
    EXPECT_TRUE(sheet.history.back().edited);
    EXPECT_NE(zav::DescribeEntry(sheet.history.back(), zav::Language::English)
                  .find("the judge sent: Alpha 4, Bravo 3, Charlie 2, Delta 1"),
              std::string::npos);
}

// The waiting results from the keyboard: Delete rejects, F2 edits, Enter
// accepts. (F6, which moves the focus, needs the display's focus, which
// tests sharing a display take from one another.)
TEST_F(ArenaWindowTest, TheWaitingResultsAnswerTheKeyboard) {
    SendGame4("&t1=3&t2=2&t3=1&t4=0");
    SendGame4("&t1=0&t2=1&t3=2&t4=3");
    WaitingResultsPanel& panel = frame->WaitingResults();
    ASSERT_TRUE(WaitUntil([&] { return panel.list->GetCount() == 2; }));
    const auto press = [](wxWindow* window, int key) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    };
    press(panel.list, WXK_DELETE);
    ASSERT_EQ(panel.list->GetCount(), 1u);
    wxTEST_DIALOG(press(panel.list, WXK_F2),
                  ExpectDialog<GameResultDialog>(wxID_CANCEL, [](GameResultDialog& d) {
                      EXPECT_EQ(ShownIn(d.results), (std::vector<std::string>{"1", "2", "3", "4"}));
                  }));
    press(panel.list, WXK_RETURN);
    EXPECT_EQ(panel.list->GetCount(), 0u);
    EXPECT_EQ(frame->Document().Sheet().iGamePlace[0][3], 1);
}

// Turned on, the dialog comes back at once with the address, its QR code
// and the entry code; a new port that cannot be opened leaves the phones on
// the old one.
TEST_F(ArenaWindowTest, TurnedOnItShowsWhereToGoAndAPortInUseKeepsTheOld) {
    const auto turn = [](bool on) {
        return ExpectDialog<ArenaDialog>(wxID_OK, [on](ArenaDialog& d) {
            wxStaticCast(d.FindWindowByName(ArenaDialog::kOnName), wxCheckBox)->SetValue(on);
        });
    };
    wxTEST_DIALOG(Run(ID_ARENA_NETWORK), turn(false));
    ASSERT_FALSE(frame->Arena().Server().Running());
    wxString shown;
    wxTEST_DIALOG(Run(ID_ARENA_NETWORK), turn(true),
                  ExpectDialog<ArenaDialog>(wxID_CANCEL, [&](ArenaDialog& d) {
                      EXPECT_NE(d.FindWindowByName(ArenaDialog::kQrName), nullptr);
                      for (const wxWindow* child : d.GetChildren()) shown += child->GetLabel();
                  }));
    ASSERT_TRUE(frame->Arena().Server().Running());
    EXPECT_TRUE(shown.Contains(FromCore(frame->Arena().Server().EntryCode()))) << shown;
    EXPECT_TRUE(shown.Contains(FromCore(frame->Arena().Address()))) << shown;

    port = frame->Arena().Server().Port();
    zav::ArenaServer other;
    std::string reason;
    ASSERT_TRUE(other.Start({"127.0.0.1", 0, false}, reason));
    wxTEST_DIALOG(Run(ID_ARENA_NETWORK),
                  ExpectDialog<ArenaDialog>(
                      wxID_OK,
                      [&](ArenaDialog& d) {
                          wxStaticCast(d.FindWindowByName(ArenaDialog::kPortName), wxSpinCtrl)
                              ->SetValue(other.Port());
                      }),
                  ExpectMessage(wxID_OK));
    EXPECT_TRUE(frame->Arena().Server().Running());
    EXPECT_EQ(frame->Arena().Server().Port(), port);
    EXPECT_EQ(Client().Get("/")->status, 200);
}

// The judge's and the spectator's phones in chromium.
TEST_F(ArenaWindowTest, BrowserPhonesSeeTheAcceptedResultWithinASecond) {
    BrowserScript phones(wxS("arena-phone.js ") + FromCore(Base()) + wxS(" ") +
                         FromCore(frame->Arena().Server().EntryCode()));
    ASSERT_TRUE(phones.Started()) << phones.Lines();
    WaitingResultsPanel& panel = frame->WaitingResults();
    ASSERT_TRUE(phones.Said("SENT")) << phones.Lines();
    ASSERT_TRUE(WaitUntil([&] { return panel.list->GetCount() == 1; }));
    Click(panel.accept);
    phones.Tell("ACCEPTED");
    EXPECT_TRUE(phones.Said("JUDGE accepted")) << phones.Lines();
    EXPECT_TRUE(phones.Said("LIVE")) << phones.Lines();
}

// The big-screen board follows an accepted result, and the scorer's choice
// of its views made in the window.
TEST_F(ArenaWindowTest, BrowserBoardFollowsTheSheetAndTheScorersChoice) {
    zav::ScoreSheet& sheet = frame->Document().EditSheet();
    sheet.iChallengeScoring = 4;
    sheet.sChallengeTitle = "Juniors";
    for (int t = 0; t < 3; ++t) sheet.bChallengeTeam[t] = true;
    frame->ComputeDisplaySheet();
    BrowserScript board(wxS("arena-board.js ") + FromCore(Base()));
    ASSERT_TRUE(board.Said("READY")) << board.Lines();
    SendGame4("&t1=3&t2=2&t3=1&t4=0");
    WaitingResultsPanel& panel = frame->WaitingResults();
    ASSERT_TRUE(WaitUntil([&] { return panel.list->GetCount() == 1; }));
    Click(panel.accept);
    board.Tell("ACCEPTED");
    ASSERT_TRUE(board.Said("LIVE")) << board.Lines();
    wxTEST_DIALOG(Run(ID_ARENA_NETWORK), ExpectDialog<ArenaDialog>(wxID_OK, [](ArenaDialog& d) {
                      wxStaticCast(d.FindWindowByName(ArenaDialog::kBoardName), wxChoice)
                          ->SetSelection(static_cast<int>(zav::BoardView::Challenge));
                  }));
    board.Tell("CHOSEN");
    EXPECT_TRUE(board.Said("FOLLOWED")) << board.Lines();
}

// A result sent while the judge's phone is cut off is kept there, then sent
// by itself once the network is back, and counted once; the window lists
// the judge's phone.
TEST_F(ArenaWindowTest, BrowserPhoneOutOfReachSendsItsResultOnceTheNetworkIsBack) {
    BrowserScript judge(wxS("arena-offline.js ") + FromCore(Base()) + wxS(" ") +
                        FromCore(frame->Arena().Server().EntryCode()));
    ASSERT_TRUE(judge.Said("KEPT")) << judge.Lines();
    WaitingResultsPanel& panel = frame->WaitingResults();
    EXPECT_TRUE(WaitUntil([&] {
        return panel.judges->GetLabel().StartsWith("Finish judge: connected");
    })) << panel.judges->GetLabel();
    frame->Arena().TakeArrivals();
    EXPECT_EQ(panel.list->GetCount(), 0u);
    judge.Tell("BACK");
    EXPECT_TRUE(judge.Said("SENT")) << judge.Lines();
    ASSERT_TRUE(WaitUntil([&] { return panel.list->GetCount() == 1; }));
    EXPECT_TRUE(panel.list->GetString(0).Contains("Finish judge")) << panel.list->GetString(0);
}

}  // namespace
