// Files through the system's own calls, for the reading and safe writing of
// io/ and the files of recovery/: what differs between Linux and Windows is
// here, the rules are there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace zav {

class NativeFile {
public:
    enum class Mode {
        Read,
        CreateNew,      // fails when the name is taken (AlreadyExisted)
        WriteExisting,  // an existing file, written from its start
    };
    NativeFile() = default;
    NativeFile(const std::string& path, Mode mode);
    ~NativeFile();
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    bool IsOpen() const { return handle_ != kClosed; }
    // After a failed CreateNew: the name was taken.
    bool AlreadyExisted() const { return alreadyExisted_; }
    bool IsRegular() const;
    long long Size() const;
    // Bytes read, 0 at the end, -1 on error.
    long long Read(char* buffer, std::size_t size);
    bool WriteAll(std::string_view bytes);
    // Until the bytes are on the disk, not only in the system's cache.
    bool FlushToDisk();
    // False when closing reported an error (a write that failed late).
    bool Close();
    // This new file (made beside the file at `oldPath`) takes what of that
    // file the system lets a save keep: owner, group and permission bits on
    // Linux; Windows keeps attributes and permissions when the file is
    // replaced (MoveOver).
    bool TakeOverAttributesOf(const std::string& oldPath);

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;  // a file descriptor or a HANDLE
    bool alreadyExisted_ = false;
};

struct FileInfo {
    bool exists = false;
    bool regular = false;
    bool link = false;  // only from LinkInfoOf: the name is a symbolic link
    // Write-protected: no write permission for anyone or none for us on Linux
    // (kept even for root), the read-only attribute on Windows.
    bool writeProtected = false;
    long long size = 0;
    std::time_t modified = 0;
};
FileInfo InfoOf(const std::string& path);
// The name itself, a symbolic link not followed (then `link`, nothing else).
// Windows' links are not looked at: they are reported as what they name.
FileInfo LinkInfoOf(const std::string& path);

enum class MoveResult {
    Done,
    Failed,
    InUse,  // another program holds the target open and the system will not replace it
};
// Puts the file `from` in the place of `to`, replacing it in one step, the
// move itself written through to the disk.
MoveResult MoveOver(const std::string& from, const std::string& to);

// Removes a file, never a folder; one already gone counts as removed.
bool RemoveFile(const std::string& path);

// Makes one folder (its parent exists), private to the user where the system
// has such a thing. True when it is there afterwards.
bool MakeFolder(const std::string& folder);

// The path of the running program's file.
std::string ExecutablePath();
int ProcessId();
// The time in the local time zone; false when it cannot be told.
bool LocalTime(std::time_t time, std::tm& local);

}  // namespace zav
