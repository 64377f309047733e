#include "platform/DesktopLocales.h"

#include <windows.h>

#include <cwchar>

#include "platform/windows/Wide.h"

namespace zav {

std::vector<std::string> DesktopLocales(const Environment&) {
    ULONG count = 0, size = 0;
    std::vector<std::string> locales;
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0)
        return locales;
    // Names separated by a zero, the list ended by a second one.
    std::wstring names(size, L'\0');
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return locales;
    for (const wchar_t* name = names.c_str(); *name; name += std::wcslen(name) + 1)
        locales.push_back(Utf8(name));
    return locales;
}

}  // namespace zav
