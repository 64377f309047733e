// A command-line program's arguments and standard streams, the same bytes on
// every system: UTF-8 arguments (Windows hands main() its ANSI code page's),
// output written as it is (no "\r" added before each "\n" on Windows).
#pragma once

#include <string>
#include <vector>

namespace zav {

// The arguments after the program's name, in UTF-8; sets up the standard
// streams. Called once, first thing in main().
std::vector<std::string> StartCommandLine(int argc, char** argv);

}  // namespace zav
