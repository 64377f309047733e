// Pages laid out by Debian's headless chromium: a test page holds the pages
// under test in frames and its script writes what it measured into an
// attribute of its body, which the dumped document carries back.
#pragma once

#include <cstdlib>
#include <string>

#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace zavtest {

// Writes `html` as a page in `dir`, lays it out in a window of `windowSize`
// ("width,height") and returns the value its script gave the body's
// `attribute`; empty when chromium failed or the script wrote nothing.
inline std::string LaidOutAttribute(const TempDir& dir, const std::string& html,
                                    const std::string& windowSize, const std::string& attribute) {
    WriteFile(dir.File("layout.html"), html);
    const std::string command =
        "chromium --headless --no-sandbox --disable-gpu --user-data-dir=" + dir.File("profile") +
        " --allow-file-access-from-files --window-size=" + windowSize +
        " --virtual-time-budget=5000 --dump-dom file://" + dir.File("layout.html") + " >" +
        dir.File("dom") + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) return "";
    const std::string dom = ReadFile(dir.File("dom"));
    const std::string head = attribute + "=\"";
    const std::size_t at = dom.find(head);
    if (at == std::string::npos) return "";
    const std::size_t from = at + head.size();
    return dom.substr(from, dom.find('"', from) - from);
}

}  // namespace zavtest
