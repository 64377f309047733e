// File names in paths, the same way in every part of the program.
#pragma once

#include <string>
#include <string_view>

namespace zav {

// The path of a file named `name` in the folder of the file at `path`.
std::string SiblingPath(std::string_view path, std::string_view name);

// The path of a file named `name` in `folder`.
std::string PathInFolder(std::string_view folder, std::string_view name);

// The file name of a path: what follows its last "/" (the whole path without one).
std::string FileNameOf(std::string_view path);

}  // namespace zav
