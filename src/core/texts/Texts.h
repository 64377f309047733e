// Every text the program shows, in four languages, addressed as a language
// base plus an offset that names the text in every language.
#pragma once

#include <string>

namespace zav {

// Language bases (the language index times 1000).
constexpr int kLangFrench = 1000;
constexpr int kLangEnglish = 2000;
constexpr int kLangItalian = 3000;
constexpr int kLangGerman = 4000;
constexpr int kLanguageBases[] = {kLangFrench, kLangEnglish, kLangItalian, kLangGerman};

// Offsets that the core names in code. Offsets 140..180 are the game
// catalogue, 240..280 its equipment texts (see sheet/GameCatalogue.h).
// Offsets 400..999 not used by the message tables hold dialog texts.
namespace txt {
constexpr int kNoSheetOpened = 104;
constexpr int kSaveBeforeExit = 105;
constexpr int kBlame = 108;
constexpr int kChallengeIncoherent = 109;
constexpr int kProductName = 110;
constexpr int kVersion = 111;
constexpr int kTagLine = 112;
constexpr int kRightsNotice = 113;
constexpr int kChallengeNotDefined = 114;
constexpr int kFileTooLong = 119;
constexpr int kErrorOpening = 120;
constexpr int kErrorCreating = 121;
constexpr int kUnknownEncoding = 122;
constexpr int kErrorWriting = 137;
constexpr int kAm = 300;
constexpr int kPm = 301;
constexpr int kNight = 302;
constexpr int kTooManyTeamsOnSheet = 330;
constexpr int kNotSifFile = 333;
constexpr int kWithdrawalTooLate = 342;
constexpr int kTooManyCategories = 343;
}  // namespace txt

// A text by its full number (language base + offset), UTF-8; empty when the
// language block lacks that offset.
const std::string& LoadText(int textNumber);

// Convenience for the common call: language base and offset apart.
inline const std::string& Text(int wxLanguage, int offset) {
    return LoadText(wxLanguage + offset);
}

// Two-letter code written in files and settings: "FR", "EN", "IT", "GE";
// empty for anything else.
const char* LanguageCode(int wxLanguage);

// The language rule: exactly "EN", "IT" or "GE" select their language,
// anything else (absent, lower case, padded) is French.
int LanguageFromCode(const std::string& code);

// printf-style filling of a message's single "%s" or "%d"/"%ld".
std::string FormatText(const std::string& pattern, const std::string& value);
std::string FormatText(const std::string& pattern, long value);

}  // namespace zav
