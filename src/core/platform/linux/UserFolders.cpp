#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace zav {
namespace {

constexpr const char* kProgramFolder = "/zavscore";

std::string Home(const Environment& env) {
    return env("HOME").value_or("");
}

// The XDG variable when it holds an absolute path, else the home's default.
std::string BaseFolder(const Environment& env, const char* variable, const char* homeDefault) {
    const std::optional<std::string> value = env(variable);
    if (value && !value->empty() && value->front() == '/') return *value;
    return Home(env) + homeDefault;
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs: shell assignments whose
// value is "$HOME/…" or an absolute path, in double quotes.
std::optional<std::string> DocumentsFolderIn(const std::string& userDirsFile,
                                             const std::string& home) {
    std::ifstream in(userDirsFile);
    std::optional<std::string> found;
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    for (std::string line; std::getline(in, line);) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        const auto valueStart = start + key.size();
        const auto close = line.find('"', valueStart);
        if (close == std::string::npos) continue;
        std::string value = line.substr(valueStart, close - valueStart);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        else if (value.empty() || value.front() != '/')
            continue;
        found = value;  // the last assignment holds, as in the shell
    }
    return found;
}

}  // namespace

Environment ProcessEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name.c_str())) return std::string(value);
        if (name == "HOME")
            if (const passwd* account = getpwuid(getuid()); account && account->pw_dir)
                return std::string(account->pw_dir);
        return std::nullopt;
    };
}

std::string UserSshFolder(const Environment& env) {
    return Home(env) + "/.ssh";
}

std::string UserConfigFolder(const Environment& env) {
    return BaseFolder(env, "XDG_CONFIG_HOME", "/.config") + kProgramFolder;
}

std::string UserDataFolder(const Environment& env) {
    return BaseFolder(env, "XDG_DATA_HOME", "/.local/share") + kProgramFolder;
}

std::string UserStateFolder(const Environment& env) {
    return BaseFolder(env, "XDG_STATE_HOME", "/.local/state") + kProgramFolder;
}

std::string UserCacheFolder(const Environment& env) {
    return BaseFolder(env, "XDG_CACHE_HOME", "/.cache") + kProgramFolder;
}

std::string UserDocumentsFolder(const Environment& env) {
    const std::string settings = BaseFolder(env, "XDG_CONFIG_HOME", "/.config") + "/user-dirs.dirs";
    if (auto folder = DocumentsFolderIn(settings, Home(env))) return *folder;
    if (auto folder = env("XDG_DOCUMENTS_DIR"); folder && !folder->empty()) return *folder;
    return Home(env);
}

}  // namespace zav
