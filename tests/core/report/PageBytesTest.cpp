#include <gtest/gtest.h>

#include "report/PageBytes.h"

namespace zav {
namespace {

TEST(PageBytes, WindowsCodePageWithReferencesForTheRest) {
    EXPECT_EQ(EncodePageBytes("<td>Alpha</td>"), "<td>Alpha</td>");
    EXPECT_EQ(EncodePageBytes("Zo\u00EB n\u00B01 \u20AC"),
              "Zo\xEB n\xB0"
              "1 \x80");
    // Outside Windows-1252: a numeric reference, so nothing is lost.
    EXPECT_EQ(EncodePageBytes("\u0141ukasz \u00E9"), "&#321;ukasz \xE9");
    EXPECT_EQ(EncodePageBytes("\u0160\u0161 \u4E2D \U0001F434"), "\x8A\x9A &#20013; &#128052;");
    // A stray byte that is not UTF-8 is taken as the code page's character.
    EXPECT_EQ(EncodePageBytes("caf\xE9 \u0141"), "caf\xE9 &#321;");
    EXPECT_EQ(EncodePageBytes(""), "");
}

}  // namespace
}  // namespace zav
