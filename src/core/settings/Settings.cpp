#include "settings/Settings.h"

#include "paths/CreateFolders.h"
#include "paths/PathNames.h"
#include "platform/UserFolders.h"
#include "settings/DesktopLanguage.h"
#include "settings/IniFile.h"

namespace zav {
namespace {

struct KeyInfo {
    const char* section;
    const char* name;
};

KeyInfo Info(SettingKey key) {
    switch (key) {
        case SettingKey::Language: return {"General", "Language"};
        case SettingKey::SaveAuto: return {"General", "SaveAuto"};
        case SettingKey::ScorePath: return {"General", "ScorePath"};
        case SettingKey::LogoPath: return {"General", "LogoPath"};
        case SettingKey::LogoName: return {"General", "LogoName"};
        case SettingKey::HeadFont: return {"Colors", "HeadFont"};
        case SettingKey::TitleBkg: return {"Colors", "TitleBkg"};
        case SettingKey::BkgLine1: return {"Colors", "BkgLine1"};
        case SettingKey::BkgLine2: return {"Colors", "BkgLine2"};
        case SettingKey::BWOnly: return {"Colors", "BWOnly"};
        case SettingKey::SheetFolder: return {"Folders", "Sheets"};
        case SettingKey::SetFolder: return {"Folders", "Sets"};
        case SettingKey::SifFolder: return {"Folders", "SIF"};
        case SettingKey::ExportFolder: return {"Folders", "Exports"};
        case SettingKey::LogoFolder: return {"Folders", "Logo"};
        case SettingKey::PublishOn: return {"Publish", "On"};
        case SettingKey::PublishFolder: return {"Publish", "Folder"};
        case SettingKey::PublishRefresh: return {"Publish", "Refresh"};
        case SettingKey::PublishUpload: return {"Publish", "Upload"};
        case SettingKey::PublishArena: return {"Publish", "Arena"};
        case SettingKey::PublishS3Endpoint: return {"Publish", "S3Endpoint"};
        case SettingKey::PublishS3Region: return {"Publish", "S3Region"};
        case SettingKey::ArenaOn: return {"Arena", "On"};
        case SettingKey::ArenaPort: return {"Arena", "Port"};
        case SettingKey::ArenaBind: return {"Arena", "Interface"};
        case SettingKey::ArenaAcceptAtOnce: return {"Arena", "AcceptAtOnce"};
        case SettingKey::ArenaBoardView: return {"Arena", "BoardView"};
        case SettingKey::ArenaBoardSeconds: return {"Arena", "BoardSeconds"};
        case SettingKey::ArenaEntries: return {"Arena", "EntriesFile"};
    }
    return {"General", ""};
}

// Leading decimal digits of a value; 0 when there are none.
int LeadingNumber(const std::string& value) {
    int result = 0;
    for (char c : value) {
        if (c < '0' || c > '9') break;
        const int digit = c - '0';
        if (result > (2147483647 - digit) / 10) break;  // stop before overflow
        result = result * 10 + digit;
    }
    return result;
}

}  // namespace

const char* SectionOf(SettingKey key) {
    return Info(key).section;
}
const char* NameOf(SettingKey key) {
    return Info(key).name;
}

std::string Settings::GetString(SettingKey key) const {
    return IniRead(path_, SectionOf(key), NameOf(key)).value_or("");
}

int Settings::GetInt(SettingKey key) const {
    return LeadingNumber(GetString(key));
}

bool Settings::Set(SettingKey key, const std::string& value) const {
    // The user's settings folder does not exist before the first change.
    CreateFolders(FolderOf(path_));
    return IniWrite(path_, SectionOf(key), NameOf(key), value);
}

bool Settings::Store(const SettingValues& values, const Reporter& reporter) const {
    for (const auto& [key, value] : values) {
        if (Set(key, value)) continue;
        reporter.Show(MessageIcon::Information, TextId::SettingsNotWritten, path_);
        return false;
    }
    return true;
}

std::string SettingsSnapshot::GetString(SettingKey key) const {
    return content_.Read(SectionOf(key), NameOf(key)).value_or("");
}

int SettingsSnapshot::GetInt(SettingKey key) const {
    return LeadingNumber(GetString(key));
}

Language Settings::InterfaceLanguage() const {
    return LanguageFromCode(GetString(SettingKey::Language));
}

Language Settings::InterfaceLanguage(const Environment& desktop) const {
    const std::string code = GetString(SettingKey::Language);
    return code.empty() ? DesktopLanguage(desktop) : LanguageFromCode(code);
}

namespace {

constexpr const char* kRecentSection = "RecentSheets";

std::string RecentKey(int index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

std::vector<std::string> Settings::RecentFiles() const {
    const IniContent content(path_);
    std::vector<std::string> files;
    for (int i = 0; i < kRecentFilesMax; ++i)
        if (auto file = content.Read(kRecentSection, RecentKey(i)); file && !file->empty())
            files.push_back(*file);
    return files;
}

bool Settings::SetRecentFiles(const std::vector<std::string>& files) const {
    std::vector<std::pair<std::string, std::string>> keys;
    for (const std::string& file : files)
        if (file.size() <= kIniValueMax && keys.size() < kRecentFilesMax)
            keys.emplace_back(RecentKey(static_cast<int>(keys.size())), file);
    // Emptied, the keys of a longer list written before.
    while (keys.size() < kRecentFilesMax)
        keys.emplace_back(RecentKey(static_cast<int>(keys.size())), std::string());
    CreateFolders(FolderOf(path_));
    return IniWrite(path_, kRecentSection, keys);
}

}  // namespace zav
