// zavscore-cli: the program's rules from the command line, for batch export
// of results and for checking the program without its window.
#include <iostream>

#include "Command.h"
#include "platform/CommandLine.h"

namespace {

void PrintOverview(std::ostream& out) {
    out << "Usage: zavscore-cli COMMAND [ARGS...]\n\nCommands:\n";
    for (const auto& c : zavcli::AllCommands())
        out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
    out << "\n'zavscore-cli COMMAND --help' describes one command.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = zav::StartCommandLine(argc, argv);
    if (arguments.empty()) {
        PrintOverview(std::cerr);
        return zavcli::kExitUsage;
    }
    const std::string& name = arguments.front();
    if (name == "--help" || name == "-h" || name == "help") {
        PrintOverview(std::cout);
        return zavcli::kExitOk;
    }
    for (const auto& command : zavcli::AllCommands()) {
        if (name != command.name) continue;
        const std::vector<std::string> args(arguments.begin() + 1, arguments.end());
        for (const auto& a : args) {
            if (a == "--help" || a == "-h") {
                std::cout << "Usage: zavscore-cli " << command.name << ' ' << command.usage
                          << "\n\n"
                          << command.summary << '\n';
                return zavcli::kExitOk;
            }
        }
        return command.run(args);
    }
    std::cerr << "zavscore-cli: unknown command '" << name << "'\n\n";
    PrintOverview(std::cerr);
    return zavcli::kExitUsage;
}
