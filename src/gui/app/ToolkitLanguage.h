// Every word on screen in the interface language, also those the program does
// not write itself: the buttons of message boxes, GTK's file chooser, print
// and colour dialogs (GTK's message catalogues), and wx's own about box and
// print preview (wx's catalogues, Debian's wx3.2-i18n).
#pragma once

#include "texts/Texts.h"

namespace zavgui {

// wx's own texts in that language, once the toolkit runs.
void LoadToolkitTranslations(zav::Language language);

}  // namespace zavgui
