#include "Json.h"

#include <charconv>
#include <cmath>

namespace zavcli {

std::string JsonString(std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

namespace {
template <typename T>
std::string ShortestNumber(T value) {
    if (!std::isfinite(value)) return "null";
    if (value == 0) return "0";  // also for -0, which JSON readers treat oddly
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
}  // namespace

std::string JsonNumber(float value) {
    return ShortestNumber(value);
}
std::string JsonNumber(double value) {
    return ShortestNumber(value);
}

}  // namespace zavcli
