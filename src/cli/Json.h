// What the commands that print JSON share: nlohmann-json's ordered values
// (keys in the order written, as readers of this output have always had
// them), scores as the shortest number that reads back as the same value,
// and one way of printing.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace zavcli {

using Json = nlohmann::ordered_json;

// A score: "12.5", "0.1", "3" (whole values as integers); null for values
// JSON cannot hold (infinities, NaN).
Json JsonNumber(double value);
Json JsonNumber(float value);

// Two-space indentation and a final newline; text that is not UTF-8 (a sheet
// from an older program) is printed with U+FFFD rather than failing.
std::string PrintJson(const Json& json);

}  // namespace zavcli
