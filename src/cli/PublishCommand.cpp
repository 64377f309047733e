// zavscore-cli publish: a sheet or a whole set as web pages in a folder, for a
// web server or a synchronised folder to show while the heats run.
#include <charconv>
#include <iostream>

#include "CliSupport.h"
#include "platform/UserFolders.h"
#include "publish/Publication.h"
#include "publish/PublishSettings.h"
#include "report/PageStyle.h"
#include "settings/Settings.h"
#include "upload/PublicationUpload.h"

namespace zavcli {
namespace {

std::optional<int> ParseSeconds(const std::string& text) {
    int seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || seconds < 0 ||
        seconds > zav::kMaxRefreshSeconds)
        return std::nullopt;
    return seconds;
}

// The publication's upload, once: the password from the environment, as a
// scheduled job has no one to ask, or from the address for this run only.
// The addresses printed are without it: a scheduled job's log or mail keeps them.
// An s3:// address signs with the key pair of ZAVSCORE_S3_ACCESS_KEY_ID and
// ZAVSCORE_S3_SECRET_ACCESS_KEY, at the endpoint and region of the options,
// else of the settings file.
int Upload(const std::string& folder, const std::string& url, const std::string& arena,
           const zav::S3Service& s3, zav::Language language) {
    zav::UploadDestination destination;
    destination.url = url;
    destination.arena = arena;
    destination.language = language;
    destination.s3 = s3;
    const zav::Environment env = zav::ProcessEnvironment();
    const std::optional<zav::UploadAddress> address = zav::ParseUploadAddress(url);
    if (address && address->protocol == zav::UploadProtocol::S3) {
        destination.login.accessKeyId = env("ZAVSCORE_S3_ACCESS_KEY_ID").value_or("");
        destination.login.password = env("ZAVSCORE_S3_SECRET_ACCESS_KEY").value_or("");
    } else {
        destination.login.password = env("ZAVSCORE_UPLOAD_PASSWORD").value_or("");
    }
    destination.login.sshFolder = zav::UserSshFolder(env);
    const zav::UploadOutcome outcome =
        zav::UploadPublication(folder, destination, nullptr, nullptr);
    const std::string shown = zav::AddressWithoutPassword(url);
    for (const std::string& name : outcome.sent)
        std::cout << shown << (shown.back() == '/' ? "" : "/") << name << '\n';
    for (const std::string& note : outcome.notes) std::cerr << note << '\n';
    if (!outcome.failure) return kExitOk;
    std::cerr << zav::Text(language, zav::TextId::PublishFailed) << ' '
              << zav::DescribeFailure(outcome.failure, language) << '\n';
    return kExitFailure;
}

}  // namespace

int RunPublish(const std::vector<std::string>& args) {
    const Command& self = FindCommand("publish");
    auto run = ReadInvocation(self, args, 2, "expects a sheet or set file and a folder",
                              {"--refresh", "--upload", "--arena", "--s3-endpoint", "--s3-region"});
    if (!run) return kExitUsage;
    zav::PublishOptions options;
    if (run->args.Has("--refresh")) {
        const std::optional<int> seconds = ParseSeconds(run->args.Value("--refresh"));
        if (!seconds) return UsageError(self, "--refresh takes a number of seconds, 0 to 86400");
        options.refreshSeconds = *seconds;
    }
    // A name of blanks would put the arena's pages over the site's index.
    if (run->args.Has("--arena") && zav::ArenaFolderName(run->args.Value("--arena")).empty())
        return UsageError(self, "--arena takes a name that is not blank");
    options.folder = run->File(1);
    options.language = run->language;
    options.style = zav::ReadPageStyle(zav::Settings(SettingsPath(run->args)));

    const zav::PublishResult result =
        zav::Publish(zav::SourceNamed(run->File(0)), options, run->Reporter());
    for (const std::string& name : result.written) std::cout << name << '\n';
    // A sheet that could not be read is listed with its reason: the rest is
    // worth uploading all the same.
    zav::S3Service s3 = zav::ReadPublishSettings(zav::Settings(SettingsPath(run->args))).s3;
    s3.endpoint = run->args.Value("--s3-endpoint", s3.endpoint);
    s3.region = run->args.Value("--s3-region", s3.region);
    const int uploaded = run->args.Has("--upload")
                             ? Upload(options.folder, run->args.Value("--upload"),
                                      run->args.Has("--arena") ? run->args.Value("--arena") : "",
                                      s3, options.language)
                             : kExitOk;
    return result.complete && uploaded == kExitOk ? kExitOk : kExitFailure;
}

}  // namespace zavcli
