// File names in paths, the same way in every part of the program, with the
// system's separators (platform/NativePath.h).
#pragma once

#include <string>
#include <string_view>

namespace zav {

// The path of a file named `name` in the folder of the file at `path`.
std::string SiblingPath(std::string_view path, std::string_view name);

// The path of a file named `name` in `folder`.
std::string PathInFolder(std::string_view folder, std::string_view name);

// The position of the path's last separator ("/", on Windows "\" too); npos
// when it has none.
std::size_t LastSeparator(std::string_view path);

// The folder of the file at `path`, without the last separator; empty for a
// bare name.
std::string FolderOf(std::string_view path);

// The file name of a path: what follows its last separator (the whole path
// without one).
std::string FileNameOf(std::string_view path);

}  // namespace zav
