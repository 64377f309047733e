#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "paths/ProgramFiles.h"
#include "platform/UserFolders.h"
#include "settings/DesktopLanguage.h"
#include "settings/Settings.h"
#include "support/TempDir.h"

namespace zav {
namespace {

using Variables = std::map<std::string, std::string>;

Environment Env(const Variables& variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        const auto it = variables.find(name);
        if (it == variables.end()) return std::nullopt;
        return it->second;
    };
}

class PathsTest : public ::testing::Test {
protected:
    // A file or folder of the test's folder, made with its folders.
    std::string Make(const std::string& name, bool folder = false) {
        const std::string path = dir.File(name);
        const std::filesystem::path made(path);
        std::filesystem::create_directories(folder ? made : made.parent_path());
        if (!folder) zavtest::WriteFile(path, "x");
        return path;
    }

    zavtest::TempDir dir;
};

TEST_F(PathsTest, UserFoldersFollowTheXdgVariablesOrTheHomeDefaults) {
    struct Folder {
        std::string (*find)(const Environment&);
        const char* variable;
        const char* homeDefault;
    };
    const Folder folders[] = {{UserConfigFolder, "XDG_CONFIG_HOME", "/h/.config/zavscore"},
                              {UserDataFolder, "XDG_DATA_HOME", "/h/.local/share/zavscore"},
                              {UserStateFolder, "XDG_STATE_HOME", "/h/.local/state/zavscore"},
                              {UserCacheFolder, "XDG_CACHE_HOME", "/h/.cache/zavscore"}};
    for (const Folder& f : folders) {
        EXPECT_EQ(f.find(Env({{"HOME", "/h"}, {f.variable, "/x"}})), "/x/zavscore");
        // Relative and empty values are not folders: the default holds.
        for (const char* value : {"", "rel", "./rel", "~/rel"})
            EXPECT_EQ(f.find(Env({{"HOME", "/h"}, {f.variable, value}})), f.homeDefault);
        EXPECT_EQ(f.find(Env({{"HOME", "/h"}})), f.homeDefault);
    }
}

TEST_F(PathsTest, DocumentsFolderComesFromTheUserFolderSettings) {
    struct Case {
        const char* userDirs;  // nullptr: no user-dirs.dirs
        const char* environment;
        std::string expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, "/home/ann"},
        {nullptr, "/env/docs", "/env/docs"},
        {nullptr, "", "/home/ann"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "/env/docs",
         "/home/ann/Dokumente"},
        {"  XDG_DOCUMENTS_DIR=\"/srv/papers\"\n", nullptr, "/srv/papers"},
        {"# XDG_DOCUMENTS_DIR=\"$HOME/old\"\n\nXDG_MUSIC_DIR=\"$HOME/Music\"\n", nullptr,
         "/home/ann"},
        {"XDG_DOCUMENTS_DIR=\"relative\"\n", nullptr, "/home/ann"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"$HOME/b\"\n", nullptr, "/home/ann/b"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir.File("user-dirs.dirs"));
        if (c.userDirs) zavtest::WriteFile(dir.File("user-dirs.dirs"), c.userDirs);
        Variables env = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", dir.Path()}};
        if (c.environment) env["XDG_DOCUMENTS_DIR"] = c.environment;
        EXPECT_EQ(UserDocumentsFolder(Env(env)), c.expected) << (c.userDirs ? c.userDirs : "");
    }
}

// A session without HOME (a service, a bare sudo) still has the user's folders.
TEST_F(PathsTest, HomeFallsBackToTheUsersAccount) {
    const char* saved = std::getenv("HOME");
    const std::string home = saved ? saved : "";
    unsetenv("HOME");
    const std::optional<std::string> found = ProcessEnvironment()("HOME");
    if (saved) setenv("HOME", home.c_str(), 1);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, getpwuid(getuid())->pw_dir);
}

TEST_F(PathsTest, SettingsFileIsTheNamedOneThenThePortableOneThenTheUsers) {
    const std::string bin = Make("bin", true);
    const std::string portable = Make("portable/ZAVscore.ini");
    Make("odd/ZAVscore.ini", true);  // a folder of that name is not a settings file
    struct Case {
        const char* named;
        std::string executableFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"/etc/zav.ini", dir.File("portable"), "/etc/zav.ini"},
        {"", dir.File("portable"), portable},
        {nullptr, dir.File("portable"), portable},
        {nullptr, bin, "/cfg/zavscore/ZAVscore.ini"},
        {nullptr, dir.File("odd"), "/cfg/zavscore/ZAVscore.ini"},
    };
    for (const Case& c : cases) {
        Variables env = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}};
        if (c.named) env["ZAVSCORE_INI"] = c.named;
        EXPECT_EQ(SettingsFilePath(Env(env), c.executableFolder), c.expected);
    }
}

TEST_F(PathsTest, UsersSettingsFolderIsCreatedPrivateOnTheFirstWrite) {
    const Environment env = Env({{"HOME", dir.Path()}});
    const Settings settings(SettingsFilePath(env, Make("bin", true)));
    ASSERT_EQ(settings.Path(), dir.File(".config/zavscore/ZAVscore.ini"));
    ASSERT_TRUE(settings.Set(SettingKey::SaveAuto, "1"));
    struct stat info {};
    ASSERT_EQ(stat(dir.File(".config/zavscore").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // A folder that cannot be made (a file stands in its way) fails the write.
    EXPECT_FALSE(Settings(Make("file") + "/zavscore/ZAVscore.ini").Set(SettingKey::SaveAuto, "1"));
}

TEST_F(PathsTest, DataFolderIsShareBesideAnInstalledProgramElseItsOwnFolder) {
    Make("usr/share/zavscore", true);
    EXPECT_EQ(ProgramDataFolder(Make("usr/bin", true)), dir.File("usr/share/zavscore"));
    EXPECT_EQ(ProgramDataFolder(Make("build/src/gui", true)), dir.File("build/src/gui"));
}

TEST_F(PathsTest, ReferenceDocumentIsTheUsersCopyThenTheProgramsOne) {
    const Environment env = Env({{"HOME", "/nowhere"}, {"XDG_DATA_HOME", dir.File("data")}});
    const std::string program = Make("program", true);
    EXPECT_EQ(UserReferenceFolder(env), dir.File("data/zavscore/documents"));
    EXPECT_EQ(FindReferenceDocument("rules.pdf", env, program), std::nullopt);
    Make("program/rules.pdf");
    EXPECT_EQ(FindReferenceDocument("rules.pdf", env, program), dir.File("program/rules.pdf"));
    Make("data/zavscore/documents/rules.pdf");
    EXPECT_EQ(FindReferenceDocument("rules.pdf", env, program),
              dir.File("data/zavscore/documents/rules.pdf"));
}

// The message catalogues' rule: LANGUAGE's list first (under a locale other
// than C), then the locale; the first of the program's four languages wins.
TEST(DesktopLanguage, IsTheFirstOfTheProgramsLanguagesTheCataloguesWouldSpeak) {
    const struct {
        Variables desktop;
        Language expected;
    } cases[] = {
        {{}, Language::French},
        {{{"LANG", "de_DE.UTF-8"}}, Language::German},
        {{{"LANG", "en_GB"}, {"LC_MESSAGES", "it_IT@euro"}}, Language::Italian},
        {{{"LANG", "it_IT"}, {"LC_MESSAGES", "en_US"}, {"LC_ALL", "de"}}, Language::German},
        {{{"LANG", "es_ES.UTF-8"}}, Language::French},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "es:en_GB:de"}}, Language::English},
        {{{"LANG", "de_AT"}, {"LANGUAGE", "es:pt"}}, Language::German},
        {{{"LANG", "de_AT"}, {"LANGUAGE", "it:en"}}, Language::Italian},
        {{{"LANG", "fr_CA"}, {"LANGUAGE", ""}}, Language::French},
        // Under the C locale the catalogues, and the program, ignore LANGUAGE.
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, Language::French},
        {{{"LANGUAGE", "en"}}, Language::French},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesktopLanguage(Env(c.desktop)), c.expected)
            << ::testing::PrintToString(c.desktop);
}

}  // namespace
}  // namespace zav
