// Every text the program shows, in four languages, named by a TextId whose
// value is the text's offset in each language block (texts/TextTable.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zav {

// The interface language. Its value is the language's block of text numbers,
// which names the placement pictures ("2140.png").
enum class Language { French = 1000, English = 2000, Italian = 3000, German = 4000 };

inline constexpr Language kLanguages[] = {Language::French, Language::English, Language::Italian,
                                          Language::German};

// 1000, 2000, 3000 or 4000.
constexpr int LanguageBlock(Language language) {
    return static_cast<int>(language);
}

// Two-letter code written in files and settings: "FR", "EN", "IT", "GE".
const char* LanguageCode(Language language);

// The language rule of the settings file: exactly "EN", "IT" or "GE" select
// their language, anything else (absent, lower case, padded) is French.
Language LanguageFromCode(std::string_view code);

// The language whose code is exactly `code`; nothing for any other text.
std::optional<Language> LanguageOfCode(std::string_view code);

enum class TextId : int {
#define ZAV_TEXT(offset, name, french, english, italian, german) name = offset,
#include "texts/TextTable.h"
#undef ZAV_TEXT
};

// The text in that language, UTF-8. Every TextId has one in every language;
// an id made by arithmetic that names no text throws std::out_of_range.
const std::string& Text(Language language, TextId id);

// Whether `offset` is the offset of a text (for ids made by arithmetic).
bool IsTextOffset(int offset);

// printf-style filling of a message's single "%s" or "%d"/"%ld".
std::string FormatText(const std::string& pattern, const std::string& value);
std::string FormatText(const std::string& pattern, long value);

// The texts of the choices that the dialogs list in a fixed order.
inline constexpr TextId kPeriodTexts[] = {TextId::Am, TextId::Pm, TextId::Night};
inline constexpr TextId kLanguageNameTexts[] = {TextId::LanguageFrench, TextId::LanguageEnglish,
                                                TextId::LanguageItalian, TextId::LanguageGerman};
inline constexpr TextId kColourModelTexts[] = {
    TextId::ModelWater, TextId::ModelSand,   TextId::ModelCoal,   TextId::ModelGrass,
    TextId::ModelGold,  TextId::ModelSilver, TextId::ModelBronze, TextId::ModelBlackAndWhite};

}  // namespace zav
