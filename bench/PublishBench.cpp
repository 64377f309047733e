// Publishing the results of a 50-sheet set, the fullest sheets there are:
// into an empty folder (every page written), and again after nothing changed
// (what every save of a sheet costs with publication on, but for the one page
// that did change).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "core/report/PageTesting.h"
#include "publish/Publication.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"

namespace {

constexpr int kSheets = 50;

// The set file of fifty full sheets, each with a sub-title of its own.
std::string MakeSet(const zavtest::TempDir& dir) {
    zav::RecordingMessageSink messages;
    const zav::Reporter reporter(zav::Language::English, messages);
    std::vector<std::string> names;
    for (int k = 0; k < kSheets; ++k) {
        zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
        sheet.sSubTitle = "Category " + std::to_string(k + 1);
        names.push_back("48213_Category " + std::to_string(k + 1) + ".pscore");
        if (!zav::SaveSheet(sheet, dir.File(names.back()), reporter)) std::abort();
    }
    const std::string set = dir.File("48213.mscore");
    zavtest::WriteFile(set, zav::SetFileBytes(names));
    return set;
}

zav::PublishOptions Options(const zavtest::TempDir& dir) {
    zav::PublishOptions options;
    options.folder = dir.File("www");
    options.refreshSeconds = 30;
    options.language = zav::Language::English;
    options.style = zavtest::ColourStyle();
    return options;
}

void Publish(const std::string& set, const zav::PublishOptions& options, std::size_t written) {
    zav::RecordingMessageSink messages;
    const zav::PublishResult result =
        zav::Publish({set, true}, options, zav::Reporter(zav::Language::English, messages));
    if (!result.complete || result.written.size() != written) std::abort();
}

void BM_PublishFiftySheetSetIntoEmptyFolder(benchmark::State& state) {
    zavtest::TempDir dir;
    const std::string set = MakeSet(dir);
    const zav::PublishOptions options = Options(dir);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(options.folder);
        state.ResumeTiming();
        Publish(set, options, kSheets + 1);
    }
}
BENCHMARK(BM_PublishFiftySheetSetIntoEmptyFolder)->Unit(benchmark::kMillisecond);

void BM_PublishFiftySheetSetUnchanged(benchmark::State& state) {
    zavtest::TempDir dir;
    const std::string set = MakeSet(dir);
    const zav::PublishOptions options = Options(dir);
    Publish(set, options, kSheets + 1);
    for (auto _ : state) Publish(set, options, 0);
}
BENCHMARK(BM_PublishFiftySheetSetUnchanged)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
