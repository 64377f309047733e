#include "settings/DesktopLanguage.h"

#include <optional>
#include <string_view>

#include "platform/DesktopLocales.h"

namespace zav {
namespace {

// The program's language named by a locale or catalogue name ("de",
// "fr_CA.UTF-8", "it_IT@euro", Windows' "en-GB"); nothing for any other.
std::optional<Language> LanguageOfLocale(std::string_view name) {
    const std::string_view code = name.substr(0, name.find_first_of("_-.@"));
    for (Language language : kLanguages)
        if (code == CatalogueCode(language)) return language;
    return std::nullopt;
}

}  // namespace

const char* CatalogueCode(Language language) {
    switch (language) {
        case Language::French: return "fr";
        case Language::English: return "en";
        case Language::Italian: return "it";
        case Language::German: return "de";
    }
    return "fr";
}

Language DesktopLanguage(const Environment& env) {
    for (const std::string& locale : DesktopLocales(env))
        if (auto language = LanguageOfLocale(locale)) return *language;
    return Language::French;
}

}  // namespace zav
