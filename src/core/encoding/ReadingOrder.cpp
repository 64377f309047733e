#include "encoding/ReadingOrder.h"

#include <algorithm>

#include "encoding/Encoding.h"

namespace zav {
namespace {

// The base letters of U+00C0..U+00FF, capitals and small letters alike;
// '*' keeps the character (the signs × and ÷), a digit names a pair of
// letters ("1" æ, "2" ß, "3" þ).
constexpr char kLatin1Base[] = "aaaaaa1ceeeeiiiidnooooo*ouuuuy32aaaaaa1ceeeeiiiidnooooo*ouuuuy3y";
static_assert(sizeof kLatin1Base == 64 + 1);

void AppendBase(std::string& out, char base) {
    switch (base) {
        case '1': out += "ae"; break;
        case '2': out += "ss"; break;
        case '3': out += "th"; break;
        default: out += base;
    }
}

}  // namespace

std::string Folded(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (byte < 0x80) {
            out += AsciiLower(static_cast<char>(byte));
        } else if (byte == 0xC3 && next >= 0x80 && next <= 0xBF &&
                   kLatin1Base[next - 0x80] != '*') {
            AppendBase(out, kLatin1Base[next - 0x80]);
            ++i;
        } else if (byte == 0xC5 && (next == 0x92 || next == 0x93)) {  // Œ œ
            out += "oe";
            ++i;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

bool ReadingOrderLess(std::string_view a, std::string_view b) {
    const std::string foldedA = Folded(a);
    const std::string foldedB = Folded(b);
    if (foldedA != foldedB) return foldedA < foldedB;
    return a < b;
}

void SortForReading(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ReadingOrderLess(a, b);
    });
}

int TypedEntry(const std::vector<std::string>& entries, int current, std::string_view typed) {
    if (typed.empty() || entries.empty()) return -1;
    const std::string wanted = Folded(typed);
    const int count = static_cast<int>(entries.size());
    for (int i = 0; i < count; ++i)
        if (Folded(entries[i]) == wanted) return i;
    for (int step = 1; step <= count; ++step) {
        const int i = ((current < 0 ? -1 : current) + step) % count;
        if (Folded(entries[i]).compare(0, wanted.size(), wanted) == 0) return i;
    }
    return -1;
}

}  // namespace zav
