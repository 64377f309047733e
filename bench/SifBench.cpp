// Importing a whole event: reading a large entries file, and writing the
// score sheet set of its fifty categories into a folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "sets/SetCreation.h"
#include "sets/SifFile.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace {

constexpr int kCategories = 50;

// A registration export: a header line, then `teams` team records in CR LF
// lines, their categories taken in turn, each followed by one rider record
// (no team line) as exports list the riders too.
std::string EntriesText(int teams) {
    std::string text = "48213;Championnat de France;2026-07-14;Lamotte-Beuvron\r\n";
    for (int t = 0; t < teams; ++t) {
        const std::string category = "C" + std::to_string(t % kCategories) + " Cat\xC3\xA9gorie " +
                                     std::to_string(t % kCategories);
        text += "48213;" + std::to_string(10000 + t) + ";NOM_EQU;" + category +
                ";Poney Club de la Vall\xC3\xA9"
                "e;FRA;\xC3\x89quipe num\xC3\xA9ro " +
                std::to_string(t) + ";10;2026\r\n";
        text += "48213;" + std::to_string(10000 + t) + ";NOM_CAV;" + category +
                ";Dupont;Marie;2011-04-02;F\r\n";
    }
    return text;
}

zav::SifEntries Parse(const std::string& text) {
    zav::SifEntries entries;
    zav::RecordingMessageSink messages;
    if (!zav::ParseSif(text, "entries.txt", entries,
                       zav::Reporter(zav::Language::French, messages)) ||
        entries.sCategory.size() != kCategories)
        std::abort();
    return entries;
}

zav::SetOptions Options() {
    zav::SetOptions options;
    options.sTitle = "Championnat de France 2026";
    options.sDate = "14/07/2026";
    options.sReferee = "J. Martin";
    return options;
}

// 5,000 teams in 50 categories, read from a file in the page cache.
void BM_ReadSifFile(benchmark::State& state) {
    zavtest::TempDir dir;
    const std::string path = dir.File("entries.txt");
    const std::string text = EntriesText(5000);
    zavtest::WriteFile(path, text);
    Parse(text);
    zav::RecordingMessageSink messages;
    for (auto _ : state) {
        zav::SifEntries entries;
        if (!zav::ReadSifFile(path, entries, zav::Reporter(zav::Language::French, messages)))
            std::abort();
        benchmark::DoNotOptimize(entries);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadSifFile)->Unit(benchmark::kMillisecond);

// The 50-sheet set written in one folder, each pass replacing the files of
// the last. A sheet holds at most ten teams, so the 5,000-team file cannot
// make a set of fifty sheets: the fullest one, ten teams a sheet, is written.
void BM_CreateFiftySheetSet(benchmark::State& state) {
    zavtest::TempDir dir;
    const zav::SifEntries entries = Parse(EntriesText(10 * kCategories));
    const zav::SetPlan plan = zav::OneSheetPerCategory(entries);
    const zav::SetOptions options = Options();
    const std::string setPath = dir.File("48213.mscore");
    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    for (auto _ : state) {
        if (!zav::CreateSet(entries, options, plan, setPath, sheet,
                            zav::Reporter(zav::Language::French, messages)))
            std::abort();
    }
}
BENCHMARK(BM_CreateFiftySheetSet)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
