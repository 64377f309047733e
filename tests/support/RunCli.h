// Runs zavscore-cli as a user would, with its own settings file, and keeps
// what it printed and how it ended.
#pragma once

#include <string>
#include <vector>

namespace zavtest {

struct CliResult {
    int status = -1;  // exit status, -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// Runs the tool built beside the tests with these arguments. ZAVSCORE_INI is
// set to `settingsFile` (an absent file means default settings).
CliResult RunCli(const std::vector<std::string>& args, const std::string& settingsFile);

}  // namespace zavtest
