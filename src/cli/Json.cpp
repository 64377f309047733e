#include "Json.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zavcli {
namespace {

template <typename T>
Json ShortestNumber(T value) {
    if (!std::isfinite(value)) return nullptr;
    // -0 too, which JSON readers treat oddly.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) return static_cast<long long>(value);
    // A float's shortest text, read as the double the library prints in
    // its own shortest form: 0.1f prints "0.1", not "0.10000000149011612".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *result.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

}  // namespace

Json JsonNumber(double value) {
    return ShortestNumber(value);
}

Json JsonNumber(float value) {
    return ShortestNumber(value);
}

std::string PrintJson(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace zavcli
