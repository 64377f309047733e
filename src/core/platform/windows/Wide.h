// UTF-8 (the program's strings) to UTF-16 (Windows' names) and back, for the
// Windows files of the platform folders only.
#pragma once

#include <string>

namespace zav {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const wchar_t* wide);

}  // namespace zav
