// The languages the desktop shows its programs in, as the system names them.
#pragma once

#include <string>
#include <vector>

#include "platform/UserFolders.h"

namespace zav {

// Locale names ("de_AT.UTF-8", "en-GB"), the user's first choice first. On
// Linux, as the message catalogues read the environment: under a locale
// other than C, LANGUAGE's list, then the locale (LC_ALL, LC_MESSAGES or
// LANG, the first one set). On Windows, the user's display languages in the
// order of the user's settings: Windows sets no LANG, so the environment
// plays no part there.
std::vector<std::string> DesktopLocales(const Environment& env);

}  // namespace zav
