// The HTML export: the page's bytes, then the logo copied beside it, every
// failure said with the information icon.
#include <gtest/gtest.h>

#include <filesystem>

#include "report/PageBytes.h"
#include "report/PageExport.h"
#include "support/TempDir.h"

namespace zav {
namespace {

using zavtest::ReadFile;

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
        std::string message;  // with the page's folder as %s
    };
    const Case cases[] = {
        {"", 0, "plain.html", ExportResult::Written, ""},  // no logo set
        {"club.png", kMaxLogoBytes, "a.html", ExportResult::Written, ""},
        {"club.png", kMaxLogoBytes + 1, "b.html", ExportResult::LogoFailed,
         "File too long = 32001 bytes"},
        {"gone.png", 0, "c.html", ExportResult::LogoFailed,
         "Error while opening file = " + dir.File("logos/gone.png")},
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
            EXPECT_EQ(ReadFile(path), EncodePageBytes(page)) << c.pageName;
        }
        if (c.result == ExportResult::Written && c.logoBytes) {
            EXPECT_EQ(ReadFile(dir.File(c.logoName)), logo);
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
