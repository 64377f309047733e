#include "platform/CommandLine.h"

namespace zav {

std::vector<std::string> StartCommandLine(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace zav
