// The settings file "ZAVscore.ini": one typed access to every key the program
// reads or writes. Nothing is cached: each read goes to the file, so a change
// made by an options dialog shows on the next page built.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/UserFolders.h"
#include "settings/IniFile.h"
#include "texts/Reporter.h"

namespace zav {

enum class SettingKey {
    Language,   // [General] "FR", "EN", "IT", "GE"
    SaveAuto,   // [General] "1" or "0"
    ScorePath,  // [General] starting folder of the file choosers
    LogoPath,   // [General] folder of the logo picture
    LogoName,   // [General] file name of the logo picture
    HeadFont,   // [Colors] #RRGGBB title text colour
    TitleBkg,   // [Colors] #RRGGBB heading rows background
    BkgLine1,   // [Colors] #RRGGBB background of one kind of line
    BkgLine2,   // [Colors] #RRGGBB background of the other kind
    BWOnly,     // [Colors] "1" for black and white pages
    // [Folders] the folder the user last chose a file of each kind in
    SheetFolder,
    SetFolder,
    SifFolder,
    ExportFolder,
    LogoFolder,
    // [Publish] publication of the results at every save: "1" when on, the
    // folder, the seconds between browser reloads ("0": none), the web site's
    // address it is uploaded to (never its password) and the arena's folder
    // there; for an s3:// address, the storage's endpoint and region (never
    // its keys)
    PublishOn,
    PublishFolder,
    PublishRefresh,
    PublishUpload,
    PublishArena,
    PublishS3Endpoint,
    PublishS3Region,
    // [Arena] the arena network: "1" when on, the port, the interface's
    // address ("": every interface), "1" to accept finish-line results at
    // once; the big-screen board's view ("turn", "ranking", "challenge",
    // "championship") and seconds per view; the entries file the riders of
    // the announcer's page come from
    ArenaOn,
    ArenaPort,
    ArenaBind,
    ArenaAcceptAtOnce,
    ArenaBoardView,
    ArenaBoardSeconds,
    ArenaEntries,
};

// Values to write together, in order (what one options dialog sets).
using SettingValues = std::vector<std::pair<SettingKey, std::string>>;

// How many sheets and sets the File menu's "Recent sheets" lists.
inline constexpr int kRecentFilesMax = 8;

const char* SectionOf(SettingKey key);
const char* NameOf(SettingKey key);

class Settings {
public:
    explicit Settings(std::string iniPath) : path_(std::move(iniPath)) {}

    const std::string& Path() const { return path_; }

    // The value, at most 254 characters; empty when absent.
    std::string GetString(SettingKey key) const;
    // Leading decimal digits of the value; 0 when absent or not a number.
    int GetInt(SettingKey key) const;
    // Writes one key, keeping every other line of the file as it was; creates
    // the file, and its folder, on first write. False when the file cannot be
    // written.
    [[nodiscard]] bool Set(SettingKey key, const std::string& value) const;
    // Writes the values in turn. At the first that cannot be written, says
    // so naming the settings file, and writes no further one. True when all
    // were written.
    [[nodiscard]] bool Store(const SettingValues& values, const Reporter& reporter) const;

    // The interface language, by the language rule.
    Language InterfaceLanguage() const;
    // The same, but the desktop's language (`desktop`'s locale variables)
    // while the file names none, as on the first start.
    Language InterfaceLanguage(const Environment& desktop) const;

    // The sheets and sets last opened or saved, the most recent first.
    std::vector<std::string> RecentFiles() const;
    // Writes the list in one go; a path too long for a value is left out.
    [[nodiscard]] bool SetRecentFiles(const std::vector<std::string>& files) const;

private:
    std::string path_;
};

// The settings as one read of the file found them: a page build takes every
// key it needs from the same state of the file, without opening it per key.
class SettingsSnapshot {
public:
    explicit SettingsSnapshot(const Settings& settings) : content_(settings.Path()) {}

    // As Settings::GetString and Settings::GetInt.
    std::string GetString(SettingKey key) const;
    int GetInt(SettingKey key) const;

private:
    IniContent content_;
};

}  // namespace zav
