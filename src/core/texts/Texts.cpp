#include "texts/Texts.h"

#include <array>
#include <cstdio>
#include <vector>

#include "texts/TextTable.h"

namespace zav {
namespace {

constexpr int kFirstNumber = 1000;
constexpr int kLastNumber = 4999;

// Built once: a flat array indexed by text number, so every lookup is O(1).
const std::vector<std::string>& AllTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> v(kLastNumber - kFirstNumber + 1);
        for (std::size_t i = 0; i < kAllTextTablesCount; ++i) {
            const TextTable& table = kAllTextTables[i];
            for (std::size_t e = 0; e < table.count; ++e) {
                const int number = table.languageBase + table.entries[e].offset;
                if (number >= kFirstNumber && number <= kLastNumber)
                    v[number - kFirstNumber] = table.entries[e].text;
            }
        }
        return v;
    }();
    return texts;
}

}  // namespace

const std::string& LoadText(int textNumber) {
    static const std::string empty;
    if (textNumber < kFirstNumber || textNumber > kLastNumber) return empty;
    return AllTexts()[textNumber - kFirstNumber];
}

const char* LanguageCode(int wxLanguage) {
    switch (wxLanguage) {
        case kLangFrench: return "FR";
        case kLangEnglish: return "EN";
        case kLangItalian: return "IT";
        case kLangGerman: return "GE";
        default: return "";
    }
}

int LanguageFromCode(const std::string& code) {
    if (code == "EN") return kLangEnglish;
    if (code == "IT") return kLangItalian;
    if (code == "GE") return kLangGerman;
    return kLangFrench;
}

namespace {
// Replaces the first printf conversion (%s, %d, %ld) of the pattern; "%%"
// stands for itself. Texts never carry more than one conversion.
std::string ReplaceFirstConversion(const std::string& pattern, const std::string& value) {
    std::string out;
    out.reserve(pattern.size() + value.size());
    bool replaced = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            out += '%';
            ++i;
        } else if (!replaced && (next == 's' || next == 'd')) {
            out += value;
            replaced = true;
            ++i;
        } else if (!replaced && next == 'l' && i + 2 < pattern.size() && pattern[i + 2] == 'd') {
            out += value;
            replaced = true;
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
}  // namespace

std::string FormatText(const std::string& pattern, const std::string& value) {
    return ReplaceFirstConversion(pattern, value);
}

std::string FormatText(const std::string& pattern, long value) {
    return ReplaceFirstConversion(pattern, std::to_string(value));
}

}  // namespace zav
