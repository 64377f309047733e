#include "platform/NativeFile.h"

#include <windows.h>

#include <limits>

#include "platform/windows/Wide.h"

namespace zav {
namespace {

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Seconds since 1970 from Windows' 100-nanosecond ticks since 1601.
std::time_t UnixTime(const FILETIME& time) {
    ULARGE_INTEGER ticks;
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    return static_cast<std::time_t>(ticks.QuadPart / 10000000ULL - 11644473600ULL);
}

}  // namespace

NativeFile::NativeFile(const std::string& path, Mode mode) {
    const DWORD access = mode == Mode::Read ? GENERIC_READ : GENERIC_WRITE;
    const DWORD creation = mode == Mode::CreateNew ? CREATE_NEW : OPEN_EXISTING;
    // Others may read, write and rename while we hold the file, as on Linux.
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE file = CreateFileW(Wide(path).c_str(), access, sharing, nullptr, creation,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        handle_ = reinterpret_cast<std::intptr_t>(file);
    else
        alreadyExisted_ = GetLastError() == ERROR_FILE_EXISTS;
}

bool NativeFile::IsRegular() const {
    return IsOpen() && GetFileType(Handle(handle_)) == FILE_TYPE_DISK;
}

long long NativeFile::Size() const {
    LARGE_INTEGER size;
    return IsOpen() && GetFileSizeEx(Handle(handle_), &size) ? size.QuadPart : 0;
}

long long NativeFile::Read(char* buffer, std::size_t size) {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!ReadFile(Handle(handle_), buffer, wanted, &got, nullptr)) return -1;
    return got;
}

bool NativeFile::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(Handle(handle_), bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool NativeFile::FlushToDisk() {
    return FlushFileBuffers(Handle(handle_)) != 0;
}

bool NativeFile::Close() {
    if (!IsOpen()) return true;
    const bool closed = CloseHandle(Handle(handle_)) != 0;
    handle_ = kClosed;
    return closed;
}

bool NativeFile::TakeOverAttributesOf(const std::string&) {
    return true;  // ReplaceFileW keeps the replaced file's attributes and permissions
}

FileInfo InfoOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return {};
    FileInfo file;
    file.exists = true;
    file.regular = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    file.writeProtected = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    file.size = (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    file.modified = UnixTime(data.ftLastWriteTime);
    return file;
}

FileInfo LinkInfoOf(const std::string& path) {
    return InfoOf(path);
}

MoveResult MoveOver(const std::string& from, const std::string& to) {
    const std::wstring source = Wide(from), target = Wide(to);
    const auto inUse = [](DWORD error) {
        return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
               error == ERROR_UNABLE_TO_REMOVE_REPLACED;
    };
    // ReplaceFileW keeps the target's attributes, permissions and creation
    // date; a target not there yet (or a file system without ReplaceFileW)
    // takes the move.
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                         nullptr, nullptr))
            return MoveResult::Done;
        if (inUse(GetLastError())) return MoveResult::InUse;
    }
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return MoveResult::Done;
    return inUse(GetLastError()) ? MoveResult::InUse : MoveResult::Failed;
}

bool RemoveFile(const std::string& path) {
    if (DeleteFileW(Wide(path).c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool MakeFolder(const std::string& folder) {
    const std::wstring wide = Wide(folder);
    if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return Utf8(path.c_str());
        path.resize(path.size() * 2);
    }
}

int ProcessId() {
    return static_cast<int>(GetCurrentProcessId());
}

bool LocalTime(std::time_t time, std::tm& local) {
    return localtime_s(&local, &time) == 0;
}

}  // namespace zav
