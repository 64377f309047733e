#include "support/RunCli.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/TempDir.h"

namespace zavtest {
namespace {

std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& settingsFile) {
    TempDir capture;
    std::string command = "ZAVSCORE_INI=" + Quote(settingsFile) + " " + Quote(ZAV_CLI_PATH);
    for (const auto& a : args) command += " " + Quote(a);
    command +=
        " >" + Quote(capture.File("out")) + " 2>" + Quote(capture.File("err")) + " </dev/null";
    const int raw = std::system(command.c_str());
    CliResult result;
    if (raw != -1 && WIFEXITED(raw)) result.status = WEXITSTATUS(raw);
    result.out = ReadFile(capture.File("out"));
    result.err = ReadFile(capture.File("err"));
    return result;
}

}  // namespace zavtest
