// Conversions between the core's UTF-8 and the Windows-1252 bytes that files
// and pages declared "iso-8859-1" carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zav {

// ASCII classes whatever the locale: the C library's take a byte of UTF-8
// for a letter under a Latin-1 locale (Windows' French one), which would let
// it through into an address or a header unescaped.
constexpr bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsAsciiAlnum(char c) {
    return IsAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
// `text` with its ASCII capitals made small, every other byte as it was.
std::string AsciiLowered(std::string text);

// "%2e" and the like decoded (addresses, forms); a '%' not followed by two
// hex digits stays as it is.
std::string DecodePercent(std::string_view text, bool plusIsSpace);

// Windows-1252 bytes to UTF-8 (the five undefined bytes map to U+0081 etc.).
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; nothing when a character has no Windows-1252 byte.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// UTF-8 with any invalid sequence taken byte for byte as Windows-1252.
std::string DecodeUtf8Lenient(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

// The first `count` characters of a UTF-8 text (a character being a lead
// byte with the continuation bytes after it), never splitting one.
std::string FirstChars(std::string_view text, std::size_t count);

// Appends one code point (at most U+10FFFF) as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace zav
