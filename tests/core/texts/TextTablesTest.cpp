// The compiled-in text tables checked as data: the four language blocks must
// hold the same offsets, keep what the program fills in or parses (printf
// conversions, file-chooser patterns, language codes), survive the
// ISO-8859-1 files and pages, and give game names that the dialogs can select.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "sheet/GameCatalogue.h"
#include "texts/Encoding.h"
#include "texts/TextTable.h"
#include "texts/Texts.h"

namespace zav {
namespace {

// One language block gathered across its tables; an offset given twice is
// counted, as the later table would silently hide the earlier text.
std::map<int, std::string> Block(int base, int* duplicates = nullptr) {
    std::map<int, std::string> block;
    int twice = 0;
    for (std::size_t t = 0; t < kAllTextTablesCount; ++t) {
        const TextTable& table = kAllTextTables[t];
        if (table.languageBase != base) continue;
        for (std::size_t e = 0; e < table.count; ++e)
            if (!block.emplace(table.entries[e].offset, table.entries[e].text).second) ++twice;
    }
    if (duplicates) *duplicates = twice;
    return block;
}

// The printf conversions of a text, in order ("%%" is not one).
std::vector<std::string> Conversions(const std::string& text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (text[i + 1] == '%') {
            ++i;
            continue;
        }
        const std::size_t len = (text[i + 1] == 'l' && i + 2 < text.size()) ? 3 : 2;
        found.push_back(text.substr(i, len));
        i += len - 1;
    }
    return found;
}

// "Description|pattern|Description|pattern": the parts the chooser parses.
std::vector<std::string> FilterPatterns(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (int index = 0;; ++index) {
        const std::size_t bar = filter.find('|', start);
        const std::string part = filter.substr(start, bar - start);
        parts.push_back(index % 2 == 1 ? part : std::string("<description>"));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return parts;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Dialogs select the first entry that begins with a stored name, ignoring
// case: no name may equal or begin another one.
void ExpectPrefixFree(const std::vector<std::string>& names, const std::string& what) {
    for (std::size_t a = 0; a < names.size(); ++a)
        for (std::size_t b = 0; b < names.size(); ++b)
            if (a != b) {
                EXPECT_NE(Lower(names[b]).rfind(Lower(names[a]), 0), 0u)
                    << what << ": \"" << names[a] << "\" begins \"" << names[b] << "\"";
            }
}

TEST(TextTables, EveryBlockHoldsExactlyTheEnglishOffsets) {
    const auto english = Block(kLangEnglish);
    for (int offset : {0, 139, 140, 181, 240, 281, 300, 342, txt::kTooManyCategories})
        EXPECT_EQ(english.count(offset), 1u) << offset;
    for (int base : kLanguageBases) {
        int duplicates = 0;
        const auto block = Block(base, &duplicates);
        EXPECT_EQ(duplicates, 0) << base;
        for (const auto& [offset, text] : english) {
            EXPECT_FALSE(LoadText(base + offset).empty()) << base << "+" << offset;
            EXPECT_EQ(block.count(offset), 1u) << base << "+" << offset;
        }
        for (const auto& [offset, text] : block) {
            EXPECT_EQ(english.count(offset), 1u) << base << "+" << offset << " not in English";
            EXPECT_EQ(LoadText(base + offset), text) << base << "+" << offset;
        }
    }
}

TEST(TextTables, TranslationsKeepConversionsLineBreaksAndFilterPatterns) {
    const auto english = Block(kLangEnglish);
    for (int base : kLanguageBases) {
        for (const auto& [offset, text] : Block(base)) {
            const auto found = english.find(offset);
            if (found == english.end()) continue;
            const std::string& reference = found->second;
            const std::string where = std::to_string(base + offset);
            EXPECT_EQ(Conversions(text), Conversions(reference)) << where;
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
                      std::count(reference.begin(), reference.end(), '\n'))
                << where;
            if (reference.find('|') != std::string::npos) {
                EXPECT_EQ(FilterPatterns(text), FilterPatterns(reference)) << where;
            }
        }
    }
}

TEST(TextTables, LanguageListGivesBackItsCodes) {
    const char* codes[] = {"FR : ", "EN : ", "IT : ", "GE : "};
    for (int base : kLanguageBases) {
        for (int i = 0; i < 4; ++i) {
            const std::string& entry = Text(base, 304 + i);
            EXPECT_EQ(entry.rfind(codes[i], 0), 0u) << base << ": " << entry;
            EXPECT_GT(entry.size(), 5u) << base << ": " << entry;
            // The Language dialog reads the code back from the entry.
            EXPECT_EQ(LanguageFromCode(entry.substr(0, 2)), kLanguageBases[i]) << entry;
        }
    }
}

TEST(TextTables, TextsFitTheLatin1FilesAndTheTextBuffers) {
    for (int base : kLanguageBases) {
        for (const auto& [offset, text] : Block(base)) {
            const std::string where = std::to_string(base + offset) + ": " + text;
            // Windows-1252 holds every Latin-1 character at its own code, so
            // a text is Latin-1 when its Windows-1252 bytes avoid 0x80-0x9F.
            const std::string bytes = Utf8ToCp1252(text).value_or("\x80");
            for (unsigned char c : bytes)
                EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F) || c >= 0xA0)
                    << where << " has byte " << int(c);
            // Messages are read into 127-character buffers, the welcome page
            // and dialog fields into 255, the long rule help into 1023.
            std::size_t limit = 126;
            if (offset == txt::kRightsNotice || offset >= 400) limit = 254;
            if (offset == 138) limit = 1022;
            EXPECT_LE(bytes.size(), limit) << where;
        }
    }
}

TEST(GameCatalogueTexts, NamesAndPeriodsAreSelectableByPrefix) {
    for (int base : kLanguageBases) {
        std::vector<std::string> names, shown;
        for (int k = kFirstCatalogueGame; k <= kLastCatalogueGame; ++k) {
            names.push_back(Text(base, k));
            shown.push_back(RetireCesure(Text(base, k)));
        }
        ExpectPrefixFree(names, "names " + std::to_string(base));
        ExpectPrefixFree(shown, "shown names " + std::to_string(base));
        ExpectPrefixFree({Text(base, txt::kAm), Text(base, txt::kPm), Text(base, txt::kNight)},
                         "periods " + std::to_string(base));
    }
}

TEST(GameCatalogueTexts, BreakPointsOnlyInGermanNamesAndInsideWords) {
    int namesWithBreaks = 0;
    for (int k = kFirstCatalogueGame; k <= kLastCatalogueGame; ++k) {
        const std::string& name = Text(kLangGerman, k);
        int breaks = 0;
        for (std::size_t at = name.find("- "); at != std::string::npos;
             at = name.find("- ", at + 2)) {
            ++breaks;
            ASSERT_GT(at, 0u) << name;
            // Inside a word: a letter before it (ä, ö, ü, ß end in a byte >= 0x80).
            const unsigned char before = name[at - 1];
            EXPECT_TRUE(std::isalpha(before) || before >= 0x80) << name;
        }
        EXPECT_LE(breaks, 2) << name;
        EXPECT_EQ(RetireCesure(name).find("- "), std::string::npos) << name;
        namesWithBreaks += breaks > 0;
        // Equipment is shown wide; the equipment page strips break points
        // from the names of every language, so other languages have none.
        EXPECT_EQ(Text(kLangGerman, k + kEquipmentOffset).find("- "), std::string::npos)
            << k + kEquipmentOffset;
        for (int base : {kLangFrench, kLangEnglish, kLangItalian})
            EXPECT_EQ(Text(base, k).find("- "), std::string::npos) << base + k;
    }
    EXPECT_GT(namesWithBreaks, 0);
}

TEST(Texts, LookupLanguageRuleAndFormatting) {
    for (int number : {-1, 0, 999, kLangEnglish + 6, kLangGerman + 325, 5000})
        EXPECT_TRUE(LoadText(number).empty()) << number;

    EXPECT_EQ(LanguageFromCode("EN"), kLangEnglish);
    EXPECT_EQ(LanguageFromCode("IT"), kLangItalian);
    EXPECT_EQ(LanguageFromCode("GE"), kLangGerman);
    for (const char* code : {"FR", "en", "EN ", "English", "", "ge", "DE"})
        EXPECT_EQ(LanguageFromCode(code), kLangFrench) << code;
    for (int base : kLanguageBases) EXPECT_EQ(LanguageFromCode(LanguageCode(base)), base);

    EXPECT_EQ(FormatText("Too long = %ld bytes", 32001L), "Too long = 32001 bytes");
    EXPECT_EQ(FormatText("Elimination (%d point)", 0L), "Elimination (0 point)");
    EXPECT_EQ(FormatText("100%% of [%s]", std::string("C:\\a%d.txt")), "100% of [C:\\a%d.txt]");
    // Every single-conversion message of every language is filled completely.
    for (int base : kLanguageBases)
        for (const auto& [offset, text] : Block(base))
            if (Conversions(text).size() == 1) {
                EXPECT_TRUE(Conversions(FormatText(text, std::string("X"))).empty())
                    << base + offset;
            }
}

}  // namespace
}  // namespace zav
