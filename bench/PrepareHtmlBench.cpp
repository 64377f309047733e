// Building the score sheet page of a full heat, as every accepted dialog does:
// the settings file read for colours and logo, the scoring, the layout.
#include <benchmark/benchmark.h>

#include "core/report/PageTesting.h"
#include "report/PageBytes.h"
#include "report/ScoreSheetPage.h"
#include "support/TempDir.h"

namespace {

// A settings file as the options dialogs leave it, with a few other keys.
void WriteSettings(const std::string& path) {
    zavtest::WriteFile(path,
                       "[General]\nLanguage=EN\nSaveAuto=1\nScorePath=/home/scorer/events\n"
                       "LogoPath=/home/scorer/logos\nLogoName=club.png\n"
                       "[Colors]\nHeadFont=#000080\nTitleBkg=#DDDDFF\nBkgLine1=#FFFFFF\n"
                       "BkgLine2=#EEEEEE\nBWOnly=0\n");
}

// The window page, settings reads included: what the user waits for.
void BM_PrepareHtmlWithSettings(benchmark::State& state) {
    zavtest::TempDir dir;
    const zav::Settings settings(dir.File("ZAVscore.ini"));
    WriteSettings(settings.Path());
    zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    for (auto _ : state) {
        const zav::PageStyle style = zav::ReadPageStyle(settings);
        std::string page = zav::PrepareHtml(sheet, {1, 1}, zav::OutputTarget::WindowOrPrinter, true,
                                            zav::Language::English, style);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_PrepareHtmlWithSettings)->Unit(benchmark::kMicrosecond);

void BM_PrepareHtmlLayoutOnly(benchmark::State& state) {
    const zav::PageStyle style = zavtest::ColourStyle();
    zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    for (auto _ : state) {
        std::string page = zav::PrepareHtml(sheet, {1, 1}, zav::OutputTarget::WindowOrPrinter, true,
                                            zav::Language::English, style);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_PrepareHtmlLayoutOnly)->Unit(benchmark::kMicrosecond);

void BM_ReadPageStyle(benchmark::State& state) {
    zavtest::TempDir dir;
    const zav::Settings settings(dir.File("ZAVscore.ini"));
    WriteSettings(settings.Path());
    for (auto _ : state) benchmark::DoNotOptimize(zav::ReadPageStyle(settings));
}
BENCHMARK(BM_ReadPageStyle)->Unit(benchmark::kMicrosecond);

// The exported file's bytes: the page with a name outside the code page.
void BM_ExportPageBytes(benchmark::State& state) {
    zav::ScoreSheet sheet = zavtest::Sample("full-heat.score");
    const std::string page = zav::PrepareHtml(sheet, {1, 1}, zav::OutputTarget::File, false,
                                              zav::Language::English, zavtest::ColourStyle());
    for (auto _ : state) benchmark::DoNotOptimize(zav::EncodePageBytes(page));
}
BENCHMARK(BM_ExportPageBytes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
