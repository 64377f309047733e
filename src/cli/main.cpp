// zavscore-cli: the program's rules from the command line, for batch export
// of results and for checking the program without its window.
#include <cstring>
#include <iostream>

#include "Command.h"

namespace {

void PrintOverview(std::ostream& out) {
    out << "Usage: zavscore-cli COMMAND [ARGS...]\n\nCommands:\n";
    for (const auto& c : zavcli::AllCommands())
        out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
    out << "\n'zavscore-cli COMMAND --help' describes one command.\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintOverview(std::cerr);
        return zavcli::kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintOverview(std::cout);
        return zavcli::kExitOk;
    }
    for (const auto& command : zavcli::AllCommands()) {
        if (name != command.name) continue;
        std::vector<std::string> args(argv + 2, argv + argc);
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
