#include <gtest/gtest.h>

#include "settings/DesktopLanguage.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace zav {
namespace {

using zavtest::ReadFile;
using zavtest::TempDir;
using zavtest::WriteFile;

TEST(Settings, AbsentFileReadsAsDefaultsAndEveryReadGoesToTheFile) {
    TempDir dir;
    Settings settings(dir.File("ZAVscore.ini"));
    EXPECT_EQ(settings.GetString(SettingKey::LogoName), "");
    EXPECT_EQ(settings.GetInt(SettingKey::SaveAuto), 0);
    EXPECT_EQ(settings.InterfaceLanguage(), Language::French);

    ASSERT_TRUE(settings.Set(SettingKey::HeadFont, "#FF0000"));
    EXPECT_EQ(ReadFile(settings.Path()), "[Colors]\nHeadFont=#FF0000\n");

    // A file of another system with only the colours: the rest still defaults.
    WriteFile(settings.Path(), "[Colors]\r\nBWOnly=1\r\n");
    EXPECT_EQ(settings.InterfaceLanguage(), Language::French);
    EXPECT_EQ(settings.GetInt(SettingKey::SaveAuto), 0);
    EXPECT_EQ(settings.GetInt(SettingKey::BWOnly), 1);

    // Every read goes to the file, changed behind our back; spaces and tabs
    // around a value are no part of it.
    WriteFile(settings.Path(), "[General]\nLanguage = GE\t\n");
    EXPECT_EQ(settings.InterfaceLanguage(), Language::German);
}

TEST(Settings, IntegersAreTheLeadingDigits) {
    TempDir dir;
    Settings settings(dir.File("z.ini"));
    const std::pair<const char*, int> cases[] = {{"1", 1},
                                                 {"12abc", 12},
                                                 {"abc", 0},
                                                 {"", 0},
                                                 {" \t1 ", 1},
                                                 {"-1", 0},
                                                 {"99999999999", 999999999},
                                                 {"2147483647", 2147483647},
                                                 {"2147483648", 214748364}};
    for (const auto& [text, expected] : cases) {
        ASSERT_TRUE(settings.Set(SettingKey::SaveAuto, text));
        EXPECT_EQ(settings.GetInt(SettingKey::SaveAuto), expected) << '"' << text << '"';
    }
}

TEST(IniFile, WritingOneKeyKeepsEverythingElse) {
    TempDir dir;
    const std::string path = dir.File("z.ini");
    WriteFile(
        path,
        "; scorer's notes\n[General]\nLanguage=EN\nSite=sftp://[::1]/r\n"
        "LogoPath=C:\\logos\\club one\n\n[Colors]\n# kept\nHeadFont=#111111\n[General]\nOld=1\n");
    ASSERT_TRUE(IniWrite(path, "General", "SaveAuto", "1"));
    ASSERT_TRUE(IniWrite(path, "colors", "headfont", "#222222"));
    ASSERT_TRUE(IniWrite(path, "Extra", "Key", " spaced value "));
    EXPECT_EQ(
        ReadFile(path),
        "; scorer's notes\n[General]\nLanguage=EN\nSite=sftp://[::1]/r\n"
        "LogoPath=C:\\logos\\club one\nSaveAuto=1\n\n"
        "[Colors]\n# kept\nheadfont=#222222\n[General]\nOld=1\n[Extra]\nKey= spaced value \n");
    EXPECT_EQ(IniRead(path, "General", "LogoPath").value(), "C:\\logos\\club one");
    // A bracket inside a value (an IPv6 address) does not make a section.
    EXPECT_EQ(IniRead(path, "General", "Site").value(), "sftp://[::1]/r");
    EXPECT_EQ(IniRead(path, "Extra", "Key").value(), "spaced value");
    EXPECT_FALSE(IniRead(path, "General", "Missing").has_value());
    EXPECT_FALSE(IniRead(path, "General", "Kite").has_value());  // not "Site"
    EXPECT_FALSE(IniRead(path, "Missing", "Language").has_value());
    // "[]" is a section of its own, if a nameless one.
    WriteFile(path, "[General]\n[]\nLanguage=EN\n");
    EXPECT_FALSE(IniRead(path, "General", "Language").has_value());
}

TEST(IniFile, ValuesAreCutAt254CharactersAndAMissingFolderFails) {
    TempDir dir;
    const std::string path = dir.File("z.ini");
    ASSERT_TRUE(IniWrite(path, "General", "LogoPath", std::string(300, 'x')));
    EXPECT_EQ(IniRead(path, "General", "LogoPath").value(), std::string(254, 'x'));
    const std::string e = "\xC3\xA9";  // one character, two bytes: never split
    std::string accents = "x";
    for (int i = 0; i < 253; ++i) accents += e;
    ASSERT_TRUE(IniWrite(path, "General", "LogoName", accents + e));
    EXPECT_EQ(IniRead(path, "General", "LogoName").value(), accents);
    EXPECT_FALSE(IniWrite(dir.File("no/such/folder/z.ini"), "General", "SaveAuto", "1"));

    // A file stands where the settings folder should be: the change is lost
    // and the user told so.
    RecordingMessageSink messages;
    EXPECT_TRUE(Settings(dir.File("kept.ini"))
                    .Store({{SettingKey::SaveAuto, "1"}}, Reporter(Language::English, messages)));
    const Settings lost(path + "/zavscore/ZAVscore.ini");
    EXPECT_FALSE(lost.Store({{SettingKey::SaveAuto, "1"}}, Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              FormatText(Text(Language::English, TextId::SettingsNotWritten), lost.Path()));
}

TEST(Settings, TheLanguageIsTheSettingsElseOnTheFirstStartTheDesktops) {
    const Environment german = [](const std::string& name) -> std::optional<std::string> {
        return name == "LANG" ? std::optional<std::string>("de_DE.UTF-8") : std::nullopt;
    };
    TempDir dir;
    const Settings settings(dir.File("z.ini"));
    EXPECT_EQ(settings.InterfaceLanguage(german), DesktopLanguage(german));
    // A language written in the settings, even one the rule reads as French,
    // is the user's choice.
    ASSERT_TRUE(settings.Set(SettingKey::Language, "EN"));
    EXPECT_EQ(settings.InterfaceLanguage(german), Language::English);
    ASSERT_TRUE(settings.Set(SettingKey::Language, "ge"));
    EXPECT_EQ(settings.InterfaceLanguage(german), Language::French);
}

TEST(Settings, RecentFilesAreKeptInOneWriteUpToTheirNumber) {
    TempDir dir;
    const Settings settings(dir.File("config/zavscore/z.ini"));
    std::vector<std::string> files;
    for (int i = 0; i < kRecentFilesMax + 1; ++i) files.push_back("/h/s" + std::to_string(i));
    files.insert(files.begin() + 1, "/" + std::string(kIniValueMax, 'x'));  // no longer readable
    ASSERT_TRUE(settings.SetRecentFiles(files));
    const std::string pastTheNumber = "File" + std::to_string(kRecentFilesMax + 1);
    EXPECT_FALSE(IniRead(settings.Path(), "RecentSheets", pastTheNumber).has_value());
    files.erase(files.begin() + 1);
    files.pop_back();
    EXPECT_EQ(settings.RecentFiles(), files);

    ASSERT_TRUE(settings.SetRecentFiles({"/h/b.mscore", "/h/a b.score"}));
    EXPECT_EQ(settings.RecentFiles(), (std::vector<std::string>{"/h/b.mscore", "/h/a b.score"}));
    // A key past the number, written by hand, is not read.
    ASSERT_TRUE(IniWrite(settings.Path(), "RecentSheets", pastTheNumber, "/h/extra.score"));
    EXPECT_EQ(settings.RecentFiles().size(), 2u);
}

}  // namespace
}  // namespace zav
