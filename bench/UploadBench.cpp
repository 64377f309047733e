// From a save to the page on the web site: a 50-sheet set published, then
// one sheet changed, saved, published again and uploaded (its page and the
// index travel), to SFTP and WebDAV servers on loopback that the benchmark
// starts itself.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "core/report/PageTesting.h"
#include "core/upload/LoopbackServers.h"
#include "publish/Publication.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "upload/PublicationUpload.h"

namespace {

constexpr int kSheets = 50;

class FiftySheets {
public:
    FiftySheets() {
        for (int k = 0; k < kSheets; ++k) {
            sheet_.sSubTitle = "Category " + std::to_string(k + 1);
            names_.push_back("48213_Category " + std::to_string(k + 1) + ".pscore");
            Save(k);
        }
        zavtest::WriteFile(dir_.File("48213.mscore"), zav::SetFileBytes(names_));
    }
    // Saves sheet k changed: its page and the index change.
    void Change(int k) {
        sheet_.sSubTitle =
            "Category " + std::to_string(k + 1) + " (" + std::to_string(++changes_) + ")";
        Save(k);
    }
    void Publish() {
        zav::PublishOptions options;
        options.folder = Folder();
        options.refreshSeconds = 30;
        options.language = zav::Language::English;
        if (!zav::Publish({dir_.File("48213.mscore"), true}, options, Quiet()).complete)
            std::abort();
    }
    std::string Folder() const { return dir_.File("www"); }

private:
    const zav::Reporter& Quiet() {
        static zav::RecordingMessageSink messages;
        static const zav::Reporter reporter(zav::Language::English, messages);
        return reporter;
    }
    void Save(int k) {
        if (!zav::SaveSheet(sheet_, dir_.File(names_[k]), Quiet())) std::abort();
    }
    zavtest::TempDir dir_;
    zav::ScoreSheet sheet_ = zavtest::Sample("full-heat.score");
    std::vector<std::string> names_;
    int changes_ = 0;
};

void SaveToSite(benchmark::State& state, const zav::UploadDestination& site, FiftySheets& set) {
    set.Publish();
    if (zav::UploadPublication(set.Folder(), site, nullptr, nullptr).failure) std::abort();
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        set.Change(k++ % kSheets);
        state.ResumeTiming();
        set.Publish();
        const zav::UploadOutcome outcome =
            zav::UploadPublication(set.Folder(), site, nullptr, nullptr);
        if (outcome.failure || outcome.sent.size() != 2) std::abort();
    }
}

void BM_SaveToSftpSiteOneSheetOfFifty(benchmark::State& state) {
    zavtest::TempDir serverFolder;
    zavtest::SftpServer server(serverFolder.Path());
    FiftySheets set;
    SaveToSite(state, {server.Url(), "", {"", server.SshFolder()}}, set);
}
BENCHMARK(BM_SaveToSftpSiteOneSheetOfFifty)->Unit(benchmark::kMillisecond);

void BM_SaveToWebDavSiteOneSheetOfFifty(benchmark::State& state) {
    zavtest::TempDir serverFolder;
    zavtest::WebDavServer server(serverFolder.Path());
    FiftySheets set;
    SaveToSite(state, {server.Url(), "", {zavtest::WebDavServer::kPassword, ""}}, set);
}
BENCHMARK(BM_SaveToWebDavSiteOneSheetOfFifty)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
