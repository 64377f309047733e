#include "platform/NativePath.h"

#include <windows.h>

#include "platform/windows/Wide.h"

namespace zav {

const char kPathSeparator = '\\';

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the terminating zero
    return utf8;
}

bool IsForbiddenInFileName(char c) {
    return (c >= 0 && c < ' ') || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
}

std::filesystem::path NativePath(const std::string& utf8) {
    return std::filesystem::path(Wide(utf8));
}

std::string Utf8Path(const std::filesystem::path& path) {
    return Utf8(path.c_str());
}

}  // namespace zav
