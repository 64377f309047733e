// The table of commands; each command lives in its own file.
#include "Command.h"

#include <cstdlib>

namespace zavcli {

int RunScores(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"scores", "SHEET [--lang FR|EN|IT|GE] [--settings INI]",
         "Reads SHEET as the program opens it, computes the heat and 'Challenge' scores and "
         "prints them as one JSON object.",
         RunScores},
        {"convert", "IN OUT [--lang FR|EN|IT|GE] [--settings INI]",
         "Reads the sheet IN as the program opens it (game names translated into the language) "
         "and writes it to OUT as the program saves it.",
         RunConvert},
    };
    return commands;
}

const Command& FindCommand(const std::string& name) {
    for (const auto& command : AllCommands())
        if (name == command.name) return command;
    std::abort();  // a command asked for a name missing from the table
}

}  // namespace zavcli
