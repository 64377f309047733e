// What the program answers from its command line alone, before the toolkit
// starts: `--help` and `--version` work without a display, as a terminal
// user or a packaging check expects.
#pragma once

#include <optional>
#include <ostream>

namespace zavgui {

// The exit status after --help (-h) or --version, written to `out`; nothing
// when the arguments are for the window. Arguments after "--" are files.
std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv, std::ostream& out);

}  // namespace zavgui
