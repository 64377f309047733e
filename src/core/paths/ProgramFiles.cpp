#include "paths/ProgramFiles.h"

#include <filesystem>

#include "paths/PathNames.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"

namespace zav {
namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(NativePath(path), error);
}

}  // namespace

std::string ExecutableFolder() {
    const std::string path = ExecutablePath();
    if (path.empty()) return ".";
    return Utf8Path(NativePath(path).parent_path());
}

std::string ProgramDataFolder(const std::string& executableFolder) {
    const std::filesystem::path installed =
        (NativePath(executableFolder) / ".." / "share" / "zavscore").lexically_normal();
    std::error_code error;
    return std::filesystem::is_directory(installed, error) ? Utf8Path(installed) : executableFolder;
}

std::string SettingsFilePath(const Environment& env, const std::string& executableFolder) {
    if (auto named = env("ZAVSCORE_INI"); named && !named->empty()) return *named;
    const std::string portable = PathInFolder(executableFolder, "ZAVscore.ini");
    if (IsFile(portable)) return portable;
    return PathInFolder(UserConfigFolder(env), "ZAVscore.ini");
}

std::string UserReferenceFolder(const Environment& env) {
    return PathInFolder(UserDataFolder(env), "documents");
}

std::optional<std::string> FindReferenceDocument(const std::string& fileName,
                                                 const Environment& env,
                                                 const std::string& dataFolder) {
    for (const std::string& folder : {UserReferenceFolder(env), dataFolder})
        if (IsFile(PathInFolder(folder, fileName))) return PathInFolder(folder, fileName);
    return std::nullopt;
}

}  // namespace zav
