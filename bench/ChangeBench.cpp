// What one accepted change of a full heat costs: the undo step, the result,
// the page built again (the change convention), with and without the
// recovery file written through a temporary file, fsync and rename; and the
// memory one undo step holds.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "core/report/PageTesting.h"
#include "recovery/RecoveryStore.h"
#include "report/ScoreSheetPage.h"
#include "support/TempDir.h"
#include "undo/SheetHistory.h"

// Every allocation of the program is counted, so that the undo memory per
// step is measured rather than estimated from the record's size.
static std::atomic<std::size_t> allocatedBytes{0};

void* operator new(std::size_t size) {
    allocatedBytes += size;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// The pair of the malloc above; GCC cannot see that they match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// One change as a command makes it: the sheet recorded for undo, a result
// entered, the page built again.
void Change(zav::ScoreSheet& sheet, zav::SheetHistory& history, int step) {
    zav::ScoreSheet before = sheet;
    const int game = step % sheet.iGamesNr;
    for (int t = 0; t < sheet.iTeamsNr; ++t)
        sheet.iGamePlace[t][game] = (t + step) % sheet.iTeamsNr + 1;
    history.Record(std::move(before), "result of game " + std::to_string(game + 1));
    std::string page = zav::PrepareHtml(sheet, {1, 1}, zav::OutputTarget::WindowOrPrinter, true,
                                        zav::Language::English, zavtest::ColourStyle());
    benchmark::DoNotOptimize(page);
}

void BM_ChangeWithoutRecovery(benchmark::State& state) {
    zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    zav::SheetHistory history;
    int step = 0;
    for (auto _ : state) Change(sheet, history, ++step);
}
BENCHMARK(BM_ChangeWithoutRecovery)->Unit(benchmark::kMicrosecond);

void BM_ChangeWithRecoveryWrite(benchmark::State& state) {
    zavtest::TempDir dir;
    auto session = zav::RecoverySession::Start(dir.File("state/zavscore"));
    if (!session) std::abort();
    zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    sheet.sFullFileName = "/home/scorer/events/heat.score";
    zav::SheetHistory history;
    int step = 0;
    for (auto _ : state) {
        Change(sheet, history, ++step);
        if (!session->Write(zav::RecoveryRecordOf(sheet, zav::Language::English, 1700000000)))
            std::abort();
    }
    session->Remove();
}
BENCHMARK(BM_ChangeWithRecoveryWrite)->Unit(benchmark::kMicrosecond);

// The memory a full history holds, per step: the sheet record and the heap
// of its texts, the label and the history's own bookkeeping.
void BM_UndoMemoryPerStep(benchmark::State& state) {
    const zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    std::size_t perStep = 0;
    for (auto _ : state) {
        zav::SheetHistory history;
        const std::size_t start = allocatedBytes;
        for (std::size_t i = 0; i < zav::SheetHistory::kDefaultLimit; ++i)
            history.Record(sheet, "result of game 12");
        perStep = (allocatedBytes - start) / zav::SheetHistory::kDefaultLimit;
    }
    state.counters["bytes_per_step"] = static_cast<double>(perStep);
    state.counters["record_bytes"] = static_cast<double>(sizeof(zav::ScoreSheet));
}
BENCHMARK(BM_UndoMemoryPerStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
