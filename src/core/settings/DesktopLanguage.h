// The desktop's language, which the interface follows until the user chooses
// one (Options, Language), and the codes the message catalogues of the
// toolkit and the desktop know the program's languages by.
#pragma once

#include "platform/UserFolders.h"
#include "texts/Texts.h"

namespace zav {

// The language the desktop's programs speak: the first of the desktop's
// languages (platform/DesktopLocales.h) that is French, English, Italian or
// German; French when none is.
Language DesktopLanguage(const Environment& env);

// "fr", "en", "it" or "de": the language's name for message catalogues.
const char* CatalogueCode(Language language);

}  // namespace zav
