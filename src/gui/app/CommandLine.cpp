#include "app/CommandLine.h"

#include <cstring>

#include "texts/Texts.h"

namespace zavgui {

std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            out << "Usage: zavscore [FILE]\n\n"
                   "Score sheets for Mounted Games (pony games) team competitions, in a window.\n"
                   "FILE, a score sheet (.score) or a set of sheets (.mscore), is opened at "
                   "once.\n\n"
                   "  -h, --help     show this help and exit\n"
                   "      --version  show the version and exit\n\n"
                   "zavscore-cli --help lists the commands of the command-line tool.\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            out << "ZAVscore " << zav::Text(zav::Language::English, zav::TextId::Version) << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace zavgui
