// The phone pages laid out by Debian's chromium at a phone's width (a Linux
// program: not part of the Windows test program).
#include <gtest/gtest.h>

#include <cstdio>

#include "core/report/ChromiumLayout.h"
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
    const std::string widths = zavtest::LaidOutAttribute(
        dir,
        "<!DOCTYPE html><html><body>"
        "<iframe src=\"sheet.html\" style=\"width:360px;height:844px\"></iframe>"
        "<iframe src=\"index.html\" style=\"width:360px;height:844px\"></iframe><script>"
        "onload=function(){var w=[];for(const f of document.querySelectorAll('iframe')){"
        "var d=f.contentDocument.documentElement;w.push(d.scrollWidth+' '+d.clientWidth);}"
        "document.body.setAttribute('data-widths',w.join(','));};</script></body></html>",
        "1000,1000", "data-widths");
    int scroll[2] = {}, client[2] = {};
    ASSERT_EQ(
        std::sscanf(widths.c_str(), "%d %d,%d %d", &scroll[0], &client[0], &scroll[1], &client[1]),
        4)
        << widths;
    for (int page = 0; page < 2; ++page) {
        EXPECT_GT(client[page], 300) << page;
        EXPECT_LE(scroll[page], client[page]) << page;
    }
}

}  // namespace
}  // namespace zav
