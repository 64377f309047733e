#include "platform/FileLock.h"

#include <windows.h>

#include "platform/windows/Wide.h"

namespace zav {
namespace {

// Opened without sharing but for deletion: no other program opens the file
// while we hold it, and we may remove it before letting it go. Windows
// closes the handle when the program ends, however it ends.
HANDLE OpenExclusive(const std::string& path, DWORD creation) {
    return CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_DELETE,
                       nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

FileLock FileLock::CreateNew(const std::string& path, bool& nameTaken) {
    const HANDLE file = OpenExclusive(path, CREATE_NEW);
    nameTaken = file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS;
    if (file == INVALID_HANDLE_VALUE) return {};
    return FileLock(reinterpret_cast<std::intptr_t>(file), path);
}

FileLock FileLock::Take(const std::string& path, bool create, bool* made) {
    const HANDLE file = OpenExclusive(path, create ? OPEN_ALWAYS : OPEN_EXISTING);
    // OPEN_ALWAYS says ERROR_ALREADY_EXISTS when it opened a file that was there.
    if (made)
        *made = create && file != INVALID_HANDLE_VALUE && GetLastError() != ERROR_ALREADY_EXISTS;
    if (file == INVALID_HANDLE_VALUE) return {};  // its program runs, or the file is gone
    return FileLock(reinterpret_cast<std::intptr_t>(file), path);
}

void FileLock::Release() {
    if (handle_ != kNone) CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
}

void FileLock::RemoveAndRelease() {
    if (handle_ == kNone) return;
    FILE_DISPOSITION_INFO remove{TRUE};
    SetFileInformationByHandle(reinterpret_cast<HANDLE>(handle_), FileDispositionInfo, &remove,
                               sizeof remove);
    Release();
}

}  // namespace zav
