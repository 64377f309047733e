// Making the folders the program writes into (settings, recovery files,
// the user's documents), whatever the platform.
#pragma once

#include <string>

namespace zav {

// Creates the folder and the missing ones above it, private to the user as
// the XDG rules ask. True when the folder exists afterwards.
bool CreateFolders(const std::string& folder);

}  // namespace zav
