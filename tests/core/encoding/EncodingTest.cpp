// Windows-1252 and UTF-8, markup escapes, and numbers read and written the
// same in every locale.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <string>

#include "encoding/Encoding.h"
#include "encoding/Markup.h"
#include "encoding/NumberText.h"

using namespace zav;

TEST(Encoding, Windows1252AndUtf8ConvertBothWays) {
    // Every byte survives the trip, the five undefined ones included.
    std::string allBytes;
    for (int b = 1; b < 256; ++b) allBytes += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(allBytes);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1252(utf8), allBytes);

    EXPECT_EQ(Cp1252ToUtf8("caf\xE9 \x80 \x9C \x81"), "café € œ \xC2\x81");
    EXPECT_EQ(Utf8ToCp1252("Zoë — “quoted” ™"), "Zo\xEB \x97 \x93quoted\x94 \x99");
    // Characters without a Windows-1252 byte, C1 controls that are not the
    // undefined bytes, and broken UTF-8 have no Windows-1252 form.
    for (const char* text : {"Łódź", "→", "\xC2\x80", "\xE9", "\xF0\x9F\x90\xB4"})
        EXPECT_FALSE(Utf8ToCp1252(text).has_value()) << text;

    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("Écurie \xF4\x8F\xBF\xBF"));  // U+10FFFF
    for (const char* bad :
         {"\x80", "\xC2", "\xE0\x80\x80", "\xED\xBF\xBF", "\xF5\x80\x80\x80", "\xC3\x28", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

TEST(Encoding, LenientDecodingTakesEachInvalidByteAsWindows1252) {
    const std::pair<const char*, const char*> decoded[] = {
        {"plain", "plain"},
        {"é 🐴 €", "é 🐴 €"},
        {"caf\xE9", "café"},                  // truncated lead byte
        {"\xC3\xA9\xC3", "éÃ"},               // cut at the end
        {"\xC0\xAF", "À¯"},                   // overlong "/"
        {"\xED\xA0\x80", "í\xC2\xA0€"},       // surrogate
        {"\xF4\x90\x80\x80", "ô\xC2\x90€€"},  // above U+10FFFF
        {"\x93ok\x94", "“ok”"}};
    for (const auto& [bytes, text] : decoded) EXPECT_EQ(DecodeUtf8Lenient(bytes), text) << text;
}

TEST(Markup, EscapeAndUnescape) {
    EXPECT_EQ(EscapeMarkup("Tom & Jerry <b>\"x\"</b> 'y' é"),
              "Tom &amp; Jerry &lt;b&gt;\"x\"&lt;/b&gt; 'y' é");
    EXPECT_EQ(EscapeMarkup("&amp;"), "&amp;amp;");
    EXPECT_EQ(EscapeAttribute("C:\\Mes \"feuilles\" l'été <1> & 2"),
              "C:\\Mes &quot;feuilles&quot; l&#39;été &lt;1&gt; &amp; 2");
    // Known references are decoded, any other ampersand kept.
    EXPECT_EQ(UnescapeMarkup("&amp;&lt;&gt;&quot;&apos;"), "&<>\"'");
    EXPECT_EQ(UnescapeMarkup("caf&#233; caf&#xE9; caf&#XE9; &#x1F434; &#128052; &#128;"),
              "café café café 🐴 🐴 \xC2\x80");
    for (const char* kept :
         {"Fish & Chips", "R&D", "&", "end &", "&nbsp;", "&#;", "&#x;", "&#0;", "&#xD800;",
          "&#x110000;", "&#12a;", "&amp", "&AMP;", "&#00000000000000000065;"})
        EXPECT_EQ(UnescapeMarkup(kept), kept) << kept;
    EXPECT_EQ(UnescapeMarkup("&&amp;;"), "&&;");
    for (const char* text :
         {"", "a < b > c & d", "&amp; &lt; literal", "&#233;", "<name>x</name>", "&&&", "é&é"})
        EXPECT_EQ(UnescapeMarkup(EscapeMarkup(text)), text) << text;
}

TEST(NumberText, LeadingNumbersReadLikeTheCLibraryInTheCLocale) {
    const std::pair<const char*, int> ints[] = {{"12", 12},
                                                {"  -3", -3},
                                                {"\t\n+7x", 7},
                                                {"3 A", 3},
                                                {"A", 0},
                                                {"", 0},
                                                {"- 4", 0},
                                                {"0012", 12},
                                                {"2147483647", INT_MAX},
                                                {"-2147483648", INT_MIN},
                                                {"2147483648", INT_MAX},
                                                {"-99999999999999999999", INT_MIN},
                                                {"1.9", 1}};
    for (const auto& [text, value] : ints) EXPECT_EQ(LeadingInt(text), value) << text;
    // Decimal numbers only.
    const std::pair<const char*, float> floats[] = {
        {"12.5", 12.5f},
        {" -3", -3.0f},
        {".5", 0.5f},
        {"+1e2x", 100.0f},
        {"7,5", 7.0f},
        {"1e", 1.0f},
        {"abc", 0.0f},
        {"", 0.0f},
        {"inf", 0.0f},
        {"-nan", 0.0f},
        {"0x10", 0.0f},
        {".", 0.0f},
        {"1e999", FLT_MAX},
        {"-1e39", -FLT_MAX},
        {"1e-999", 0.0f},
        {"0.0000000000000000000000000000000000000000000000000001e400", FLT_MAX}};
    for (const auto& [text, value] : floats) EXPECT_EQ(LeadingFloat(text), value) << text;
}
