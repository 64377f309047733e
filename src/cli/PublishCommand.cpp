// zavscore-cli publish: a sheet or a whole set as web pages in a folder, for a
// web server or a synchronised folder to show while the heats run.
#include <charconv>
#include <iostream>

#include "CliSupport.h"
#include "publish/Publication.h"
#include "publish/PublishSettings.h"
#include "report/PageStyle.h"
#include "settings/Settings.h"

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

}  // namespace

int RunPublish(const std::vector<std::string>& args) {
    const Command& self = FindCommand("publish");
    auto run =
        ReadInvocation(self, args, 2, "expects a sheet or set file and a folder", {"--refresh"});
    if (!run) return kExitUsage;
    zav::PublishOptions options;
    if (run->args.Has("--refresh")) {
        const std::optional<int> seconds = ParseSeconds(run->args.Value("--refresh"));
        if (!seconds) return UsageError(self, "--refresh takes a number of seconds, 0 to 86400");
        options.refreshSeconds = *seconds;
    }
    options.folder = run->File(1);
    options.language = run->language;
    options.style = zav::ReadPageStyle(zav::Settings(SettingsPath(run->args)));

    const zav::PublishResult result =
        zav::Publish(zav::SourceNamed(run->File(0)), options, run->Reporter());
    for (const std::string& name : result.written) std::cout << name << '\n';
    return result.complete ? kExitOk : kExitFailure;
}

}  // namespace zavcli
