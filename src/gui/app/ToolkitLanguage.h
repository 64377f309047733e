// Every word on screen in the interface language, also those the program does
// not write itself: the buttons of message boxes, GTK's file chooser, print
// and colour dialogs (GTK's message catalogues), and wx's own about box and
// print preview (wx's catalogues, Debian's wx3.2-i18n).
#pragma once

#include "texts/Texts.h"

namespace zavgui {

// Before GTK starts: the catalogues follow LANGUAGE, which they read only
// under a locale other than C, so the messages' locale is the user's or
// C.UTF-8. Only the messages: numbers keep the C locale's decimal point.
void UseLanguageForToolkit(zav::Language language);

// wx's own texts in that language, once the toolkit runs.
void LoadToolkitTranslations(zav::Language language);

}  // namespace zavgui
