#include <gtest/gtest.h>

#include "encoding/Markup.h"

using namespace zav;

TEST(Markup, EscapesOnlyTheThreeMarkupCharacters) {
    EXPECT_EQ(EscapeMarkup("Tom & Jerry <b>\"x\"</b> 'y'"),
              "Tom &amp; Jerry &lt;b&gt;\"x\"&lt;/b&gt; 'y'");
    EXPECT_EQ(EscapeMarkup("&amp;"), "&amp;amp;");
    EXPECT_EQ(EscapeMarkup("é"), "é");
}

TEST(Markup, UnescapeDecodesKnownReferencesAndKeepsAnyOtherAmpersand) {
    EXPECT_EQ(UnescapeMarkup("&amp;&lt;&gt;&quot;&apos;"), "&<>\"'");
    EXPECT_EQ(UnescapeMarkup("caf&#233; caf&#xE9; caf&#XE9; &#x1F434; &#128052;"),
              "café café café 🐴 🐴");
    for (const char* kept :
         {"Fish & Chips", "R&D", "&", "end &", "&nbsp;", "&#;", "&#x;", "&#0;", "&#xD800;",
          "&#x110000;", "&#12a;", "&amp", "&AMP;", "&#00000000000000000065;"})
        EXPECT_EQ(UnescapeMarkup(kept), kept) << kept;
    EXPECT_EQ(UnescapeMarkup("&&amp;;"), "&&;");
}

TEST(Markup, UnescapeUndoesEscape) {
    for (const char* text :
         {"", "a < b > c & d", "&amp; &lt; literal", "&#233;", "<name>x</name>", "&&&", "é&é"})
        EXPECT_EQ(UnescapeMarkup(EscapeMarkup(text)), text) << text;
}
