#include "platform/UserFolders.h"

// clang-format off
#include <windows.h>  // first: shlobj.h needs its types
#include <shlobj.h>
// clang-format on

#include <cstdlib>

#include "platform/windows/Wide.h"

namespace zav {
namespace {

constexpr const char* kProgramFolder = "\\ZAVscore";

std::optional<std::string> KnownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    std::optional<std::string> folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) folder = Utf8(path);
    CoTaskMemFree(path);
    return folder;
}

std::string Folder(const Environment& env, const char* variable) {
    return env(variable).value_or("");
}

}  // namespace

Environment ProcessEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        if (const wchar_t* value = _wgetenv(Wide(name).c_str())) return Utf8(value);
        if (name == "APPDATA") return KnownFolder(FOLDERID_RoamingAppData);
        if (name == "LOCALAPPDATA") return KnownFolder(FOLDERID_LocalAppData);
        return std::nullopt;
    };
}

// Settings, the user's documents and placement pictures roam with the user;
// recovery files and the cache stay on this computer.
std::string UserConfigFolder(const Environment& env) {
    return Folder(env, "APPDATA") + kProgramFolder;
}

std::string UserDataFolder(const Environment& env) {
    return Folder(env, "APPDATA") + kProgramFolder;
}

std::string UserStateFolder(const Environment& env) {
    return Folder(env, "LOCALAPPDATA") + kProgramFolder;
}

std::string UserCacheFolder(const Environment& env) {
    return Folder(env, "LOCALAPPDATA") + kProgramFolder + "\\cache";
}

// Where Windows' own OpenSSH client keeps the user's keys and known hosts.
std::string UserSshFolder(const Environment& env) {
    return Folder(env, "USERPROFILE") + "\\.ssh";
}

std::string UserDocumentsFolder(const Environment& env) {
    if (auto folder = KnownFolder(FOLDERID_Documents)) return *folder;
    return Folder(env, "USERPROFILE") + "\\Documents";
}

}  // namespace zav
