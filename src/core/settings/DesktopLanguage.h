// The desktop's language, which the interface follows until the user chooses
// one (Options, Language), and the codes the message catalogues of the
// toolkit and the desktop know the program's languages by.
#pragma once

#include "platform/UserFolders.h"
#include "texts/Texts.h"

namespace zav {

// The language the desktop's programs speak, as the message catalogues read
// it: the first entry of LANGUAGE's list that is French, English, Italian or
// German (LANGUAGE counts only under a locale other than C), else the
// language of the locale (LC_ALL, LC_MESSAGES or LANG, the first one set);
// French when neither is one of the four.
Language DesktopLanguage(const Environment& env);

// "fr", "en", "it" or "de": the language's name for message catalogues.
const char* CatalogueCode(Language language);

}  // namespace zav
