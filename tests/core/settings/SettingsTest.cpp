#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace zav {
namespace {

using zavtest::ReadFile;
using zavtest::TempDir;
using zavtest::WriteFile;

TEST(Settings, AbsentFileReadsAsDefaultsAndFirstWriteCreatesIt) {
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
                                                 {"99999999999", 999999999}};
    for (const auto& [text, expected] : cases) {
        ASSERT_TRUE(settings.Set(SettingKey::SaveAuto, text));
        EXPECT_EQ(settings.GetInt(SettingKey::SaveAuto), expected) << '"' << text << '"';
    }
}

TEST(Settings, EveryReadGoesToTheFile) {
    TempDir dir;
    Settings settings(dir.File("z.ini"));
    ASSERT_TRUE(settings.Set(SettingKey::TitleBkg, "#000000"));
    EXPECT_EQ(settings.GetString(SettingKey::TitleBkg), "#000000");
    WriteFile(settings.Path(), "[Colors]\nTitleBkg=#123456\n");  // changed behind our back
    EXPECT_EQ(settings.GetString(SettingKey::TitleBkg), "#123456");
    // Spaces and tabs around a value are no part of it; codes: see the texts tests.
    WriteFile(settings.Path(), "[General]\nLanguage = GE\t\n");
    EXPECT_EQ(settings.InterfaceLanguage(), Language::German);
}

TEST(IniFile, WritingOneKeyKeepsEverythingElse) {
    TempDir dir;
    const std::string path = dir.File("z.ini");
    WriteFile(path,
              "; scorer's notes\n[General]\nLanguage=EN\nLogoPath=C:\\logos\\club one\n\n"
              "[Colors]\n# kept\nHeadFont=#111111\n");
    ASSERT_TRUE(IniWrite(path, "General", "SaveAuto", "1"));
    ASSERT_TRUE(IniWrite(path, "colors", "headfont", "#222222"));
    ASSERT_TRUE(IniWrite(path, "Extra", "Key", " spaced value "));
    EXPECT_EQ(
        ReadFile(path),
        "; scorer's notes\n[General]\nLanguage=EN\nLogoPath=C:\\logos\\club one\nSaveAuto=1\n\n"
        "[Colors]\n# kept\nheadfont=#222222\n[Extra]\nKey= spaced value \n");
    EXPECT_EQ(IniRead(path, "General", "LogoPath").value(), "C:\\logos\\club one");
    EXPECT_EQ(IniRead(path, "Extra", "Key").value(), "spaced value");
    EXPECT_FALSE(IniRead(path, "General", "Missing").has_value());
    EXPECT_FALSE(IniRead(path, "Missing", "Language").has_value());
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
}

}  // namespace
}  // namespace zav
