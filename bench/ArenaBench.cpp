// The arena network under a crowd, on loopback: phones watching the event
// stream, pages loaded 50 times a second, judges sending results, and the
// window handing over a snapshot 10 times a second while it looks for
// results every millisecond. "Quiet" is a ground on a busy day; "Hostile"
// adds at once a device sending an endless request head, a thousand slow
// senders and every phone dropping and coming back at the same moment.
//
// Every phone, judge and hostile device has its own loopback address
// (127.x.y.z reaches the server on 127.0.0.1), as on a ground's network:
// the server's bounds per address are those it has at the ground. The
// phones are sockets on one client thread, the hostile devices on another,
// so that the crowd costs the server what it would, not the bench threads.
#include <benchmark/benchmark.h>
#include <httplib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <boost/asio/connect.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <regex>
#include <string_view>
#include <thread>
#include <vector>

#include "arena/ArenaServer.h"
#include "core/report/PageTesting.h"

namespace {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kWindow = 10s;        // measured
constexpr auto kHostileAfter = 1s;   // into the window
constexpr auto kClientTimeout = 5s;  // a page's or a judge's request
constexpr auto kConnectLimit = 20s;  // the crowd's arrival
constexpr int kJudges = 2;
constexpr auto kJudgeCycle = 250ms;  // code, form, result: per judge
constexpr int kEndlessLines = 1000;  // 8 MB per attempt at most

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double P99(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(values.size() * 0.99)) - 1;
    return values[std::min(at, values.size() - 1)];
}

// Address `n` of group `group`: 127.group.(n / 250).(n % 250 + 1).
asio::ip::address Address(int group, int n) {
    return asio::ip::make_address_v4(static_cast<asio::ip::address_v4::uint_type>(
        127u << 24 | unsigned(group) << 16 | unsigned(n / 250) << 8 | unsigned(n % 250 + 1)));
}

double ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024.0);
}

std::shared_ptr<zav::ArenaSnapshot> Snapshot(const zav::ScoreSheet& sheet) {
    auto shot = std::make_shared<zav::ArenaSnapshot>();
    shot->language = zav::Language::English;
    shot->sheets.push_back(
        zav::BuildArenaSheet(sheet, {1, 1}, zav::Language::English, zavtest::ColourStyle()));
    shot->entry = zav::EntrySheet{sheet, "bench"};
    return shot;
}

// A socket from `from`; false when the address cannot be had.
bool OpenFrom(tcp::socket& socket, const asio::ip::address& from) {
    boost::system::error_code error;
    socket.open(tcp::v4(), error);
    if (!error) socket.bind({from, 0}, error);
    return !error;
}

// One phone watching /events: it counts the messages it hears ("data: "),
// so that a phone held open but never told is seen.
class Phone : public std::enable_shared_from_this<Phone> {
public:
    enum State { Connecting, Streaming, Refused, Failed, Closed };
    Phone(asio::io_context& io, tcp::endpoint server, asio::ip::address from)
        : socket_(io), server_(server), from_(from) {}

    void Connect() {
        const int generation = ++generation_;
        state = Connecting;
        head_.clear();
        tail_.clear();
        socket_ = tcp::socket(socket_.get_executor());
        if (!OpenFrom(socket_, from_)) {
            state = Failed;
            return;
        }
        socket_.async_connect(server_, [self = shared_from_this(), generation](auto error) {
            if (generation != self->generation_) return;
            if (error) {
                self->state = Failed;
                return;
            }
            asio::async_write(self->socket_, asio::buffer(kRequest),
                              [self, generation](auto written, std::size_t) {
                                  if (generation != self->generation_) return;
                                  if (written) self->state = Failed;
                                  if (!written) self->Read(generation);
                              });
        });
    }
    void Drop() {
        ++generation_;
        boost::system::error_code ignored;
        socket_.close(ignored);
        state = Closed;
    }

    std::atomic<int> state{Connecting};
    std::atomic<long> events{0};

private:
    static constexpr std::string_view kRequest = "GET /events HTTP/1.1\r\nHost: arena\r\n\r\n";

    void Read(int generation) {
        socket_.async_read_some(asio::buffer(buffer_),
                                [self = shared_from_this(), generation](auto error, std::size_t n) {
                                    if (generation != self->generation_) return;
                                    if (error) {
                                        if (self->state == Connecting) self->state = Failed;
                                        if (self->state == Streaming) self->state = Closed;
                                        return;
                                    }
                                    self->Heard(std::string(self->buffer_, n));
                                    if (self->state != Refused) return self->Read(generation);
                                    self->Drop();
                                    self->state = Refused;
                                });
    }
    void Heard(std::string bytes) {
        if (state == Connecting) {
            head_ += bytes;
            const std::size_t end = head_.find("\r\n\r\n");
            if (end == std::string::npos) return;
            state = head_.compare(0, 12, "HTTP/1.1 200") == 0 ? Streaming : Refused;
            bytes = head_.substr(end + 4);
        }
        // A message may come in two pieces: the last bytes are kept.
        std::string scan = tail_ + bytes;
        for (std::size_t at = scan.find("data: "); at != std::string::npos;
             at = scan.find("data: ", at + 1))
            ++events;
        tail_ = scan.substr(scan.size() - std::min<std::size_t>(scan.size(), 5));
    }

    tcp::socket socket_;
    const tcp::endpoint server_;
    const asio::ip::address from_;
    int generation_ = 0;
    std::string head_, tail_;
    char buffer_[1024];
};

// A device sending a request head a byte every second or two, and coming
// back whenever it is cut.
class SlowSender : public std::enable_shared_from_this<SlowSender> {
public:
    SlowSender(asio::io_context& io, tcp::endpoint server, asio::ip::address from, unsigned seed)
        : socket_(io), timer_(io), server_(server), from_(from), random_(seed) {}

    void Start() { Connect(); }
    void Stop() {
        stopping_ = true;
        timer_.cancel();
        Lost();
    }
    long cuts = 0;  // read on the client thread only, once it has stopped

private:
    void Connect() {
        const int generation = ++generation_;
        sent_ = 0;
        socket_ = tcp::socket(socket_.get_executor());
        if (!OpenFrom(socket_, from_)) return Tick();
        socket_.async_connect(server_, [self = shared_from_this(), generation](auto error) {
            if (generation != self->generation_) return;
            self->connected_ = !error;
            if (self->connected_) self->WatchForCut(generation);
            self->Tick();
        });
    }
    void Tick() {
        if (stopping_) return;
        timer_.expires_after(std::chrono::milliseconds(1000 + random_() % 1000));
        timer_.async_wait([self = shared_from_this()](auto error) {
            if (error || self->stopping_) return;
            if (!self->connected_) return self->Connect();
            static const std::string head = "GET / HTTP/1.1\r\nHost: arena\r\nX-Slow: ";
            self->byte_ = self->sent_ < head.size() ? head[self->sent_] : 'a';
            ++self->sent_;
            const int generation = self->generation_;
            asio::async_write(self->socket_, asio::buffer(&self->byte_, 1),
                              [self, generation](auto written, std::size_t) {
                                  if (generation != self->generation_) return;
                                  if (written) self->Lost();
                              });
            self->Tick();
        });
    }
    void WatchForCut(int generation) {
        socket_.async_read_some(asio::buffer(drain_),
                                [self = shared_from_this(), generation](auto, std::size_t) {
                                    // An answer (408) or the end: cut either way.
                                    if (generation == self->generation_) self->Lost();
                                });
    }
    void Lost() {
        ++generation_;
        if (connected_) ++cuts;
        connected_ = false;
        boost::system::error_code ignored;
        socket_.close(ignored);
    }

    tcp::socket socket_;
    asio::steady_timer timer_;
    const tcp::endpoint server_;
    const asio::ip::address from_;
    std::minstd_rand random_;
    int generation_ = 0;
    bool connected_ = false, stopping_ = false;
    std::size_t sent_ = 0;
    char byte_ = 0;
    char drain_[512];
};

// A device sending header lines of 8 KB without end, as fast as it is read,
// and again once it is cut.
class EndlessHead : public std::enable_shared_from_this<EndlessHead> {
public:
    EndlessHead(asio::io_context& io, tcp::endpoint server, asio::ip::address from)
        : socket_(io), timer_(io), server_(server), from_(from) {}

    void Start() { Connect(); }
    void Stop() {
        stopping_ = true;
        ++generation_;
        timer_.cancel();
        boost::system::error_code ignored;
        socket_.close(ignored);
    }
    long rounds = 0, refusals = 0;  // read on the client thread only, once it has stopped

private:
    void Connect() {
        if (stopping_) return;
        const int generation = ++generation_;
        lines_ = 0;
        heard_.clear();
        socket_ = tcp::socket(socket_.get_executor());
        if (!OpenFrom(socket_, from_)) return Later();
        socket_.async_connect(server_, [self = shared_from_this(), generation](auto error) {
            if (generation != self->generation_) return;
            if (error) return self->Later();
            self->Listen(generation);
            asio::async_write(self->socket_, asio::buffer(kStart),
                              [self, generation](auto written, std::size_t) {
                                  if (generation == self->generation_ && !written)
                                      self->More(generation);
                              });
        });
    }
    void More(int generation) {
        if (++lines_ > kEndlessLines) return;  // then only the answer is awaited
        asio::async_write(socket_, asio::buffer(line_),
                          [self = shared_from_this(), generation](auto written, std::size_t) {
                              if (generation == self->generation_ && !written)
                                  self->More(generation);
                          });
    }
    void Listen(int generation) {
        socket_.async_read_some(asio::buffer(buffer_),
                                [self = shared_from_this(), generation](auto error, std::size_t n) {
                                    if (generation != self->generation_) return;
                                    self->heard_.append(self->buffer_, n);
                                    if (!error) return self->Listen(generation);
                                    ++self->rounds;
                                    if (self->heard_.compare(0, 12, "HTTP/1.1 431") == 0)
                                        ++self->refusals;
                                    self->Later();
                                });
    }
    void Later() {
        ++generation_;
        boost::system::error_code ignored;
        socket_.close(ignored);
        if (stopping_) return;
        timer_.expires_after(100ms);
        timer_.async_wait([self = shared_from_this()](auto error) {
            if (!error) self->Connect();
        });
    }

    static constexpr std::string_view kStart = "GET / HTTP/1.1\r\nHost: arena\r\n";
    const std::string line_ = "X-Filler: " + std::string(8 * 1024, 'x') + "\r\n";
    tcp::socket socket_;
    asio::steady_timer timer_;
    const tcp::endpoint server_;
    const asio::ip::address from_;
    int generation_ = 0, lines_ = 0;
    bool stopping_ = false;
    std::string heard_;
    char buffer_[1024];
};

// A client thread running its sockets until told to stop.
struct ClientThread {
    asio::io_context io{1};
    asio::executor_work_guard<asio::io_context::executor_type> work = asio::make_work_guard(io);
    std::thread thread{[this] { io.run(); }};
    // `stop` posted to the thread, which then ends once every socket is closed.
    template <class Stop>
    void Finish(Stop stop) {
        asio::post(io, stop);
        work.reset();
        thread.join();
    }
};

httplib::Client ClientFrom(int port, const asio::ip::address& from) {
    httplib::Client client("127.0.0.1", port);
    client.set_interface(from.to_string());
    client.set_connection_timeout(kClientTimeout);
    client.set_read_timeout(kClientTimeout);
    client.set_write_timeout(kClientTimeout);
    return client;
}

// What the judges measured, and when each result's answer came.
struct JudgeRecord {
    std::mutex mutex;
    std::vector<double> code, form, result;
    int failed = 0;
    std::map<int, Clock::time_point> answered;  // by result id
};

// A judge's phone, again and again: the entry code, the result form, the
// result (as a new phone each time, so that the code's answer is measured too).
void Judge(int port, int judge, const std::string& code, Clock::time_point start,
           Clock::time_point end, JudgeRecord& record) {
    httplib::Client client = ClientFrom(port, Address(3, judge));
    const char* form = "application/x-www-form-urlencoded";
    const std::regex formMark("name=\"form\" value=\"(\\w+)\"");
    const auto offset = kJudgeCycle * judge / kJudges;
    for (int i = 0; i < 1000; ++i) {
        const auto due = start + offset + kJudgeCycle * i;
        // A server that answers late makes the judge late: no request
        // starts after the end.
        if (due >= end || Clock::now() >= end) break;
        std::this_thread::sleep_until(due);
        // Every request's time counts, a failed one's until it failed: a
        // server that never answers must not look fast.
        const auto timed = [&](std::vector<double> JudgeRecord::*times, auto ask, int wanted) {
            const auto asked = Clock::now();
            auto answer = ask();
            std::lock_guard<std::mutex> lock(record.mutex);
            (record.*times).push_back(Milliseconds(Clock::now() - asked));
            const bool good = answer && answer->status == wanted;
            if (!good) ++record.failed;
            return good ? std::optional<httplib::Response>(answer.value()) : std::nullopt;
        };
        auto answer = timed(
            &JudgeRecord::code, [&] { return client.Post("/entry/code", "code=" + code, form); },
            303);
        if (!answer) continue;
        const std::string cookie = answer->get_header_value("Set-Cookie");
        const httplib::Headers session = {{"Cookie", cookie.substr(0, cookie.find(';'))}};
        answer = timed(
            &JudgeRecord::form, [&] { return client.Get("/entry", session); }, 200);
        std::smatch found;
        if (!answer || !std::regex_search(answer->body, found, formMark)) continue;
        const std::string fields =
            "sheet=bench&game=" + std::to_string(1 + i % 3) +
            "&t1=0&t2=1&t3=2&t4=3&t5=4&t6=5&t7=6&t8=7&t9=8&t10=9&form=" + found[1].str();
        answer = timed(
            &JudgeRecord::result,
            [&] { return client.Post("/entry/result", session, fields, form); }, 303);
        const auto now = Clock::now();
        if (!answer) continue;
        std::lock_guard<std::mutex> lock(record.mutex);
        const std::string location = answer->get_header_value("Location");
        const std::size_t id = location.find("id=");
        if (id != std::string::npos) record.answered[std::stoi(location.substr(id + 3))] = now;
    }
}

int Count(const std::vector<std::shared_ptr<Phone>>& phones, Phone::State state) {
    return static_cast<int>(std::count_if(
        phones.begin(), phones.end(), [&](const auto& phone) { return phone->state == state; }));
}

// Args: phones; slow senders' addresses (0: quiet, no hostile device).
void BM_Arena(benchmark::State& state) {
    const int watchers = static_cast<int>(state.range(0));
    const int slowAddresses = static_cast<int>(state.range(1));
    const bool hostile = slowAddresses > 0;
    const int slowSenders = hostile ? 1000 : 0;
    // The server raises it too (the old engine did not): the bench's own
    // sockets count in the same process.
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    for (auto _ : state) {
        zav::ArenaServer server;
        std::string reason;
        if (!server.Start({"127.0.0.1", 0, true}, reason)) {
            state.SkipWithError(reason.c_str());
            return;
        }
        server.SetSnapshot(Snapshot(sheet));
        const tcp::endpoint endpoint(asio::ip::make_address("127.0.0.1"),
                                     static_cast<unsigned short>(server.Port()));
        const double residentBefore = ResidentKb();

        // The phones arrive a hundred every 50 ms: two seconds for 2,000.
        ClientThread crowd;
        std::vector<std::shared_ptr<Phone>> phones;
        for (int p = 0; p < watchers; ++p)
            phones.push_back(std::make_shared<Phone>(crowd.io, endpoint, Address(1, p)));
        for (int p = 0; p < watchers; p += 100) {
            asio::post(crowd.io, [&, p] {
                for (int q = p; q < std::min(watchers, p + 100); ++q) phones[q]->Connect();
            });
            std::this_thread::sleep_for(50ms);
        }
        const auto arriving = Clock::now();
        while (Count(phones, Phone::Connecting) > 0 && Clock::now() - arriving < kConnectLimit)
            std::this_thread::sleep_for(10ms);
        std::this_thread::sleep_for(500ms);
        const int held = server.Watchers();
        const double residentPerWatcher = held > 0 ? (ResidentKb() - residentBefore) / held : -1;
        state.counters["watchers_held"] = held;
        state.counters["watchers_refused"] = Count(phones, Phone::Refused);
        state.counters["watchers_failed"] = Count(phones, Phone::Failed);
        state.counters["watchers_unanswered"] = Count(phones, Phone::Connecting);
        state.counters["rss_per_watcher_kb"] = residentPerWatcher;

        const auto start = Clock::now();
        const auto end = start + kWindow;
        std::vector<double> pages;
        int pagesFailed = 0;
        std::thread loader([&] {
            httplib::Client client = ClientFrom(server.Port(), Address(4, 0));
            for (int i = 0; i < 50 * 60; ++i) {
                const auto due = start + 20ms * i;
                if (due >= end || Clock::now() >= end) break;
                std::this_thread::sleep_until(due);
                const auto asked = Clock::now();
                const auto answer = client.Get("/");
                pages.push_back(Milliseconds(Clock::now() - asked));
                if (!answer || answer->status != 200) ++pagesFailed;
            }
        });
        JudgeRecord judged;
        std::vector<std::thread> judges;
        const std::string code = server.EntryCode();
        for (int j = 0; j < kJudges; ++j)
            judges.emplace_back([&, j] { Judge(server.Port(), j, code, start, end, judged); });

        ClientThread hostileThread;
        std::vector<std::shared_ptr<SlowSender>> slow;
        auto endless = std::make_shared<EndlessHead>(hostileThread.io, endpoint, Address(66, 0));
        for (int s = 0; s < slowSenders; ++s)
            slow.push_back(std::make_shared<SlowSender>(hostileThread.io, endpoint,
                                                        Address(67, s % slowAddresses), s + 1));

        // The window's thread: a snapshot every 100 ms, the results looked
        // for every millisecond; only the server's calls are timed.
        double longestSnapshot = 0, longestTake = 0, longestBuild = 0;
        std::map<int, Clock::time_point> seen;
        std::vector<long> eventsBefore(phones.size());
        const int streamingBefore = Count(phones, Phone::Streaming);
        bool hostileStarted = false, rejoined = false, marked = false;
        std::atomic<bool> droppedAll{false};
        double rejoinMs = -1;
        Clock::time_point dropped;
        auto nextShot = start;
        for (int i = 0; Clock::now() < end && i < 100000; ++i) {
            const auto now = Clock::now();
            if (hostile && !hostileStarted && now - start >= kHostileAfter) {
                hostileStarted = true;
                dropped = now;
                asio::post(hostileThread.io, [&] {
                    endless->Start();
                    for (const auto& sender : slow) sender->Start();
                });
                asio::post(crowd.io, [&] {
                    for (const auto& phone : phones) phone->Drop();
                    for (const auto& phone : phones) phone->Connect();
                    droppedAll = true;
                });
            }
            if (droppedAll && !rejoined && i % 10 == 0 &&
                Count(phones, Phone::Streaming) >= streamingBefore) {
                rejoined = true;
                rejoinMs = Milliseconds(now - dropped);
            }
            // The phones' counts two seconds before the end: each live one
            // hears of the last snapshots.
            if (!marked && end - now < 2s) {
                marked = true;
                for (std::size_t p = 0; p < phones.size(); ++p) eventsBefore[p] = phones[p]->events;
            }
            if (now >= nextShot) {
                nextShot += 100ms;
                sheet.iGamePlace[i % 10][11] = i % 2 ? 1 + i % 10 : 0;
                auto shot = Snapshot(sheet);
                const auto handing = Clock::now();
                longestBuild = std::max(longestBuild, Milliseconds(handing - now));
                server.SetSnapshot(std::move(shot));
                longestSnapshot = std::max(longestSnapshot, Milliseconds(Clock::now() - handing));
            }
            const auto taking = Clock::now();
            const auto arrivals = server.TakeArrivals();
            const auto taken = Clock::now();
            longestTake = std::max(longestTake, Milliseconds(taken - taking));
            for (const auto& result : arrivals) seen.emplace(result.id, taken);
            std::this_thread::sleep_for(1ms);
        }
        loader.join();
        for (std::thread& judge : judges) judge.join();
        // The last answers' results: the window keeps looking a moment.
        for (int i = 0; i < 200; ++i) {
            for (const auto& result : server.TakeArrivals()) seen.emplace(result.id, Clock::now());
            std::this_thread::sleep_for(1ms);
        }
        const int watchersAtEnd = server.Watchers();
        int live = 0;
        long events = 0;
        for (std::size_t p = 0; p < phones.size(); ++p) {
            events += phones[p]->events;
            if (phones[p]->state == Phone::Streaming && phones[p]->events > eventsBefore[p]) ++live;
        }

        hostileThread.Finish([&] {
            endless->Stop();
            for (const auto& sender : slow) sender->Stop();
        });
        crowd.Finish([&] {
            for (const auto& phone : phones) phone->Drop();
        });
        server.Stop();

        std::vector<double> toWindow;
        for (const auto& [id, answered] : judged.answered) {
            const auto found = seen.find(id);
            if (found != seen.end())
                toWindow.push_back(std::max(0.0, Milliseconds(found->second - answered)));
        }
        std::vector<double> judgeAll = judged.code;
        judgeAll.insert(judgeAll.end(), judged.form.begin(), judged.form.end());
        judgeAll.insert(judgeAll.end(), judged.result.begin(), judged.result.end());

        state.counters["pages"] = static_cast<double>(pages.size());
        state.counters["pages_failed"] = pagesFailed;
        state.counters["page_p99_ms"] = P99(pages);
        state.counters["results"] = static_cast<double>(judged.answered.size());
        state.counters["judge_failed"] = judged.failed;
        state.counters["judge_p99_ms"] = P99(judgeAll);
        state.counters["judge_code_p99_ms"] = P99(judged.code);
        state.counters["judge_form_p99_ms"] = P99(judged.form);
        state.counters["judge_result_p99_ms"] = P99(judged.result);
        state.counters["to_window_p99_ms"] = P99(toWindow);
        state.counters["to_window_max_ms"] =
            toWindow.empty() ? -1 : *std::max_element(toWindow.begin(), toWindow.end());
        state.counters["results_unseen"] =
            static_cast<double>(judged.answered.size() - toWindow.size());
        state.counters["set_snapshot_max_ms"] = longestSnapshot;
        state.counters["take_arrivals_max_ms"] = longestTake;
        state.counters["hold_max_ms"] = std::max(longestSnapshot, longestTake);
        state.counters["snapshot_build_max_ms"] = longestBuild;
        state.counters["events"] = static_cast<double>(events);
        state.counters["phones_live_at_end"] = live;
        state.counters["watchers_at_end"] = watchersAtEnd;
        if (hostile) {
            long cuts = 0;
            for (const auto& sender : slow) cuts += sender->cuts;
            state.counters["rejoin_ms"] = rejoinMs;
            state.counters["slow_cuts"] = static_cast<double>(cuts);
            state.counters["endless_rounds"] = static_cast<double>(endless->rounds);
            state.counters["endless_431"] = static_cast<double>(endless->refusals);
        }
    }
}
// A few phones, a ground's crowd, then the crowd under attack by one hostile
// device (its slow connections from one address) and by a thousand of them.
BENCHMARK(BM_Arena)
    ->ArgNames({"phones", "slow_addresses"})
    ->Args({200, 0})
    ->Args({2000, 0})
    ->Args({2000, 1})
    ->Args({2000, 1000})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
