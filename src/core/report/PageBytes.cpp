#include "report/PageBytes.h"

#include <optional>

#include "encoding/Encoding.h"

namespace zav {
namespace {

// Length of the UTF-8 sequence led by `lead` in text known to be valid.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

char32_t CodePoint(std::string_view sequence) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(sequence[k]); };
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = byte(0) & kLeadMask[sequence.size()];
    for (std::size_t k = 1; k < sequence.size(); ++k) cp = (cp << 6) | (byte(k) & 0x3F);
    return cp;
}

}  // namespace

std::string EncodePageBytes(std::string_view utf8Page) {
    // Nearly every page fits the code page as a whole.
    if (std::optional<std::string> bytes = Utf8ToCp1252(utf8Page)) return *bytes;

    const std::string text =
        IsValidUtf8(utf8Page) ? std::string(utf8Page) : DecodeUtf8Lenient(utf8Page);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        if (length == 1) {
            out += text[i++];
            continue;
        }
        const std::string_view sequence(text.data() + i, length);
        if (std::optional<std::string> byte = Utf8ToCp1252(sequence)) {
            out += *byte;
        } else {
            out += "&#";
            out += std::to_string(static_cast<unsigned long>(CodePoint(sequence)));
            out += ';';
        }
        i += length;
    }
    return out;
}

}  // namespace zav
