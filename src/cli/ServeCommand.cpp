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
#include "screens/BoardChoice.h"
#include "sets/SifFile.h"
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
    auto run = ReadInvocation(self, args, 1, "expects a sheet or set file",
                              {"--port", "--bind", "--board", "--board-seconds", "--entries"});
    if (!run) return kExitUsage;
    zav::BoardChoice board;
    if (run->args.Has("--board")) {
        const auto view = zav::BoardViewOfWord(run->args.Value("--board"));
        if (!view)
            return UsageError(self, "--board takes turn, ranking, challenge or championship");
        board.view = *view;
    }
    if (run->args.Has("--board-seconds")) {
        const std::string text = run->args.Value("--board-seconds");
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), board.seconds);
        if (error != std::errc() || end != text.data() + text.size() ||
            board.seconds != zav::BoundBoardSeconds(board.seconds))
            return UsageError(self, "--board-seconds takes a number of seconds, " +
                                        std::to_string(zav::kMinBoardSeconds) + " to " +
                                        std::to_string(zav::kMaxBoardSeconds));
    }
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
    // The riders of the announcer's page; a file that cannot be read is
    // named and the page goes without them.
    zav::SifEntries entries;
    if (run->args.Has("--entries") &&
        !zav::ReadSifFile(run->args.Value("--entries"), entries, reporter))
        entries = {};

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
        std::vector<zav::Heat> heats;
        auto shot = std::make_shared<zav::ArenaSnapshot>(
            zav::SnapshotOfFiles(source, run->language, style, reporter, &heats));
        // The screens follow the sheet saved last: the heat being run.
        if (!heats.empty()) {
            const zav::Heat& open = heats[shot->current];
            shot->screens =
                zav::BuildArenaScreens(open.sheet, open.path, heats, board, entries, run->language);
        }
        server.SetSnapshot(std::move(shot));
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
