// The table of commands; each command lives in its own file.
#include <cstdlib>

#include "Command.h"

namespace zavcli {

int RunScores(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunSif(const std::vector<std::string>& args);
int RunImportSif(const std::vector<std::string>& args);
int RunSetList(const std::vector<std::string>& args);
int RunSetCopy(const std::vector<std::string>& args);
int RunSetMove(const std::vector<std::string>& args);
int RunSetDelete(const std::vector<std::string>& args);
int RunPage(const std::vector<std::string>& args);
int RunPublish(const std::vector<std::string>& args);
int RunChampionship(const std::vector<std::string>& args);
int RunServe(const std::vector<std::string>& args);
int RunHistory(const std::vector<std::string>& args);

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
        {"sif", "SIF [--lang FR|EN|IT|GE] [--settings INI]",
         "Reads the SIF entries file as the set creation does and prints its competition "
         "number, categories and teams as one JSON object.",
         RunSif},
        {"import-sif",
         "SIF SETFILE [--title T] [--date D] [--referee R] [--games 4..12] "
         "[--rules french|international] [--group LIST]... [--replace] [--lang FR|EN|IT|GE] "
         "[--settings INI]",
         "Creates a score sheet set from the SIF file: SETFILE and one sheet file per category, "
         "or one per --group (a comma-separated list of category fields or codes; every "
         "category must be in a group). Existing files (SETFILE or sheet files) are replaced only "
         "with --replace; without it the command lists them and writes nothing. "
         "Nothing is written unless every file can be. Prints the sheet file names.",
         RunImportSif},
        {"set-list", "SETFILE [--lang FR|EN|IT|GE] [--settings INI]",
         "Prints the sheet file names of the set, in set file order, one a line.", RunSetList},
        {"set-copy", "SETFILE FOLDER [--replace] [--lang FR|EN|IT|GE] [--settings INI]",
         "Copies the set file and its sheet files into FOLDER; an existing set of the same name "
         "there is replaced only with --replace.",
         RunSetCopy},
        {"set-move", "SETFILE FOLDER [--replace] [--lang FR|EN|IT|GE] [--settings INI]",
         "Moves the set file and its sheet files into FOLDER; an existing set of the same name "
         "there is replaced only with --replace.",
         RunSetMove},
        {"set-delete", "SETFILE [--lang FR|EN|IT|GE] [--settings INI]",
         "Deletes every sheet file of the set, then the set file.", RunSetDelete},
        {"page",
         "sheet|staff|equipment|placement|placement-print SHEET [--target window|printer|file] "
         "[--view both|competition|challenge] [--lang FR|EN|IT|GE] [--settings INI]",
         "Reads SHEET as the program opens it and writes the page, byte for byte, as the program "
         "shows it in the window, prints it or exports it (default: the exported file). --view "
         "sets the display choices; without it they are those of an opened sheet.",
         RunPage},
        {"publish",
         "SHEET|SETFILE FOLDER [--refresh SECONDS] [--upload URL [--arena NAME] [--s3-endpoint "
         "URL] [--s3-region REGION]] [--lang FR|EN|IT|GE] [--settings INI]",
         "Writes into FOLDER the exported page of the sheet, or of every sheet of the set, with "
         "a line that reloads it every SECONDS when --refresh is given, the logo, and index.html "
         "listing the sheets in set order. Only files whose bytes change are rewritten; prints "
         "their names. A sheet that cannot be read is listed with the reason. --upload then sends "
         "the files changed since the last upload to URL (sftp://, ftp://, ftps://, https:// "
         "WebDAV, s3://BUCKET/PREFIX/), into its folder NAME with an entry in the site's index of "
         "arenas when --arena is given; the password is taken from ZAVSCORE_UPLOAD_PASSWORD, SFTP "
         "uses ssh's agent or keys and known_hosts. s3:// stores the objects at the --s3-endpoint "
         "(path-style; default: Amazon's) in the --s3-region (default: us-east-1), signed with "
         "ZAVSCORE_S3_ACCESS_KEY_ID and ZAVSCORE_S3_SECRET_ACCESS_KEY. Prints the addresses sent.",
         RunPublish},
        {"championship",
         "SHEET|SETFILE... [--html FILE] [--json] [--lang FR|EN|IT|GE] [--settings INI]",
         "Ranks the teams of each category across the sheets (a set file: its sheets) by the "
         "sum of their heat scores, ties shared: one table per category, as a set's sheets "
         "name them (sheets that name none make one table). Prints each table as tab-separated "
         "lines (under its category's line when there are several, a blank line between "
         "them), or the tables as one JSON list with --json; --html writes their page as the "
         "export does. A sheet that cannot be read is named and left out.",
         RunChampionship},
        {"serve",
         "SHEET|SETFILE [--port N] [--bind ADDR] [--board turn|ranking|challenge|championship] "
         "[--board-seconds N] [--entries SIFFILE] [--lang FR|EN|IT|GE] [--settings INI]",
         "Serves the live results pages of the sheet, or of every sheet of the set, to the "
         "phones of the local network (port 8080 and every interface by default; --port 0 "
         "takes any free port), following the files as they are saved. Prints the address; "
         "Ctrl+C stops. /board, /overlay and /announcer show the sheet saved last: the board "
         "turns its views (--board-seconds each, 12 by default) or keeps the one named by "
         "--board; the announcer's page names each team's riders from the entries file "
         "--entries.",
         RunServe},
        {"history", "SHEET [--json] [--lang FR|EN|IT|GE] [--settings INI]",
         "Prints where each result of the sheet came from (typed in the window, sent from the "
         "finish line with the judge, the phone and the times, undone or made again), game by "
         "game, and when the heat was made official or provisional again; as one JSON object "
         "with --json. Results entered before the sheet kept a history are said to be of "
         "unrecorded origin.",
         RunHistory},
    };
    return commands;
}

const Command& FindCommand(const std::string& name) {
    for (const auto& command : AllCommands())
        if (name == command.name) return command;
    std::abort();  // a command asked for a name missing from the table
}

}  // namespace zavcli
