// Start-up of the program with a score sheet named on the command line, from
// process start to the window shown, against a bare frame with an HTML view
// started the same way, and against the same bare frame showing the page the
// program shows first (what the page costs with nothing around it). All run
// alternately in the same iterations, so that the load of the machine weighs
// on each alike. Needs a display:
//   xvfb-run -a ./zavscore_startup_bench
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/UserFolders.h"
#include "settings/Settings.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "texts/Messages.h"
#include "texts/Reporter.h"
#include "view/DisplayChoices.h"
#include "view/PageProducer.h"

extern char** environ;

namespace {

struct Timing {
    double toShown;  // seconds from start to the moment the program reports
    double toExit;   // seconds from start to the end of the process
};

// Runs `program` with `arguments` and waits for it. The program writes the
// steady clock's time at the moment its window is shown ("shown <ns>") on its
// standard output: the same clock as this process's, so that start-up is
// timed without the tearing down that follows.
Timing TimedRun(const std::string& program, std::vector<std::string> arguments) {
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    int output[2];
    if (pipe(output) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        std::abort();
    close(output[1]);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;) text.append(buffer, got);
    close(output[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();

    long long shownNs = 0;
    if (std::sscanf(text.c_str(), "shown %lld", &shownNs) != 1) std::abort();
    const auto shown = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(shownNs));
    return {std::chrono::duration<double>(shown - start).count(),
            std::chrono::duration<double>(end - start).count()};
}

// A settings file, a state folder and a full sheet of its own, so that no
// real file is read (nor a recovery file offered).
class StartupFiles {
public:
    StartupFiles()
        : sheet_(dir_.File("nations-cup-semi-final.score")), page_(dir_.File("first-page.html")) {
        zavtest::WriteFile(sheet_,
                           zavtest::ReadFile(ZAV_EXAMPLES_DIR "/nations-cup-semi-final.score"));
        setenv("ZAVSCORE_INI", dir_.File("ZAVscore.ini").c_str(), 1);
        setenv("ZAVSCORE_EXIT_WHEN_SHOWN", "1", 1);
        setenv("XDG_STATE_HOME", dir_.Path().c_str(), 1);
        // The program turns GDK's OpenGL probe off; the bare frame must too,
        // or the ratio would credit the program with the probe's cost (about
        // 90 ms without a window manager, as under xvfb-run), not its own.
        setenv("GDK_GL", "disable", 1);
        zavtest::WriteFile(page_, FirstPage());
    }
    const std::string& Sheet() const { return sheet_; }
    const std::string& Page() const { return page_; }

private:
    // Made by the program's own page code, in the language of its first start.
    std::string FirstPage() const {
        const zav::Settings settings(dir_.File("ZAVscore.ini"));
        const zav::Language language = settings.InterfaceLanguage(zav::ProcessEnvironment());
        zav::RecordingMessageSink messages;
        zav::ScoreSheet sheet;
        if (!zav::LoadSheet(sheet, sheet_, zav::Reporter(language, messages))) std::abort();
        const zavgui::DisplayChoices choices;
        return zavgui::PageProducer(sheet, choices, settings, language)
            .Page(zavgui::PageKind::Sheet, zavgui::PageUse::Window);
    }

    zavtest::TempDir dir_;
    std::string sheet_;
    std::string page_;
};

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void BM_StartupWithSheetAgainstMinimalFrame(benchmark::State& state) {
    StartupFiles files;
    // Once each before timing: the libraries come into the page cache.
    TimedRun(ZAV_MINIMAL_FRAME_PATH, {});
    TimedRun(ZAV_MINIMAL_FRAME_PATH, {files.Page()});
    TimedRun(ZAV_PROGRAM_PATH, {files.Sheet()});

    std::vector<double> minimal;
    std::vector<double> pageOnly;
    std::vector<double> program;
    std::vector<double> ratio;
    std::vector<double> pageOnlyRatio;
    std::vector<double> minimalExit;
    std::vector<double> programExit;
    for (auto _ : state) {
        const Timing bare = TimedRun(ZAV_MINIMAL_FRAME_PATH, {});
        const Timing page = TimedRun(ZAV_MINIMAL_FRAME_PATH, {files.Page()});
        const Timing full = TimedRun(ZAV_PROGRAM_PATH, {files.Sheet()});
        minimal.push_back(bare.toShown);
        pageOnly.push_back(page.toShown);
        program.push_back(full.toShown);
        ratio.push_back(full.toShown / bare.toShown);
        pageOnlyRatio.push_back(page.toShown / bare.toShown);
        minimalExit.push_back(bare.toExit);
        programExit.push_back(full.toExit);
        state.SetIterationTime(full.toShown);
    }
    // Medians: one run slowed by another process on the machine does not
    // move them as it moves a mean.
    state.counters["minimal_ms"] = 1000 * Median(minimal);
    state.counters["page_only_ms"] = 1000 * Median(pageOnly);
    state.counters["program_ms"] = 1000 * Median(program);
    state.counters["ratio"] = Median(ratio);
    // The least any program showing this page in this view can reach.
    state.counters["page_only_ratio"] = Median(pageOnlyRatio);
    state.counters["minimal_exit_ms"] = 1000 * Median(minimalExit);
    state.counters["program_exit_ms"] = 1000 * Median(programExit);
}
BENCHMARK(BM_StartupWithSheetAgainstMinimalFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
