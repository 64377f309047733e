// From a save to the page on the web site: a 50-sheet set published, then
// one sheet changed, saved, published again and uploaded (its page and the
// index travel), to SFTP, WebDAV and S3 servers on loopback that the
// benchmark starts itself.
#include <benchmark/benchmark.h>

#include <algorithm>
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
    bool Publish() {
        zav::PublishOptions options;
        options.folder = Folder();
        options.refreshSeconds = 30;
        options.language = zav::Language::English;
        return zav::Publish({dir_.File("48213.mscore"), true}, options, Quiet()).complete;
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

// The changed sheet's page, its phone page and the index travel (and the
// championship table, which names the sheets).
bool SentTheChange(const zav::UploadOutcome& outcome, int k) {
    const std::string page = "48213_Category " + std::to_string(k + 1);
    for (const std::string& name :
         {page + ".html", page + ".phone.html", std::string("index.html")})
        if (std::find(outcome.sent.begin(), outcome.sent.end(), name) == outcome.sent.end())
            return false;
    return outcome.sent.size() <= 4;
}

// A failure ends the run with its reason, so that the servers are stopped.
void SaveToSite(benchmark::State& state, const zav::UploadDestination& site, FiftySheets& set) {
    const zav::UploadFailure failure =
        set.Publish() ? zav::UploadPublication(set.Folder(), site, nullptr, nullptr).failure
                      : zav::UploadFailure{zav::UploadError::LocalFolder, "not published"};
    if (failure) {
        state.SkipWithError(("first upload: " + failure.detail).c_str());
        return;
    }
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        set.Change(k % kSheets);
        state.ResumeTiming();
        const bool published = set.Publish();
        const zav::UploadOutcome outcome =
            zav::UploadPublication(set.Folder(), site, nullptr, nullptr);
        if (!published || outcome.failure || !SentTheChange(outcome, k++ % kSheets)) {
            state.SkipWithError(("upload: " + outcome.failure.detail + ", " +
                                 std::to_string(outcome.sent.size()) + " files sent")
                                    .c_str());
            break;
        }
    }
}

void BM_SaveToSftpSiteOneSheetOfFifty(benchmark::State& state) {
    FiftySheets set;
    zavtest::TempDir serverFolder;
    zavtest::SftpServer server(serverFolder.Path());
    SaveToSite(state, {server.Url(), "", {"", server.SshFolder()}}, set);
}
BENCHMARK(BM_SaveToSftpSiteOneSheetOfFifty)->Unit(benchmark::kMillisecond);

void BM_SaveToWebDavSiteOneSheetOfFifty(benchmark::State& state) {
    FiftySheets set;
    zavtest::TempDir serverFolder;
    zavtest::WebDavServer server(serverFolder.Path());
    SaveToSite(state, {server.Url(), "", {zavtest::WebDavServer::kPassword, ""}}, set);
}
BENCHMARK(BM_SaveToWebDavSiteOneSheetOfFifty)->Unit(benchmark::kMillisecond);

// Every request signed (AWS Signature V4) and checked again by the server.
void BM_SaveToS3SiteOneSheetOfFifty(benchmark::State& state) {
    using S3 = zavtest::S3Server;
    FiftySheets set;
    zavtest::TempDir serverFolder;
    S3 server(serverFolder.Path());
    SaveToSite(state,
               {std::string("s3://") + S3::kBucket + "/live/",
                "",
                {S3::kSecret, "", S3::kKeyId},
                zav::Language::English,
                {server.Endpoint(), S3::kRegion}},
               set);
}
BENCHMARK(BM_SaveToS3SiteOneSheetOfFifty)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
