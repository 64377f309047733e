// Opening a full sheet (10 teams, 12 games, 'Challenge', staff) from a file in
// the page cache and scoring it, against the plain read of the same file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace {

// Writes the sample sheet once per benchmark; the first read brings it into
// the page cache, so every timed iteration reads from memory.
class SheetOnDisk {
public:
    SheetOnDisk() : path_(dir_.File("full.score")) {
        zav::RecordingMessageSink messages;
        if (!zav::SaveSheet(zavtest::FullSampleSheet(), path_,
                            zav::Reporter(zav::Language::French, messages)))
            std::abort();
        zavtest::ReadFile(path_);
    }
    const std::string& Path() const { return path_; }

private:
    zavtest::TempDir dir_;
    std::string path_;
};

void BM_PlainReadFread(benchmark::State& state) {
    const SheetOnDisk file;
    for (auto _ : state) {
        std::FILE* f = std::fopen(file.Path().c_str(), "rb");
        std::fseek(f, 0, SEEK_END);
        std::string bytes(static_cast<std::size_t>(std::ftell(f)), '\0');
        std::fseek(f, 0, SEEK_SET);
        if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
        std::fclose(f);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * zavtest::ReadFile(file.Path()).size());
}
BENCHMARK(BM_PlainReadFread)->Unit(benchmark::kMicrosecond);

void BM_PlainReadIfstream(benchmark::State& state) {
    const SheetOnDisk file;
    for (auto _ : state) {
        std::ifstream in(file.Path(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        std::string bytes = out.str();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_PlainReadIfstream)->Unit(benchmark::kMicrosecond);

void BM_LoadSheetAndComputeScores(benchmark::State& state) {
    const SheetOnDisk file;
    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    for (auto _ : state) {
        if (!zav::LoadSheet(sheet, file.Path(), zav::Reporter(zav::Language::French, messages)))
            std::abort();
        zav::ComputeScores(sheet);
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_LoadSheetAndComputeScores)->Unit(benchmark::kMicrosecond);

// The parts: the reader on bytes in memory, and the scoring alone.
void BM_ParseSheetOnly(benchmark::State& state) {
    const SheetOnDisk file;
    const std::string bytes = zavtest::ReadFile(file.Path());
    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    for (auto _ : state) {
        if (!zav::ParseSheet(sheet, bytes, zav::Reporter(zav::Language::French, messages)))
            std::abort();
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_ParseSheetOnly)->Unit(benchmark::kMicrosecond);

void BM_ComputeScoresOnly(benchmark::State& state) {
    zav::ScoreSheet sheet = zavtest::FullSampleSheet();
    for (auto _ : state) {
        zav::ComputeScores(sheet);
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_ComputeScoresOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
