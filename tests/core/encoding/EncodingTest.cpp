#include <gtest/gtest.h>

#include "encoding/Encoding.h"

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
}

TEST(Encoding, LenientDecodingTakesEachInvalidByteAsWindows1252) {
    EXPECT_EQ(DecodeUtf8Lenient("plain"), "plain");
    EXPECT_EQ(DecodeUtf8Lenient("é 🐴 €"), "é 🐴 €");
    EXPECT_EQ(DecodeUtf8Lenient("caf\xE9"), "café");                  // truncated lead byte
    EXPECT_EQ(DecodeUtf8Lenient("\xC3\xA9\xC3"), "éÃ");               // cut at the end
    EXPECT_EQ(DecodeUtf8Lenient("\xC0\xAF"), "À¯");                   // overlong "/"
    EXPECT_EQ(DecodeUtf8Lenient("\xED\xA0\x80"), "í\xC2\xA0€");       // surrogate
    EXPECT_EQ(DecodeUtf8Lenient("\xF4\x90\x80\x80"), "ô\xC2\x90€€");  // above U+10FFFF
    EXPECT_EQ(DecodeUtf8Lenient("\x93ok\x94"), "“ok”");
}

TEST(Encoding, ValidityCheck) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("Écurie \xF4\x8F\xBF\xBF"));  // U+10FFFF
    for (const char* bad :
         {"\x80", "\xC2", "\xE0\x80\x80", "\xED\xBF\xBF", "\xF5\x80\x80\x80", "\xC3\x28", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}
