// zavscore-cli serve: the arena network's live pages without the window, for
// a PC by the arena screen or a small board computer, following the files as
// the window (here or through a synchronised folder) saves them.
#include <atomic>
#include <charconv>
#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

#include "CliSupport.h"
#include "arena/ArenaFiles.h"
#include "arena/ArenaServer.h"
#include "report/PageStyle.h"
#include "settings/Settings.h"

namespace zavcli {
namespace {

std::atomic<bool> stopAsked{false};

extern "C" void AskStop(int) {
    stopAsked = true;
}

// Often enough that a save shows well within a second or so.
constexpr auto kPollInterval = std::chrono::milliseconds(300);

}  // namespace

int RunServe(const std::vector<std::string>& args) {
    const Command& self = FindCommand("serve");
    auto run = ReadInvocation(self, args, 1, "expects a sheet or set file", {"--port", "--bind"});
    if (!run) return kExitUsage;
    zav::ArenaOptions options;
    options.entry = false;
    options.bind = run->args.Value("--bind", options.bind);
    options.language = run->language;
    if (run->args.Has("--port")) {
        const std::string text = run->args.Value("--port");
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), options.port);
        if (error != std::errc() || end != text.data() + text.size() || options.port < 0 ||
            options.port > 65535)
            return UsageError(self, "--port takes a port number, 0 to 65535 (0: any free port)");
    }
    const zav::PublishSource source = zav::SourceNamed(run->File(0));
    const std::string settings = SettingsPath(run->args);
    const zav::Reporter reporter = run->Reporter();

    zav::ArenaServer server;
    std::string reason;
    if (!server.Start(options, reason)) {
        std::cerr << "cannot open port " << options.port << " on " << options.bind << ": " << reason
                  << '\n';
        return kExitFailure;
    }
    std::signal(SIGINT, AskStop);
    std::signal(SIGTERM, AskStop);
    std::vector<long long> shown;
    const auto follow = [&] {
        const std::vector<long long> times = zav::WriteTimes(zav::FollowedFiles(source, reporter));
        if (times == shown) return;
        shown = times;
        const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(settings));
        server.SetSnapshot(std::make_shared<zav::ArenaSnapshot>(
            zav::SnapshotOfFiles(source, run->language, style, reporter)));
    };
    // The address says the pages are there: a phone (or a script) that
    // opens it at once gets the sheet, not the page of no sheet.
    follow();
    std::cout << "http://" << options.bind << ':' << server.Port() << "/" << std::endl;
    while (!stopAsked) {
        std::this_thread::sleep_for(kPollInterval);
        follow();
    }
    server.Stop();
    return kExitOk;
}

}  // namespace zavcli
