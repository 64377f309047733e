// What a page is made of and written with: the style from the settings file,
// the page's bytes, and the HTML export with its logo.
#include <gtest/gtest.h>

#include <filesystem>

#include "paths/PathNames.h"
#include "report/PageBytes.h"
#include "report/PageExport.h"
#include "support/TempDir.h"

namespace zav {
namespace {

TEST(PageStyle, ReadAfreshFromTheSettingsFile) {
    zavtest::TempDir dir;
    const Settings settings(dir.File("ZAVscore.ini"));
    EXPECT_STREQ(RedEmphasis(ReadPageStyle(settings)), "#FF0000");  // no file: no colours set
    zavtest::WriteFile(settings.Path(),
                       "[General]\nLogoPath=C:\\Logos\\My club\nLogoName=logo.png\n"
                       "[Colors]\nHeadFont=#000080\nTitleBkg=#DDDDFF\nBkgLine1=#FFFFFF\n"
                       "BkgLine2=#EEEEEE\nBWOnly=2\n");  // any number but 0: black and white
    const PageStyle style = ReadPageStyle(settings);
    EXPECT_EQ(style.headFont + style.titleBkg + style.bkgLine1 + style.bkgLine2 + "|" +
                  style.logoPath + "|" + style.logoName,
              "#000080#DDDDFF#FFFFFF#EEEEEE|C:\\Logos\\My club|logo.png");
    EXPECT_STREQ(RedEmphasis(style), "#000000");  // both emphases: see the golden pages
}

TEST(PageBytes, WindowsCodePageWithReferencesForTheRest) {
    // Outside Windows-1252, a numeric reference, so nothing is lost (the
    // golden pages show a name with one, and the code page's letters).
    const std::pair<const char*, const char*> encoded[] = {
        {"\u0160\u0161 \u4E2D \U0001F434", "\x8A\x9A &#20013; &#128052;"},
        // A stray byte that is not UTF-8 is taken as the code page's character.
        {"caf\xE9 \u0141", "caf\xE9 &#321;"},
        {"", ""}};
    for (const auto& [page, bytes] : encoded) EXPECT_EQ(EncodePageBytes(page), bytes) << page;
}

// The page's bytes, then the logo copied beside it, every failure said with
// the information icon.
TEST(PageExport, WritesThePageThenCopiesTheLogoOrSaysWhyNot) {
    zavtest::TempDir dir;
    std::filesystem::create_directory(dir.File("logos"));
    std::filesystem::create_directory(dir.File("taken.png"));  // a folder holds that name
    const std::string page = "<html>Caf\xC3\xA9 \xE2\x98\x83</html>";
    struct Case {
        const char* logoName;
        std::size_t logoBytes;  // 0: no logo file
        const char* pageName;
        ExportResult result;
        std::string message;
    };
    const Case cases[] = {
        {"", 0, "plain.html", ExportResult::Written, ""},  // no logo set
        {"club.png", kMaxLogoBytes, "a.html", ExportResult::Written, ""},
        {"club.png", kMaxLogoBytes + 1, "b.html", ExportResult::LogoFailed,
         "File too long = 32001 bytes"},
        {"gone.png", 0, "c.html", ExportResult::LogoFailed,
         "Error while opening file = " + PathInFolder(dir.File("logos"), "gone.png")},
        {"taken.png", 10, "d.html", ExportResult::LogoFailed,
         "Error while creating file = " + dir.File("taken.png")},
        {"club.png", 10, "no-folder/e.html", ExportResult::PageFailed,
         "Error while creating file = " + dir.File("no-folder/e.html")},
    };
    for (const Case& c : cases) {
        PageStyle style;
        if (*c.logoName) {
            style.logoPath = dir.File("logos");
            style.logoName = c.logoName;
        }
        const std::string logo(c.logoBytes, 'L');
        if (c.logoBytes) zavtest::WriteFile(dir.File("logos/") + c.logoName, logo);
        RecordingMessageSink sink;
        const std::string path = dir.File(c.pageName);
        EXPECT_EQ(ExportPage(page, path, style, Reporter(Language::English, sink)), c.result)
            << c.pageName;
        if (c.result != ExportResult::PageFailed) {
            EXPECT_EQ(zavtest::ReadFile(path), EncodePageBytes(page));
        }
        if (c.result == ExportResult::Written && c.logoBytes) {
            EXPECT_EQ(zavtest::ReadFile(dir.File(c.logoName)), logo);
        }
        ASSERT_EQ(sink.messages.size(), c.message.empty() ? 0u : 1u) << c.pageName;
        if (!c.message.empty()) {
            EXPECT_EQ(sink.messages[0].text, c.message);
            EXPECT_EQ(sink.messages[0].icon, MessageIcon::Information);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("no-folder")));
}

}  // namespace
}  // namespace zav
