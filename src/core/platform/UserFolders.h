// Where the system keeps a user's files (one implementation per platform: the
// XDG base directory rules on Linux, the known folders on Windows). Each
// folder is this program's own ("…/zavscore"): the program writes there and
// never into its installation, which the user usually cannot write.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zav {

// One environment variable's value; nothing when it is unset. A parameter, so
// that the rules below can be checked against any environment.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;

// The process's environment; HOME falls back to the user's account entry.
Environment ProcessEnvironment();

// This program's folder in the user's configuration, data, state and cache
// homes: $XDG_CONFIG_HOME/zavscore, else ~/.config/zavscore, and so on
// (~/.local/share, ~/.local/state, ~/.cache). A relative XDG value is
// ignored, as the rules say.
std::string UserConfigFolder(const Environment& env);
std::string UserDataFolder(const Environment& env);
std::string UserStateFolder(const Environment& env);
std::string UserCacheFolder(const Environment& env);

// Where ssh keeps the user's keys and the servers trusted: ~/.ssh.
std::string UserSshFolder(const Environment& env);

// The user's documents folder, where a chooser starts before the user has
// chosen any: XDG_DOCUMENTS_DIR of the user's folder settings
// ($XDG_CONFIG_HOME/user-dirs.dirs), else of the environment, else the home
// folder (as xdg-user-dir answers).
std::string UserDocumentsFolder(const Environment& env);

}  // namespace zav
