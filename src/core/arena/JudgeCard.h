// The card put up at the finish line: how a judge's phone reaches the
// scorer's window, printed from the Arena network dialog so that nobody has
// to read the address off the scorer's screen.
#pragma once

#include <string>

#include "texts/Texts.h"

namespace zav {

// The card's page: the address as text and as the picture `qrPicture` (a
// reference the page's reader resolves), the entry code in large type and
// three steps to send a result, in `language`. One portrait page.
std::string JudgeCardPage(const std::string& address, const std::string& entryCode,
                          const std::string& qrPicture, Language language);

}  // namespace zav
