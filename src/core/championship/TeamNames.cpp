#include "championship/TeamNames.h"

#include "encoding/Encoding.h"

namespace zav {
namespace {

// The Windows-1252 letters from 0xC0 on, without their accents ('*' for the
// two signs among them, kept as they are).
constexpr std::string_view kFoldedLatin1 =
    "aaaaaaaceeeeiiiidnooooo*ouuuuyts"
    "aaaaaaaceeeeiiiidnooooo*ouuuuyty";

// One character of the name (UTF-8), folded onto `key`.
void AppendFolded(std::string& key, std::string_view character) {
    const std::optional<std::string> single = Utf8ToCp1252(character);
    if (!single) {
        key += character;  // beyond the Western letters: kept as it is
        return;
    }
    const auto byte = static_cast<unsigned char>((*single)[0]);
    if (byte == ' ' || byte == '\t' || byte == 0xA0) return;
    if (byte < 0x80) {
        key += AsciiLower(static_cast<char>(byte));
    } else if (byte == 0xC6 || byte == 0xE6) {
        key += "ae";
    } else if (byte == 0x8C || byte == 0x9C) {
        key += "oe";
    } else if (byte == 0xDF) {
        key += "ss";
    } else if (byte == 0x8A || byte == 0x9A) {
        key += 's';
    } else if (byte == 0x8E || byte == 0x9E) {
        key += 'z';
    } else if (byte == 0x9F) {
        key += 'y';
    } else if (byte >= 0xC0 && kFoldedLatin1[byte - 0xC0] != '*') {
        key += kFoldedLatin1[byte - 0xC0];
    } else {
        key += character;
    }
}

std::size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string LooseNameKey(std::string_view name) {
    std::string key;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length = CharacterLength(static_cast<unsigned char>(name[at]));
        AppendFolded(key, name.substr(at, length));
        at += length;
    }
    return key;
}

NameMatch MatchName(std::string_view name, const std::vector<std::string>& candidates) {
    const std::string key = LooseNameKey(name);
    if (key.empty()) return {};
    int exact = -1, loose = -1, exactCount = 0, looseCount = 0;
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        if (candidates[i] == name && exactCount++ == 0) exact = i;
        if (LooseNameKey(candidates[i]) == key && looseCount++ == 0) loose = i;
    }
    if (exactCount == 1) return {MatchKind::Exact, exact};
    if (exactCount > 1 || looseCount > 1) return {MatchKind::Ambiguous, -1};
    if (looseCount == 1) return {MatchKind::Loose, loose};
    return {};
}

}  // namespace zav
