// Small helpers for the commands that print JSON: a string escaper and a
// locale-independent number formatter, so every command writes the same form.
#pragma once

#include <string>
#include <string_view>

namespace zavcli {

// The text as a JSON string literal, quotes included. UTF-8 passes through;
// quotes, backslashes and control characters are escaped.
std::string JsonString(std::string_view text);

// The shortest text that reads back as the same value ("12.5", "0.1", "3");
// "null" for values JSON cannot hold (infinities, NaN).
std::string JsonNumber(float value);
std::string JsonNumber(double value);

}  // namespace zavcli
