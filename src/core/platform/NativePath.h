// Paths as the system takes them. The program keeps every path as a UTF-8
// std::string; Windows names files in UTF-16, so a path crosses to the
// system only through these (never through the ANSI code page, which cannot
// hold every name).
#pragma once

#include <filesystem>
#include <string>

namespace zav {

// The separator the program writes between folder and name.
extern const char kPathSeparator;

// Whether `c` separates folders in a path ('/', and '\' on Windows).
bool IsPathSeparator(char c);

// Whether a file name cannot hold `c`: '/' and the zero byte; on Windows
// also '\\', ':', '*', '?', '"', '<', '>', '|' and the control characters.
bool IsForbiddenInFileName(char c);

// The UTF-8 path as a std::filesystem path, and back.
std::filesystem::path NativePath(const std::string& utf8);
std::string Utf8Path(const std::filesystem::path& path);

}  // namespace zav
