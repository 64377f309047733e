#include "platform/CommandLine.h"

// clang-format off
#include <windows.h>  // first: shellapi.h needs its types
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/windows/Wide.h"

namespace zav {

std::vector<std::string> StartCommandLine(int, char**) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // A console shows the UTF-8 output as written.
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; i < count; ++i) utf8.push_back(Utf8(arguments[i]));
    LocalFree(arguments);
    return utf8;
}

}  // namespace zav
