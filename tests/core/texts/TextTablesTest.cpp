// The compiled-in text table checked as data: every text is there in every
// language, and the translations keep what the program fills in or parses (printf
// conversions, file-chooser patterns, language codes), survive the
// ISO-8859-1 files and pages, and give game names that the dialogs can select.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "encoding/Encoding.h"
#include "sheet/GameCatalogue.h"
#include "texts/Texts.h"

namespace zav {
namespace {

// Every text of the registry, as its table lists it.
constexpr TextId kAllTexts[] = {
#define ZAV_TEXT(offset, name, french, english, italian, german) TextId::name,
#include "texts/TextTable.h"
#undef ZAV_TEXT
};

int OffsetOf(TextId id) {
    return static_cast<int>(id);
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

// The four languages of each text are a build requirement; here: none is
// empty, and every id the program makes by arithmetic names a text.
TEST(TextTables, EveryTextIsThereInEveryLanguage) {
    for (Language language : kLanguages)
        for (TextId id : kAllTexts)
            EXPECT_FALSE(Text(language, id).empty()) << LanguageCode(language) << OffsetOf(id);
    for (int k = 0; k < kCatalogueGameCount; ++k) {
        EXPECT_TRUE(IsTextOffset(OffsetOf(CatalogueGame(k)))) << k;
        EXPECT_TRUE(IsTextOffset(OffsetOf(EquipmentOf(CatalogueGame(k))))) << k;
    }
    EXPECT_EQ(CatalogueGame(kCatalogueGameCount - 1), TextId::GameHoopla);
    EXPECT_EQ(EquipmentOf(TextId::GameHoopla), TextId::EquipHoopla);
    for (int offset : {-1, 6, 999, 1000})
        EXPECT_THROW(Text(Language::English, static_cast<TextId>(offset)), std::out_of_range);
}

TEST(TextTables, TranslationsKeepConversionsLineBreaksFilterPatternsAndLatin1) {
    for (Language base : kLanguages) {
        for (TextId id : kAllTexts) {
            const std::string& text = Text(base, id);
            const std::string& reference = Text(Language::English, id);
            const std::string where = std::to_string(LanguageBlock(base) + OffsetOf(id));
            EXPECT_EQ(Conversions(text), Conversions(reference)) << where;
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
                      std::count(reference.begin(), reference.end(), '\n'))
                << where;
            if (reference.find('|') != std::string::npos) {
                EXPECT_EQ(FilterPatterns(text), FilterPatterns(reference)) << where;
            }
            // Windows-1252 holds every Latin-1 character at its own code, so
            // a text fits the ISO-8859-1 files when its bytes avoid 0x80-0x9F.
            for (unsigned char c : Utf8ToCp1252(text).value_or("\x80"))
                EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F) || c >= 0xA0) << where << int(c);
        }
    }
}

TEST(TextTables, LanguageListGivesBackItsCodes) {
    const char* codes[] = {"FR : ", "EN : ", "IT : ", "GE : "};
    for (Language base : kLanguages) {
        for (int i = 0; i < 4; ++i) {
            const std::string& entry = Text(base, kLanguageNameTexts[i]);
            EXPECT_EQ(entry.rfind(codes[i], 0), 0u) << entry;
            EXPECT_GT(entry.size(), 5u) << entry;
            // The Language dialog reads the code back from the entry.
            EXPECT_EQ(LanguageFromCode(entry.substr(0, 2)), kLanguages[i]) << entry;
        }
    }
}

TEST(GameCatalogueTexts, NamesAndPeriodsAreSelectableByPrefix) {
    for (Language base : kLanguages) {
        std::vector<std::string> names, shown;
        for (int k = 0; k < kCatalogueGameCount; ++k) {
            names.push_back(Text(base, CatalogueGame(k)));
            shown.push_back(RetireCesure(names.back()));
        }
        const std::string code = LanguageCode(base);
        ExpectPrefixFree(names, "names " + code);
        ExpectPrefixFree(shown, "shown names " + code);
        ExpectPrefixFree(
            {Text(base, TextId::Am), Text(base, TextId::Pm), Text(base, TextId::Night)},
            "periods " + code);
    }
}

TEST(Texts, LookupLanguageRuleAndFormatting) {
    EXPECT_EQ(LanguageFromCode("EN"), Language::English);
    EXPECT_EQ(LanguageFromCode("IT"), Language::Italian);
    EXPECT_EQ(LanguageFromCode("GE"), Language::German);
    for (const char* code : {"FR", "en", "EN ", "English", "", "ge", "DE"})
        EXPECT_EQ(LanguageFromCode(code), Language::French) << code;
    for (Language base : kLanguages) {
        EXPECT_EQ(LanguageFromCode(LanguageCode(base)), base);
        EXPECT_EQ(LanguageOfCode(LanguageCode(base)), base);
    }
    EXPECT_FALSE(LanguageOfCode("fr"));

    EXPECT_EQ(FormatText("Too long = %ld bytes", 32001L), "Too long = 32001 bytes");
    EXPECT_EQ(FormatText("Elimination (%d point)", 0L), "Elimination (0 point)");
    EXPECT_EQ(FormatText("100%% of [%s]", std::string("C:\\a%d.txt")), "100% of [C:\\a%d.txt]");
    // One conversion filled per call, in order.
    EXPECT_EQ(FormatText("%d of %ld, %xd", 1L), "1 of %ld, %xd");
    EXPECT_EQ(FormatText("%ld of %d", 1L), "1 of %d");
    // Every single-conversion message of every language is filled completely.
    for (Language base : kLanguages)
        for (TextId id : kAllTexts)
            if (Conversions(Text(base, id)).size() == 1) {
                EXPECT_TRUE(Conversions(FormatText(Text(base, id), std::string("X"))).empty())
                    << Text(base, id);
            }
}

}  // namespace
}  // namespace zav
