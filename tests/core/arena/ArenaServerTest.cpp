// The arena server on loopback, through a real HTTP client: the pages, the
// live updates, the entry code and its lockout, bad requests refused without
// a change, and two judges on one game.
#include <gtest/gtest.h>
#include <httplib.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <functional>
#include <mutex>
#include <regex>

#include "arena/ArenaServer.h"
#include "arena/ArenaSite.h"
#include "arena/EntryGate.h"
#include "arena/EntryPages.h"
#include "arena/IoThread.h"
#include "arena/JudgeCard.h"
#include "arena/WaitingResults.h"
#include "core/report/PageTesting.h"
#include "encoding/Markup.h"

namespace zav {
namespace {

std::shared_ptr<ArenaSnapshot> SnapshotOf(const ScoreSheet& sheet) {
    auto shot = std::make_shared<ArenaSnapshot>();
    shot->language = Language::English;
    shot->sheets.push_back(
        BuildArenaSheet(sheet, {1, 1}, Language::English, zavtest::ColourStyle()));
    shot->entry = EntrySheet{sheet, "heat-1"};
    ScreenSource screens;
    screens.sheet = &sheet;
    shot->screens = BuildScreenPages(screens);
    shot->logoName = "logo.png";
    shot->logoBytes = "PNG bytes";
    return shot;
}

// A client of no manners: raw bytes on a socket of its own.
class RawClient {
public:
    explicit RawClient(int port) : socket_(io_) {
        socket_.connect(
            {boost::asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)});
    }
    // False once the server has closed the connection.
    bool Send(const std::string& bytes) {
        boost::system::error_code error;
        boost::asio::write(socket_, boost::asio::buffer(bytes), error);
        return !error;
    }
    // What the server says within `limit`; `closed` tells whether it then
    // closed the connection.
    std::string Read(std::chrono::milliseconds limit, bool* closed = nullptr) {
        std::string heard;
        bool ended = false;
        char buffer[4096];
        std::function<void()> more = [&] {
            socket_.async_read_some(boost::asio::buffer(buffer),
                                    [&](boost::system::error_code error, std::size_t got) {
                                        heard.append(buffer, got);
                                        if (!error)
                                            more();
                                        else if (error != boost::asio::error::operation_aborted)
                                            ended = true;
                                    });
        };
        more();
        io_.restart();
        io_.run_for(limit);
        if (!ended) {
            socket_.cancel();
            io_.restart();
            io_.run();
        }
        if (closed) *closed = ended;
        return heard;
    }

private:
    boost::asio::io_context io_;
    boost::asio::ip::tcp::socket socket_;
};

class ArenaServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sheet.iGamesRunning = 3;  // three games entered in the window
        std::string reason;
        ASSERT_TRUE(server.Start({"127.0.0.1", 0, true}, reason)) << reason;
        server.SetSnapshot(SnapshotOf(sheet));
    }

    httplib::Client Client() {
        httplib::Client client("127.0.0.1", server.Port());
        client.set_read_timeout(5, 0);
        return client;
    }

    // A judge's phone past the entry code: its session cookie.
    httplib::Headers Judge() {
        auto answer = Client().Post("/entry/code", "code=" + server.EntryCode(),
                                    "application/x-www-form-urlencoded");
        EXPECT_EQ(answer->status, 303);
        const std::string cookie = answer->get_header_value("Set-Cookie");
        return {{"Cookie", cookie.substr(0, cookie.find(';'))}};
    }

    // A fresh result form's one-use mark.
    std::string Form(const httplib::Headers& judge) {
        const auto page = Client().Get("/entry", judge);
        std::smatch found;
        EXPECT_TRUE(
            std::regex_search(page->body, found, std::regex("name=\"form\" value=\"(\\w+)\"")));
        return found[1];
    }

    httplib::Result Send(const httplib::Headers& judge, const std::string& fields) {
        return Client().Post("/entry/result", judge, fields, "application/x-www-form-urlencoded");
    }

    ScoreSheet sheet = zavtest::Sample("small-heat.score");
    ArenaServer server;
};

TEST_F(ArenaServerTest, ServesThePagesAndNoFile) {
    auto client = Client();
    const auto shot = SnapshotOf(sheet);
    EXPECT_EQ(client.Get("/")->body, shot->sheets[0].phonePage);
    EXPECT_EQ(client.Get("/sheet")->body, shot->sheets[0].sheetPage);
    EXPECT_EQ(client.Get("/logo.png")->body, "PNG bytes");
    EXPECT_EQ(client.Get("/board")->body, shot->screens.board);
    EXPECT_EQ(client.Get("/overlay")->body, shot->screens.overlay);
    EXPECT_EQ(client.Get("/announcer")->body, shot->screens.announcer);
    for (const char* path : {"/../CMakeLists.txt", "/etc/passwd", "/%2e%2e/etc/passwd",
                             "/sheet.html", "/?s=2", "/sheet?s=x", "/entry/../README.md"})
        EXPECT_EQ(client.Get(path)->status, 404) << path;
    // Pages without screens: the screens of no sheet, which follow.
    auto none = std::make_shared<ArenaSnapshot>();
    none->language = Language::English;
    server.SetSnapshot(none);
    EXPECT_NE(client.Get("/board")->body.find("No sheet is open"), std::string::npos);
}

TEST_F(ArenaServerTest, WatchersHearOfEveryNewSnapshotAndEveryDecision) {
    std::mutex heardMutex;
    std::string heard;
    std::thread watcher([&] {
        httplib::Client client("127.0.0.1", server.Port());
        client.Get("/events", [&](const char* data, std::size_t length) {
            std::lock_guard<std::mutex> lock(heardMutex);
            heard.append(data, length);
            return heard.find("event: decided") == std::string::npos;
        });
    });
    // Whether `what` comes after the first `from` bytes heard.
    const auto hears = [&](std::size_t from, const std::string& what) {
        for (int i = 0; i < 500; ++i) {
            {
                std::lock_guard<std::mutex> lock(heardMutex);
                if (heard.find(what, from) != std::string::npos) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    };
    const auto heardSoFar = [&] {
        std::lock_guard<std::mutex> lock(heardMutex);
        return heard.size();
    };
    while (!hears(0, "retry:")) continue;

    // A result accepted, then taken back: the page follows both.
    ScoreSheet changed = sheet;
    changed.iGamePlace[0][3] = 1;
    std::size_t before = heardSoFar();
    server.SetSnapshot(SnapshotOf(changed));
    EXPECT_TRUE(hears(before, "data: "));
    EXPECT_EQ(Client().Get("/")->body, SnapshotOf(changed)->sheets[0].phonePage);
    before = heardSoFar();
    server.SetSnapshot(SnapshotOf(sheet));
    EXPECT_TRUE(hears(before, "data: "));
    EXPECT_EQ(Client().Get("/")->body, SnapshotOf(sheet)->sheets[0].phonePage);

    // The scorer's decision reaches the judge's waiting page at once, as an
    // event of its own kind (the live pages do not reload for it).
    const httplib::Headers judge = Judge();
    ASSERT_EQ(Send(judge, "sheet=heat-1&game=4&t1=0&t2=1&t3=2&t4=3&form=" + Form(judge))->status,
              303);
    server.Decide(server.TakeArrivals().at(0).id, true);
    EXPECT_TRUE(hears(0, "event: decided\ndata: 1\n\n"));
    watcher.join();
}

TEST_F(ArenaServerTest, EntryNeedsTheCodeAndLocksAfterFiveWrongOnes) {
    auto client = Client();
    EXPECT_NE(client.Get("/entry")->body.find("name=\"code\""), std::string::npos);
    // The game the Game result dialog proposes is chosen.
    const httplib::Headers judge = Judge();
    EXPECT_NE(client.Get("/entry", judge)->body.find("<option value=\"4\" selected>"),
              std::string::npos);

    // Another start of the network, another code: the session is unknown there.
    ArenaServer other;
    std::string reason;
    ASSERT_TRUE(other.Start({"127.0.0.1", 0, true}, reason));
    other.SetSnapshot(SnapshotOf(sheet));
    httplib::Client otherClient("127.0.0.1", other.Port());
    EXPECT_EQ(otherClient.Get("/entry", judge)->body.find("name=\"form\""), std::string::npos);

    // Phones behind one address are told apart by the mark the code page
    // gives them: one judge's five wrong codes lock out only that phone.
    const auto phone = [&] {
        const std::string cookie = client.Get("/entry")->get_header_value("Set-Cookie");
        return httplib::Headers{{"Cookie", cookie.substr(0, cookie.find(';'))}};
    };
    const auto tryCode = [&](const httplib::Headers& device, const std::string& code) {
        const auto answer =
            client.Post("/entry/code", device, "code=" + code, "application/x-www-form-urlencoded");
        EXPECT_EQ(answer->status == 303, answer->has_header("Set-Cookie")) << code;
        return answer->status;
    };
    // Six digits, as the entry page asks for.
    EXPECT_EQ(server.EntryCode().size(), 6u);
    EXPECT_EQ(server.EntryCode().find_first_not_of("0123456789"), std::string::npos);
    const std::string wrong = server.EntryCode() == "000000" ? "000001" : "000000";
    const httplib::Headers slipping = phone(), neighbour = phone();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tryCode(slipping, wrong), 403);
    EXPECT_EQ(tryCode(slipping, server.EntryCode()), 429);
    EXPECT_EQ(tryCode(neighbour, server.EntryCode()), 303);
    // A client that makes up a new mark at each try meets the address's cap.
    const auto madeUp = [] { return httplib::Headers{{"Cookie", "zav_device=" + RandomHex(16)}}; };
    for (int i = 0; i < 15; ++i) EXPECT_EQ(tryCode(madeUp(), wrong), 403);
    EXPECT_EQ(tryCode(madeUp(), server.EntryCode()), 429);
    EXPECT_EQ(server.RefusedAttempts(), 22);
}

// A flood of made-up phones cannot fill the memory: past a few thousand, the
// phones and addresses not locked out are forgotten (a slipping judge's
// count with them); one locked out stays locked.
TEST(EntryGate, AFloodOfPhonesForgetsThoseNotLockedOut) {
    EntryGate gate;
    const std::string wrong = gate.Code() == "000000" ? "000001" : "000000";
    const EntryGate::Clock::time_point now = EntryGate::Clock::now();
    std::string token;
    const auto tryFrom = [&](const std::string& address, const std::string& device) {
        return gate.TryCode(address, device, wrong, now, token);
    };
    for (int i = 0; i < 4; ++i) tryFrom("10.0.0.1", "slipping");
    for (int i = 0; i < 5; ++i) tryFrom("10.0.0.2", "locked");
    for (int i = 0; i < 5000; ++i)
        tryFrom("10.1." + std::to_string(i / 250) + "." + std::to_string(i % 250),
                "flood" + std::to_string(i));
    EXPECT_EQ(tryFrom("10.0.0.1", "slipping"), EntryGate::CodeCheck::Wrong);
    EXPECT_EQ(tryFrom("10.0.0.1", "slipping"), EntryGate::CodeCheck::Wrong);
    EXPECT_EQ(tryFrom("10.0.0.2", "locked"), EntryGate::CodeCheck::LockedOut);
}

TEST_F(ArenaServerTest, BadResultsAreRefusedWithoutAChange) {
    const httplib::Headers judge = Judge();
    const std::string form = Form(judge);
    const std::string good = "sheet=heat-1&form=" + form;
    const struct {
        std::string fields;
        int status;
        const char* message;
    } bad[] = {
        {good + "&game=4&t1=0&t2=1&t3=2&t4=7", 400, "Unknown place"},
        {good + "&game=7&t1=0&t2=1&t3=2&t4=3", 400, "does not exist"},
        {good + "&game=0&t1=0&t2=1&t3=2&t4=3", 400, "does not exist"},
        {good + "&game=4&t1=0&t2=1&t3=2", 400, "malformed"},
        {good + "&game=4&t1=0&t2=1&t3=2&t4=3&t5=0", 400, "malformed"},
        {good + "&game=4&t1=0&t1=1&t2=1&t3=2&t4=3", 400, "malformed"},
        {good + "&game=4&t1=x&t2=1&t3=2&t4=3", 400, "Unknown place"},
        {good + "&game=4&t1=&t2=&t3=&t4=", 400, "No place"},
        {good + "&game=4&t1=0&t2=1&t3=2&t4=3&b2=yes", 400, "malformed"},
        {"sheet=heat-2&form=" + form + "&game=4&t1=0&t2=1&t3=2&t4=3", 409, "has changed"},
        {"sheet=heat-1&form=0123&game=4&t1=0&t2=1&t3=2&t4=3", 409, "already sent"},
    };
    for (const auto& request : bad) {
        const auto answer = Send(judge, request.fields);
        EXPECT_EQ(answer->status, request.status) << request.fields;
        EXPECT_NE(answer->body.find(request.message), std::string::npos) << answer->body;
    }
    const auto foreign = Send({{"Cookie", "zav_session=0123456789abcdef0123456789abcdef"}},
                              good + "&game=4&t1=0&t2=1&t3=2&t4=3");
    EXPECT_EQ(foreign->status, 403);
    EXPECT_TRUE(server.TakeArrivals().empty());

    // The same form, mended, goes through once.
    EXPECT_EQ(Send(judge, good + "&game=4&t1=0&t2=1&t3=6&t4=3&b3=1")->status, 303);
    EXPECT_EQ(Send(judge, good + "&game=4&t1=0&t2=1&t3=6&t4=3&b3=1")->status, 409);
    const auto arrived = server.TakeArrivals();
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0].game, 3);
    EXPECT_EQ(arrived[0].codes[2], kDefinitiveAbandon);
    EXPECT_TRUE(arrived[0].blames[2]);
}

TEST_F(ArenaServerTest, TwoJudgesOnOneGameAndTheDecisionOnTheirPhones) {
    const httplib::Headers first = Judge(), second = Judge();
    const std::string result = "sheet=heat-1&game=4&t1=0&t2=1&t3=2&t4=3&form=";
    const auto sent = Send(first, result + Form(first));
    ASSERT_EQ(sent->status, 303);
    const std::string status = sent->get_header_value("Location");
    EXPECT_EQ(Send(second, result + Form(second))->status, 303);
    EXPECT_EQ(Send(second, "sheet=heat-1&game=1&t1=0&t2=1&t3=2&t4=3&form=" + Form(second))->status,
              303);
    const auto arrived = server.TakeArrivals();
    ASSERT_EQ(arrived.size(), 3u);
    WaitingResults waiting;
    waiting.Arrive(arrived, false);
    EXPECT_EQ(waiting.MarkOf(0, sheet, "heat-1"), WaitingMark::SameGameWaiting);
    EXPECT_EQ(waiting.MarkOf(1, sheet, "heat-1"), WaitingMark::SameGameWaiting);
    EXPECT_EQ(waiting.MarkOf(2, sheet, "heat-1"), WaitingMark::GameHasResult);

    EXPECT_NE(Client().Get(status, first)->body.find(">received<"), std::string::npos);
    EXPECT_EQ(Client().Get(status, second)->status, 404);  // not its result
    server.Decide(arrived[0].id, true);
    server.Decide(arrived[1].id, false);
    EXPECT_NE(Client().Get(status, first)->body.find(">accepted<"), std::string::npos);
    EXPECT_NE(Client()
                  .Get("/entry/status?id=" + std::to_string(arrived[1].id), second)
                  ->body.find(">rejected<"),
              std::string::npos);

    // A start of the network later, results go on being numbered: a decision
    // on one kept from before never reaches a new judge.
    server.Stop();
    std::string reason;
    ASSERT_TRUE(server.Start({"127.0.0.1", 0, true}, reason));
    server.SetSnapshot(SnapshotOf(sheet));
    const httplib::Headers third = Judge();
    ASSERT_EQ(Send(third, result + Form(third))->status, 303);
    EXPECT_GT(server.TakeArrivals().at(0).id, arrived[2].id);
}

// A phone out of reach sends its result again and again with the id it made
// for it: counted once, each try answered with the first one's status, also
// after the network was stopped and started again. Several results kept on
// one form each go in with their own id. The judge's phone is listed.
TEST_F(ArenaServerTest, AResultSentThreeTimesIsCountedOnce) {
    const httplib::Headers judge = Judge();
    const std::string form = Form(judge);
    const std::string result = "sheet=heat-1&game=4&t1=0&t2=1&t3=2&t4=3&form=" + form;
    const std::string phoneId = "&uid=" + RandomHex(16);
    std::string status;
    for (int i = 0; i < 3; ++i) {
        const auto answer = Send(judge, result + phoneId);
        ASSERT_EQ(answer->status, 303);
        if (i == 0) status = answer->get_header_value("Location");
        EXPECT_EQ(answer->get_header_value("Location"), status);
    }
    EXPECT_EQ(server.TakeArrivals().size(), 1u);
    EXPECT_EQ(Send(judge, result + "&uid=short")->status, 400);
    EXPECT_EQ(Send(judge,
                   "sheet=heat-1&game=5&t1=0&t2=1&t3=2&t4=3&form=" + form + "&uid=" + RandomHex(16))
                  ->status,
              303);
    EXPECT_EQ(server.TakeArrivals().size(), 1u);
    const std::vector<JudgePhone> judges = server.Judges();
    ASSERT_EQ(judges.size(), 1u);
    EXPECT_EQ(judges[0].name, "127.0.0.1");  // no name given: the phone's address
    EXPECT_TRUE(judges[0].connected);

    server.Stop();
    std::string reason;
    ASSERT_TRUE(server.Start({"127.0.0.1", 0, true}, reason));
    server.SetSnapshot(SnapshotOf(sheet));
    const httplib::Headers again = Judge();
    const auto answer = Send(again, "sheet=heat-1&game=4&t1=0&t2=1&t3=2&t4=3" + phoneId);
    EXPECT_EQ(answer->get_header_value("Location"), status);
    EXPECT_TRUE(server.TakeArrivals().empty());
    EXPECT_NE(Client().Get(status, again)->body.find(">received<"), std::string::npos);
}

TEST(ArenaServer, NamesWhyItCannotOpenThePort) {
    ArenaServer first, second;
    std::string reason;
    ASSERT_TRUE(first.Start({"127.0.0.1", 0, false}, reason));
    EXPECT_FALSE(second.Start({"127.0.0.1", first.Port(), false, Language::German}, reason));
    EXPECT_EQ(reason, Text(Language::German, TextId::ArenaPortInUse));
    EXPECT_FALSE(second.Running());
    // An address of no interface here (a documentation address: nothing is sent).
    EXPECT_FALSE(second.Start({"192.0.2.1", 0, false}, reason));
    EXPECT_EQ(reason, "the address 192.0.2.1 is not one of this computer's interfaces");
    httplib::Client client("127.0.0.1", first.Port());
    EXPECT_EQ(client.Get("/entry")->status, 404);  // entry off
}

// A device sending an endless head, or a body larger than any form, is told
// so and cut off after a few kilobytes; the server goes on serving.
TEST_F(ArenaServerTest, AnEndlessHeadOrAHugeBodyIsRefusedAndCutOff) {
    RawClient endless(server.Port());
    ASSERT_TRUE(endless.Send("GET / HTTP/1.1\r\nHost: x\r\n"));
    const std::string line = "X-Filler: " + std::string(8 * 1024, 'x') + "\r\n";
    int sent = 0;
    while (sent < 1000 && endless.Send(line)) ++sent;  // at most 8 MB
    bool closed = false;
    EXPECT_EQ(endless.Read(std::chrono::seconds(5), &closed).rfind("HTTP/1.1 431", 0), 0u);
    EXPECT_TRUE(closed);

    RawClient huge(server.Port());
    huge.Send("POST /entry/code HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\n" +
              std::string(20 * 1024, 'c'));
    EXPECT_EQ(huge.Read(std::chrono::seconds(5), &closed).rfind("HTTP/1.1 413", 0), 0u);
    EXPECT_TRUE(closed);
    EXPECT_EQ(Client().Get("/")->status, 200);
}

// The deadline runs from a request's first byte: a byte now and then does not
// keep the connection.
TEST(ArenaServerBounds, ASlowSenderIsCutAtItsRequestsDeadline) {
    ArenaServer server;
    ArenaOptions options{"127.0.0.1", 0, true};
    options.requestDeadline = std::chrono::milliseconds(500);
    std::string reason;
    ASSERT_TRUE(server.Start(options, reason));
    RawClient slow(server.Port());
    const std::string request = "GET / HTTP/1.1\r\nHost: x\r\nX-Slow: ";
    bool closed = false;
    int bytes = 0;
    // A byte every 100 ms: 20 of them are four deadlines.
    while (bytes < 20 && !closed) {
        slow.Send(std::string(1, request[bytes % request.size()]));
        ++bytes;
        slow.Read(std::chrono::milliseconds(100), &closed);
    }
    EXPECT_TRUE(closed);
    EXPECT_LT(bytes, 20);
}

// Slow senders and watchers from one address cannot crowd out a judge there:
// the oldest pending connections of the address make room for new ones,
// watchers have their own bound, and one that leaves frees its place at once.
TEST(ArenaServerBounds, OneAddressCannotCrowdOutAJudge) {
    ArenaServer server;
    ArenaOptions options{"127.0.0.1", 0, true};
    options.limits = {200, 8, 30};
    std::string reason;
    ASSERT_TRUE(server.Start(options, reason));
    std::vector<std::unique_ptr<RawClient>> slow, watching;
    for (int i = 0; i < 40; ++i) {
        slow.push_back(std::make_unique<RawClient>(server.Port()));
        slow.back()->Send("GET / HTTP/1.1\r\n");
    }
    for (int i = 0; i < 31; ++i) {
        watching.push_back(std::make_unique<RawClient>(server.Port()));
        watching.back()->Send("GET /events HTTP/1.1\r\nHost: x\r\n\r\n");
    }
    EXPECT_NE(watching.back()->Read(std::chrono::seconds(2)).find("HTTP/1.1 503"),
              std::string::npos);
    for (int i = 0; i < 200 && server.Watchers() < 30; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(server.Watchers(), 30);

    httplib::Client judge("127.0.0.1", server.Port());
    judge.set_read_timeout(5, 0);
    const auto answer = judge.Post("/entry/code", "code=" + server.EntryCode(),
                                   "application/x-www-form-urlencoded");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 303);

    watching.erase(watching.begin());
    for (int i = 0; i < 200 && server.Watchers() == 30; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(server.Watchers(), 29);
}

// Wrong codes from addresses and phones that keep changing: past the
// network's budget a new code is drawn, and the judges already in stay in.
TEST(EntryGate, TheNetworksWrongCodesDrawANewOne) {
    EntryGate gate;
    const EntryGate::Clock::time_point now = EntryGate::Clock::now();
    std::string judge, token;
    ASSERT_EQ(gate.TryCode("10.0.0.1", "", gate.Code(), now, judge),
              EntryGate::CodeCheck::Accepted);
    const std::string first = gate.Code();
    const std::string wrong = first == "000000" ? "000001" : "000000";
    for (int i = 0; i < EntryGate::kMaxWrongCodesNetwork - 1; ++i)
        gate.TryCode("10.1.0." + std::to_string(i), "", wrong, now, token);
    EXPECT_EQ(gate.Code(), first);
    EXPECT_EQ(gate.CodesDrawn(), 0);
    // Spread over more than the window, they never add up.
    gate.TryCode("10.2.0.1", "", wrong, now + EntryGate::kNetworkWindow, token);
    EXPECT_EQ(gate.Code(), first);
    for (int i = 0; i < EntryGate::kMaxWrongCodesNetwork; ++i)
        gate.TryCode("10.3.0." + std::to_string(i), "", wrong, now + EntryGate::kNetworkWindow,
                     token);
    EXPECT_EQ(gate.CodesDrawn(), 1);
    EXPECT_TRUE(gate.IsSession(judge));
    EXPECT_EQ(gate.TryCode("10.0.0.2", "", first, now + EntryGate::kNetworkWindow, token) ==
                  EntryGate::CodeCheck::Accepted,
              gate.Code() == first);  // the old code no longer opens (unless drawn again)
}

// A fault on the server's thread is counted there, and the thread goes on
// with the other connections' work: it never ends the program.
TEST(ArenaServerBounds, AFaultOnTheIoThreadIsCaughtThere) {
    boost::asio::io_context io;
    std::atomic<int> faults{0};
    bool after = false;
    boost::asio::post(io, [] { throw std::runtime_error("a fault of ours"); });
    boost::asio::post(io, [] { throw 42; });
    boost::asio::post(io, [&] { after = true; });
    std::thread thread([&] { RunCatchingFaults(io, faults); });
    thread.join();
    EXPECT_EQ(faults, 2);
    EXPECT_TRUE(after);
}

// Phones told to come back between 2 and 5 seconds, each its own.
TEST(ArenaSite, WatchersComeBackSpreadOverThreeSeconds) {
    EXPECT_EQ(EventStreamGreeting(0), "retry: 2000\n\n");
    EXPECT_EQ(EventStreamGreeting(3000), "retry: 5000\n\n");
    EXPECT_EQ(EventStreamGreeting(3001), "retry: 2000\n\n");
}

// The name a judge types is one line of whole characters, however typed.
TEST(EntryPages, AJudgesNameIsOneLineOfWholeCharacters) {
    EXPECT_EQ(JudgeName(" Juge\t d'arrivée \r\n"), "Juge d'arrivée");
    const std::string accents(30, 'a');
    const std::string cut = JudgeName(accents + "éééééééé");  // 30 + 16 bytes
    EXPECT_EQ(cut, accents + "ééééé");
    EXPECT_LE(cut.size(), kMaxJudgeName);
}

// The judge's card: the address a phone can open (escaped as markup, the
// QR picture named as given), the code and the steps in the card's language.
TEST(JudgeCard, CarriesTheAddressTheCodeAndTheStepsInItsLanguage) {
    const std::string card = JudgeCardPage("http://192.168.1.10:8080/entry?a&b", "4821",
                                           "memory:qr-1.png", Language::German);
    EXPECT_NE(card.find(">http://192.168.1.10:8080/entry?a&amp;b<"), std::string::npos);
    EXPECT_NE(card.find("src=\"memory:qr-1.png\""), std::string::npos);
    EXPECT_NE(card.find(">4821<"), std::string::npos);
    for (const TextId step :
         {TextId::JudgeCardStepOpen, TextId::JudgeCardStepCode, TextId::JudgeCardStepSend})
        EXPECT_NE(card.find(EscapeMarkup(Text(Language::German, step))), std::string::npos);
}

// A set whose second sheet could not be read: the open sheet still takes its
// own file's place, once; one the set's readable sheets lack comes last.
TEST(ArenaSnapshot, TheOpenSheetTakesItsOwnFilesPlaceInTheSet) {
    ArenaSnapshot saved;
    saved.sheets = {{"Heat 1", "", "", "h1.pscore"}, {"Heat 3", "", "", "h3.pscore"}};
    ArenaSnapshot shot = saved;
    PlaceOpenSheet(shot, {"Heat 3 live", "", "", "h3.pscore"});
    ASSERT_EQ(shot.sheets.size(), 2u);
    EXPECT_EQ(shot.current, 1u);
    EXPECT_EQ(shot.sheets[1].title, "Heat 3 live");
    EXPECT_EQ(shot.sheets[0].title, "Heat 1");

    shot = saved;
    PlaceOpenSheet(shot, {"Heat 2 live", "", "", "h2.pscore"});
    ASSERT_EQ(shot.sheets.size(), 3u);
    EXPECT_EQ(shot.current, 2u);
    EXPECT_EQ(shot.sheets[2].title, "Heat 2 live");
}

}  // namespace
}  // namespace zav
