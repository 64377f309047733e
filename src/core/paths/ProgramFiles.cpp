#include "paths/ProgramFiles.h"

#include <unistd.h>

#include <climits>
#include <filesystem>

namespace zav {
namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    return std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n)))
        .parent_path()
        .string();
}

std::string ProgramDataFolder(const std::string& executableFolder) {
    const std::filesystem::path installed =
        (std::filesystem::path(executableFolder) / "../share/zavscore").lexically_normal();
    std::error_code error;
    return std::filesystem::is_directory(installed, error) ? installed.string() : executableFolder;
}

std::string SettingsFilePath(const Environment& env, const std::string& executableFolder) {
    if (auto named = env("ZAVSCORE_INI"); named && !named->empty()) return *named;
    const std::string portable = executableFolder + "/ZAVscore.ini";
    if (IsFile(portable)) return portable;
    return UserConfigFolder(env) + "/ZAVscore.ini";
}

std::string UserReferenceFolder(const Environment& env) {
    return UserDataFolder(env) + "/documents";
}

std::optional<std::string> FindReferenceDocument(const std::string& fileName,
                                                 const Environment& env,
                                                 const std::string& dataFolder) {
    for (const std::string& folder : {UserReferenceFolder(env), dataFolder})
        if (IsFile(folder + "/" + fileName)) return folder + "/" + fileName;
    return std::nullopt;
}

}  // namespace zav
