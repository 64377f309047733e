// Any bytes as the settings file (and as the desktop's folder settings): the
// reader must never crash nor give a value longer than its limit, and a key
// written reads back as written while every other key keeps its value.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace {

using zav::SettingKey;

constexpr SettingKey kKeys[] = {
    SettingKey::Language,  SettingKey::SaveAuto,      SettingKey::ScorePath,
    SettingKey::LogoPath,  SettingKey::LogoName,      SettingKey::HeadFont,
    SettingKey::TitleBkg,  SettingKey::BkgLine1,      SettingKey::BkgLine2,
    SettingKey::BWOnly,    SettingKey::SheetFolder,   SettingKey::SetFolder,
    SettingKey::SifFolder, SettingKey::ExportFolder,  SettingKey::LogoFolder,
    SettingKey::PublishOn, SettingKey::PublishFolder, SettingKey::PublishRefresh,
};
constexpr std::size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

// The run's own folder, removed when the run ends.
struct RunFolder {
    RunFolder() {
        // Every write of the settings file is flushed to the disk: in memory
        // (/dev/shm) that costs nothing, and the fuzzer runs much faster.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        path = (base / ("zavscore-settings-fuzz-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(path);
    }
    ~RunFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

const std::string& Folder() {
    static const RunFolder folder;
    return folder.path;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the key written; the rest is the file.
    const SettingKey written = kKeys[data[0] % kKeyCount];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string ini = Folder() + "/ZAVscore.ini";
    WriteFile(ini, bytes);
    WriteFile(Folder() + "/user-dirs.dirs", bytes);

    const zav::Settings settings(ini);
    std::string before[kKeyCount];
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        before[k] = settings.GetString(kKeys[k]);
        if (before[k].size() > zav::kIniValueMax) std::abort();
        (void)settings.GetInt(kKeys[k]);
    }
    (void)settings.RecentFiles();
    const zav::Environment desktop = [](const std::string& name) -> std::optional<std::string> {
        if (name == "XDG_CONFIG_HOME") return Folder();
        if (name == "HOME") return std::string("/home/fuzz");
        return std::nullopt;
    };
    (void)settings.InterfaceLanguage(desktop);
    (void)zav::UserDocumentsFolder(desktop);

    const std::string value = "fuzz value " + std::to_string(size);
    if (!settings.Set(written, value)) std::abort();
    const zav::SettingsSnapshot after(settings);
    for (std::size_t k = 0; k < kKeyCount; ++k)
        if (after.GetString(kKeys[k]) != (kKeys[k] == written ? value : before[k])) std::abort();
    return 0;
}
