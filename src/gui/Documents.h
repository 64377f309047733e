// The reference documents beside the program, by command and language.
#pragma once

#include "texts/Texts.h"

namespace zavgui {

// The file name the command opens in the interface language, or nullptr for
// a command that opens no document.
const char* DocumentFor(int commandId, zav::Language wxLanguage);

}  // namespace zavgui
