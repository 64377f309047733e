#include "io/Paths.h"

namespace zav {

std::string SiblingPath(std::string_view path, std::string_view name) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return std::string(name);
    return std::string(path.substr(0, slash + 1)) + std::string(name);
}

std::string PathInFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') path += '/';
    return path + std::string(name);
}

std::string FileNameOf(std::string_view path) {
    return std::string(path.substr(path.rfind('/') + 1));  // npos + 1 is 0: a bare name
}

}  // namespace zav
