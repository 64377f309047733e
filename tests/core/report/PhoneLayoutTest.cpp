// The phone pages laid out by Debian's chromium at a phone's width (a Linux
// program: not part of the Windows test program).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/report/PageTesting.h"
#include "publish/IndexPage.h"
#include "report/PhonePage.h"
#include "support/TempDir.h"

namespace zav {
namespace {

// Twelve games of points and a set's long sub-titles, in Debian's chromium
// at a phone's width: nothing wider than the screen (the page's own width
// and the width it lays out, as "scroll client" of each page).
TEST(PhonePage, AWideSheetAndTheIndexFitA360PixelPhone) {
    zavtest::TempDir dir;
    zavtest::WriteFile(dir.File("sheet.html"),
                       PreparePhonePage(zavtest::Sample("full-heat.score"), Language::English,
                                        zavtest::ColourStyle(), PhoneUpdates::Static));
    IndexEntry entry{"Regional championship", "",   "07/12/2026", "a.html", "", "14:32",
                     "Provisional",           false};
    entry.subTitle = std::string(200, 'x');
    zavtest::WriteFile(dir.File("index.html"), PrepareIndexPage("2611", {entry}, Language::English,
                                                                zavtest::ColourStyle()));
    zavtest::WriteFile(
        dir.File("phone.html"),
        "<!DOCTYPE html><html><body>"
        "<iframe src=\"sheet.html\" style=\"width:360px;height:844px\"></iframe>"
        "<iframe src=\"index.html\" style=\"width:360px;height:844px\"></iframe><script>"
        "onload=function(){var w=[];for(const f of document.querySelectorAll('iframe')){"
        "var d=f.contentDocument.documentElement;w.push(d.scrollWidth+' '+d.clientWidth);}"
        "document.body.setAttribute('data-widths',w.join(','));};</script></body></html>");
    const std::string command =
        "chromium --headless --no-sandbox --disable-gpu --user-data-dir=" + dir.File("profile") +
        " --allow-file-access-from-files --virtual-time-budget=5000 "
        "--dump-dom file://" +
        dir.File("phone.html") + " >" + dir.File("dom") + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string dom = zavtest::ReadFile(dir.File("dom"));
    const std::size_t at = dom.find("data-widths=\"");
    ASSERT_NE(at, std::string::npos) << dom;
    int scroll[2] = {}, client[2] = {};
    ASSERT_EQ(std::sscanf(dom.c_str() + at + 13, "%d %d,%d %d", &scroll[0], &client[0], &scroll[1],
                          &client[1]),
              4);
    for (int page = 0; page < 2; ++page) {
        EXPECT_GT(client[page], 300) << page;
        EXPECT_LE(scroll[page], client[page]) << page;
    }
}

}  // namespace
}  // namespace zav
