#include "paths/PathNames.h"

#include "platform/NativePath.h"

namespace zav {

std::size_t LastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i-- > 0;)
        if (IsPathSeparator(path[i])) return i;
    return std::string_view::npos;
}

std::string SiblingPath(std::string_view path, std::string_view name) {
    const std::size_t slash = LastSeparator(path);
    if (slash == std::string_view::npos) return std::string(name);
    return std::string(path.substr(0, slash + 1)) + std::string(name);
}

std::string PathInFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !IsPathSeparator(path.back())) path += kPathSeparator;
    return path + std::string(name);
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = LastSeparator(path);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string FileNameOf(std::string_view path) {
    return std::string(path.substr(LastSeparator(path) + 1));  // npos + 1 is 0: a bare name
}

}  // namespace zav
