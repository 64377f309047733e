// Start-up of the program with a score sheet named on the command line, from
// process start to the window shown, against a bare frame with an HTML view
// started the same way. Both run alternately in the same iterations, so that
// the load of the machine weighs on both alike. Needs a display:
//   xvfb-run -a ./zavscore_startup_bench
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempDir.h"

extern char** environ;

namespace {

// Runs `program` with `arguments` and waits for it; the wall time in seconds.
double TimedRun(const std::string& program, std::vector<std::string> arguments) {
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        std::abort();
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
    return std::chrono::duration<double>(end - start).count();
}

// A settings file and a full sheet of its own, so that no real file is read.
class StartupFiles {
public:
    StartupFiles() : sheet_(dir_.File("nations-cup-semi-final.score")) {
        zavtest::WriteFile(sheet_,
                           zavtest::ReadFile(ZAV_EXAMPLES_DIR "/nations-cup-semi-final.score"));
        setenv("ZAVSCORE_INI", dir_.File("ZAVscore.ini").c_str(), 1);
        setenv("ZAVSCORE_EXIT_WHEN_SHOWN", "1", 1);
    }
    const std::string& Sheet() const { return sheet_; }

private:
    zavtest::TempDir dir_;
    std::string sheet_;
};

void BM_StartupWithSheetAgainstMinimalFrame(benchmark::State& state) {
    StartupFiles files;
    // Once each before timing: the libraries come into the page cache.
    TimedRun(ZAV_MINIMAL_FRAME_PATH, {});
    TimedRun(ZAV_PROGRAM_PATH, {files.Sheet()});

    double minimalTotal = 0;
    double programTotal = 0;
    for (auto _ : state) {
        minimalTotal += TimedRun(ZAV_MINIMAL_FRAME_PATH, {});
        const double program = TimedRun(ZAV_PROGRAM_PATH, {files.Sheet()});
        programTotal += program;
        state.SetIterationTime(program);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["minimal_ms"] = 1000 * minimalTotal / runs;
    state.counters["program_ms"] = 1000 * programTotal / runs;
    state.counters["ratio"] = programTotal / minimalTotal;
}
BENCHMARK(BM_StartupWithSheetAgainstMinimalFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
