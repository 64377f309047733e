#include "texts/Texts.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace zav {
namespace {

struct Entry {
    int offset;
    const char* byLanguage[4];  // French, English, Italian, German
};

constexpr Entry kEntries[] = {
#define ZAV_TEXT(offset, name, french, english, italian, german) \
    {offset, {french, english, italian, german}},
#include "texts/TextTable.h"
#undef ZAV_TEXT
};

constexpr int kOffsetLimit = 1000;

struct AllTexts {
    // Built once: the texts of every language, and each offset's row.
    std::vector<std::string> byLanguage[4];
    int row[kOffsetLimit];

    AllTexts() {
        std::fill(std::begin(row), std::end(row), -1);
        for (const Entry& entry : kEntries) {
            row[entry.offset] = static_cast<int>(byLanguage[0].size());
            for (int l = 0; l < 4; ++l) byLanguage[l].emplace_back(entry.byLanguage[l]);
        }
    }
};

const AllTexts& Texts() {
    static const AllTexts texts;
    return texts;
}

int LanguageIndex(Language language) {
    return LanguageBlock(language) / 1000 - 1;
}

}  // namespace

bool IsTextOffset(int offset) {
    return offset >= 0 && offset < kOffsetLimit && Texts().row[offset] >= 0;
}

const std::string& Text(Language language, TextId id) {
    const int offset = static_cast<int>(id);
    if (!IsTextOffset(offset))
        throw std::out_of_range("no text has offset " + std::to_string(offset));
    const AllTexts& texts = Texts();
    return texts.byLanguage[LanguageIndex(language)][static_cast<std::size_t>(texts.row[offset])];
}

const char* LanguageCode(Language language) {
    switch (language) {
        case Language::French: return "FR";
        case Language::English: return "EN";
        case Language::Italian: return "IT";
        case Language::German: return "GE";
    }
    return "FR";
}

std::optional<Language> LanguageOfCode(std::string_view code) {
    for (const Language language : kLanguages)
        if (code == LanguageCode(language)) return language;
    return std::nullopt;
}

Language LanguageFromCode(std::string_view code) {
    return LanguageOfCode(code).value_or(Language::French);
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
