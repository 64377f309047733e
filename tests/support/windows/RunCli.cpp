#include "support/RunCli.h"

#include <windows.h>

#include "support/TempDir.h"

namespace zavtest {
namespace {

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

// One argument as the C runtime splits a command line: in quotes, with the
// backslashes before a quote doubled.
std::wstring Quote(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

HANDLE Inheritable(const std::wstring& path, DWORD access, DWORD creation) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& settingsFile) {
    TempDir capture;
    const std::wstring program = Wide(ZAV_CLI_PATH);
    std::wstring command = Quote(program);
    for (const auto& a : args) command += L" " + Quote(Wide(a));

    HANDLE out = Inheritable(Wide(capture.File("out")), GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE err = Inheritable(Wide(capture.File("err")), GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE in = Inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    // The child takes the settings file from the environment it inherits.
    SetEnvironmentVariableW(L"ZAVSCORE_INI", Wide(settingsFile).c_str());
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(L"ZAVSCORE_INI", nullptr);
    CliResult result;
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        if (GetExitCodeProcess(process.hProcess, &status)) result.status = static_cast<int>(status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(in);
    CloseHandle(out);
    CloseHandle(err);
    result.out = ReadFile(capture.File("out"));
    result.err = ReadFile(capture.File("err"));
    return result;
}

}  // namespace zavtest
