#include "settings/DesktopLanguage.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace zav {
namespace {

// The program's language named by a locale or catalogue name ("de",
// "fr_CA.UTF-8", "it_IT@euro"); nothing for any other.
std::optional<Language> LanguageOfLocale(std::string_view name) {
    const std::string_view code = name.substr(0, name.find_first_of("_.@"));
    for (Language language : kLanguages)
        if (code == CatalogueCode(language)) return language;
    return std::nullopt;
}

std::string FirstSet(const Environment& env, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (auto value = env(name); value && !value->empty()) return *value;
    return std::string();
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
    const std::string locale = FirstSet(env, {"LC_ALL", "LC_MESSAGES", "LANG"});
    // Under the C locale the catalogues ignore LANGUAGE: so does the program.
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        const std::string list = env("LANGUAGE").value_or("");
        for (std::size_t start = 0; start <= list.size();) {
            const std::size_t end = std::min(list.find(':', start), list.size());
            if (auto language = LanguageOfLocale(std::string_view(list).substr(start, end - start)))
                return *language;
            start = end + 1;
        }
    }
    return LanguageOfLocale(locale).value_or(Language::French);
}

}  // namespace zav
