// The window's arena network, as the settings file keeps it.
#pragma once

#include <string>

#include "settings/Settings.h"

namespace zav {

constexpr int kDefaultArenaPort = 8080;

struct ArenaSettings {
    bool on = false;
    int port = kDefaultArenaPort;
    std::string bind;  // the interface's address; empty: every interface
    bool acceptAtOnce = false;
};

// A port outside 1..65535 (or none written) reads as the default.
ArenaSettings ReadArenaSettings(const Settings& settings);
// False when the settings file cannot be written.
[[nodiscard]] bool WriteArenaSettings(const Settings& settings, const ArenaSettings& arena);

}  // namespace zav
