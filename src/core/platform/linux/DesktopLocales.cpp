#include "platform/DesktopLocales.h"

#include <algorithm>
#include <initializer_list>

namespace zav {
namespace {

std::string FirstSet(const Environment& env, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (auto value = env(name); value && !value->empty()) return *value;
    return std::string();
}

}  // namespace

std::vector<std::string> DesktopLocales(const Environment& env) {
    const std::string locale = FirstSet(env, {"LC_ALL", "LC_MESSAGES", "LANG"});
    std::vector<std::string> locales;
    // Under the C locale the catalogues ignore LANGUAGE: so does the program.
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        const std::string list = env("LANGUAGE").value_or("");
        for (std::size_t start = 0; start < list.size();) {
            const std::size_t end = std::min(list.find(':', start), list.size());
            if (end > start) locales.push_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    if (!locale.empty()) locales.push_back(locale);
    return locales;
}

}  // namespace zav
