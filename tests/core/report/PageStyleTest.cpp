#include <gtest/gtest.h>

#include "report/PageStyle.h"
#include "support/TempDir.h"

namespace zav {
namespace {

TEST(PageStyle, ReadAfreshFromTheSettingsFile) {
    zavtest::TempDir dir;
    const Settings settings(dir.File("ZAVscore.ini"));

    PageStyle style = ReadPageStyle(settings);  // no file: everything absent
    EXPECT_EQ(style.titleBkg, "");
    EXPECT_FALSE(style.bBWOnly);
    EXPECT_EQ(style.logoPath, "");
    EXPECT_STREQ(RedEmphasis(style), "#FF0000");
    EXPECT_STREQ(BlueEmphasis(style), "#0000FF");

    zavtest::WriteFile(settings.Path(),
                       "[General]\nLogoPath=C:\\Logos\\My club\nLogoName=logo.png\n"
                       "[Colors]\nHeadFont=#000080\nTitleBkg=#DDDDFF\nBkgLine1=#FFFFFF\n"
                       "BkgLine2=#EEEEEE\nBWOnly=1\n");
    style = ReadPageStyle(settings);
    EXPECT_EQ(style.headFont, "#000080");
    EXPECT_EQ(style.titleBkg, "#DDDDFF");
    EXPECT_EQ(style.bkgLine1, "#FFFFFF");
    EXPECT_EQ(style.bkgLine2, "#EEEEEE");
    EXPECT_EQ(style.logoPath, "C:\\Logos\\My club");
    EXPECT_EQ(style.logoName, "logo.png");
    EXPECT_STREQ(RedEmphasis(style), "#000000");
    EXPECT_STREQ(BlueEmphasis(style), "#000000");

    // Any non-zero number is black and white, as the pages read it.
    zavtest::WriteFile(settings.Path(), "[Colors]\nBWOnly=2\n");
    EXPECT_STREQ(RedEmphasis(ReadPageStyle(settings)), "#000000");
}

}  // namespace
}  // namespace zav
