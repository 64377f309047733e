#include "platform/NativePath.h"

namespace zav {

const char kPathSeparator = '/';

bool IsPathSeparator(char c) {
    return c == '/';
}

bool IsForbiddenInFileName(char c) {
    return c == '/' || c == '\0';
}

std::filesystem::path NativePath(const std::string& utf8) {
    return std::filesystem::path(utf8);
}

std::string Utf8Path(const std::filesystem::path& path) {
    return path.string();
}

}  // namespace zav
