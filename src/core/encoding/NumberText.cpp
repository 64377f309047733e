#include "encoding/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zav {
namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips leading white space and a sign; true when the sign was "-".
bool SkipSpaceAndSign(std::string_view& text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    text.remove_prefix(i);
    return negative;
}

// For a decimal number that from_chars found out of range: whether it is too
// large (rather than too small). Its order of magnitude is that of the first
// significant digit of the mantissa moved by the exponent.
bool IsOverflow(std::string_view number) {
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    long magnitude =
        first < point ? static_cast<long>(point - first - 1) : -static_cast<long>(first - point);
    if (exponentAt != std::string_view::npos) {
        std::string_view exponent = number.substr(exponentAt + 1);
        const bool negative = SkipSpaceAndSign(exponent);
        long value = 0;
        for (const char c : exponent) {
            if (!IsDigit(c) || value > 100000) break;
            value = value * 10 + (c - '0');
        }
        magnitude += negative ? -value : value;
    }
    return magnitude > 0;
}

}  // namespace

int LeadingInt(std::string_view text) {
    const bool negative = SkipSpaceAndSign(text);
    // Accumulated negatively: the int range holds one more negative value.
    constexpr int kMin = std::numeric_limits<int>::min();
    int value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) break;
        const int digit = c - '0';
        if (value < (kMin + digit) / 10) {
            return negative ? kMin : std::numeric_limits<int>::max();
        }
        value = value * 10 - digit;
    }
    if (negative) return value;
    return value == kMin ? std::numeric_limits<int>::max() : -value;
}

float LeadingFloat(std::string_view text) {
    const bool negative = SkipSpaceAndSign(text);
    if (text.empty() || !(IsDigit(text[0]) || text[0] == '.')) return 0.0f;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    constexpr float kLargest = std::numeric_limits<float>::max();
    if (error == std::errc::result_out_of_range) {
        value = IsOverflow(text.substr(0, end - text.data())) ? kLargest : 0.0;
    } else if (error != std::errc()) {
        return 0.0f;
    }
    if (std::fabs(value) > kLargest) value = kLargest;
    return static_cast<float>(negative ? -value : value);
}

std::string OneDecimal(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

}  // namespace zav
