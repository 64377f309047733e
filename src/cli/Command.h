// The commands of zavscore-cli: each is one function over the core, found by
// name in the table of Commands.cpp.
#pragma once

#include <string>
#include <vector>

namespace zavcli {

// Exit statuses: 0 done, 1 the program refused or failed (its message was
// printed), 2 wrong usage (the usage text was printed).
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Command {
    const char* name;
    const char* usage;    // one line: arguments and options
    const char* summary;  // what it does, for --help
    int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& AllCommands();

// The command of that name (which must exist: names are fixed in the table).
const Command& FindCommand(const std::string& name);

// Prints the command's usage on standard error and returns kExitUsage.
int UsageError(const Command& command, const std::string& problem);

}  // namespace zavcli
