// The arena network under a crowd: 200 phones watching (Server-Sent Events)
// on loopback while pages are loaded 50 times a second and the window hands
// over a new snapshot 10 times a second. Reports the 99th percentile of the
// page answers and the longest time the window's thread spent in the server
// (handing a snapshot over, taking the results), which must stay well under
// a frame (16 ms).
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "arena/ArenaServer.h"
#include "core/report/PageTesting.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::shared_ptr<zav::ArenaSnapshot> Snapshot(const zav::ScoreSheet& sheet) {
    auto shot = std::make_shared<zav::ArenaSnapshot>();
    shot->language = zav::Language::English;
    shot->sheets.push_back(
        zav::BuildArenaSheet(sheet, {1, 1}, zav::Language::English, zavtest::ColourStyle()));
    shot->entry = zav::EntrySheet{sheet, "bench"};
    return shot;
}

void BM_ArenaCrowd(benchmark::State& state) {
    const int watchers = static_cast<int>(state.range(0));
    zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    for (auto _ : state) {
        zav::ArenaServer server;
        std::string reason;
        if (!server.Start({"127.0.0.1", 0, true}, reason)) {
            state.SkipWithError(reason.c_str());
            return;
        }
        server.SetSnapshot(Snapshot(sheet));
        std::atomic<bool> stop{false};
        std::atomic<long> events{0};
        std::vector<std::thread> phones;
        // Phones arrive one after another, as at a ground: the listening
        // queue is short.
        for (int w = 0; w < watchers; ++w) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            phones.emplace_back([&] {
                httplib::Client client("127.0.0.1", server.Port());
                client.set_read_timeout(30, 0);
                client.Get("/events", [&](const char*, std::size_t) {
                    ++events;
                    return !stop;
                });
            });
        }
        while (server.Watchers() < watchers)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));

        std::vector<double> answers;
        std::thread loader([&] {
            httplib::Client client("127.0.0.1", server.Port());
            const auto start = Clock::now();
            for (int i = 0; i < 250; ++i) {  // five seconds at 50 a second
                std::this_thread::sleep_until(start + std::chrono::milliseconds(20 * i));
                const auto asked = Clock::now();
                const auto answer = client.Get("/");
                if (answer && answer->status == 200)
                    answers.push_back(Milliseconds(Clock::now() - asked));
            }
        });

        double longestHold = 0, longestBuild = 0;
        const auto start = Clock::now();
        for (int i = 0; Clock::now() - start < std::chrono::seconds(5); ++i) {
            sheet.iGamePlace[i % 10][11] = i % 2 ? 1 + i % 10 : 0;
            const auto building = Clock::now();
            auto shot = Snapshot(sheet);
            const auto handing = Clock::now();
            server.SetSnapshot(std::move(shot));
            server.TakeArrivals();
            const auto done = Clock::now();
            longestBuild = std::max(longestBuild, Milliseconds(handing - building));
            longestHold = std::max(longestHold, Milliseconds(done - handing));
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        loader.join();
        stop = true;
        server.SetSnapshot(Snapshot(sheet));  // wakes every watcher to leave
        server.Stop();
        for (std::thread& phone : phones) phone.join();

        std::sort(answers.begin(), answers.end());
        state.counters["pages"] = static_cast<double>(answers.size());
        state.counters["p99_ms"] = answers.empty() ? -1 : answers[answers.size() * 99 / 100];
        state.counters["hold_max_ms"] = longestHold;
        state.counters["snapshot_build_max_ms"] = longestBuild;
        state.counters["events"] = static_cast<double>(events);
    }
}
BENCHMARK(BM_ArenaCrowd)->Arg(20)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
