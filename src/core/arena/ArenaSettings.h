// The window's arena network, as the settings file keeps it.
#pragma once

#include <string>

#include "screens/BoardChoice.h"
#include "settings/Settings.h"

namespace zav {

constexpr int kDefaultArenaPort = 8080;

struct ArenaSettings {
    bool on = false;
    int port = kDefaultArenaPort;
    std::string bind;  // the interface's address; empty: every interface
    bool acceptAtOnce = false;
    BoardChoice board;
    std::string entriesFile;  // empty: none
};

// A port outside 1..65535 (or none written) reads as the default; so do a
// board view of no known word and seconds out of bounds (brought within).
ArenaSettings ReadArenaSettings(const Settings& settings);
// False when the settings file cannot be written.
[[nodiscard]] bool WriteArenaSettings(const Settings& settings, const ArenaSettings& arena);

}  // namespace zav
