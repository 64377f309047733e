#include "paths/CreateFolders.h"

#include <system_error>

#include "platform/NativeFile.h"
#include "platform/NativePath.h"

namespace zav {

bool CreateFolders(const std::string& folder) {
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(NativePath(folder), error)) return true;
    const std::string parent = Utf8Path(NativePath(folder).parent_path());
    if (parent != folder && !CreateFolders(parent)) return false;
    return MakeFolder(folder);
}

}  // namespace zav
