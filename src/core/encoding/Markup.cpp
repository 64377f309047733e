#include "encoding/Markup.h"

#include "encoding/Encoding.h"

namespace zav {
namespace {

struct NamedEntity {
    std::string_view name;  // between "&" and ";"
    char character;
};

constexpr NamedEntity kNamedEntities[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The code point of a numeric reference body ("#233" or "#xE9"), or 0 when it
// is not one that names a character.
char32_t NumericReference(std::string_view body) {
    if (body.size() < 2 || body[0] != '#') return 0;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return 0;
    char32_t value = 0;
    for (const char c : digits) {
        const int digit = hex ? HexValue(c) : (IsDigit(c) ? c - '0' : -1);
        if (digit < 0) return 0;
        value = value * (hex ? 16 : 10) + digit;
        if (value > 0x10FFFF) return 0;
    }
    if (value >= 0xD800 && value <= 0xDFFF) return 0;
    return value;
}

// Longest reference body worth looking at: "#x10FFFF" with a few leading zeros.
constexpr std::size_t kMaxReferenceBody = 12;

}  // namespace

std::string EscapeMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string EscapeAttribute(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += EscapeMarkup(std::string_view(&c, 1));
        }
    }
    return out;
}

std::string UnescapeMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t amp = text.find('&', i);
        out.append(text.substr(i, amp == std::string_view::npos ? amp : amp - i));
        if (amp == std::string_view::npos) break;
        i = amp + 1;
        const std::size_t semicolon = text.substr(i, kMaxReferenceBody + 1).find(';');
        if (semicolon == std::string_view::npos) {
            out += '&';
            continue;
        }
        const std::string_view body = text.substr(i, semicolon);
        bool decoded = false;
        for (const NamedEntity& entity : kNamedEntities) {
            if (body == entity.name) {
                out += entity.character;
                decoded = true;
                break;
            }
        }
        if (!decoded) {
            if (const char32_t cp = NumericReference(body)) {
                AppendUtf8(out, cp);
                decoded = true;
            }
        }
        if (decoded)
            i += semicolon + 1;
        else
            out += '&';
    }
    return out;
}

}  // namespace zav
