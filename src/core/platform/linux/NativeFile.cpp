#include "platform/NativeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace zav {
namespace {

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

int OpenFlags(NativeFile::Mode mode) {
    switch (mode) {
        case NativeFile::Mode::Read: return O_RDONLY | O_CLOEXEC;
        case NativeFile::Mode::CreateNew: return O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
        case NativeFile::Mode::WriteExisting: return O_WRONLY | O_CLOEXEC;
    }
    return O_RDONLY;
}

}  // namespace

NativeFile::NativeFile(const std::string& path, Mode mode) {
    const int fd = ::open(path.c_str(), OpenFlags(mode), 0666);
    if (fd >= 0)
        handle_ = fd;
    else
        alreadyExisted_ = errno == EEXIST;
}

bool NativeFile::IsRegular() const {
    struct stat info {};
    return IsOpen() && ::fstat(Fd(handle_), &info) == 0 && S_ISREG(info.st_mode);
}

long long NativeFile::Size() const {
    struct stat info {};
    return IsOpen() && ::fstat(Fd(handle_), &info) == 0 ? info.st_size : 0;
}

long long NativeFile::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(Fd(handle_), buffer, size);
        if (got >= 0 || errno != EINTR) return got;
    }
}

bool NativeFile::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(Fd(handle_), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool NativeFile::FlushToDisk() {
    return ::fsync(Fd(handle_)) == 0;
}

bool NativeFile::Close() {
    if (!IsOpen()) return true;
    const bool closed = ::close(Fd(handle_)) == 0;
    handle_ = kClosed;
    return closed;
}

namespace {

FileInfo InfoFrom(const std::string& path, const struct stat& info) {
    FileInfo file;
    file.exists = true;
    file.regular = S_ISREG(info.st_mode);
    // No write permission for anyone is a protection even root respects here.
    file.writeProtected = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                          ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
    file.size = info.st_size;
    file.modified = info.st_mtime;
    return file;
}

}  // namespace

FileInfo InfoOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return InfoFrom(path, info);
}

FileInfo LinkInfoOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return {};
    if (!S_ISLNK(info.st_mode)) return InfoFrom(path, info);
    FileInfo file;
    file.exists = true;
    file.link = true;
    return file;
}

bool NativeFile::TakeOverAttributesOf(const std::string& oldPath) {
    struct stat old {};
    if (::stat(oldPath.c_str(), &old) != 0) return false;
    // The owner and group where we may give them (root may; a user may give
    // a group he belongs to), so that a save neither opens up nor takes over
    // a file; when neither can be given the file stays ours.
    if (::fchown(Fd(handle_), old.st_uid, old.st_gid) != 0 &&
        ::fchown(Fd(handle_), static_cast<uid_t>(-1), old.st_gid) != 0) {
    }
    return ::fchmod(Fd(handle_), old.st_mode & 07777) == 0;
}

MoveResult MoveOver(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? MoveResult::Done : MoveResult::Failed;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool MakeFolder(const std::string& folder) {
    struct stat info {};
    return ::mkdir(folder.c_str(), 0700) == 0 ||
           (errno == EEXIST && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

int ProcessId() {
    return static_cast<int>(::getpid());
}

bool LocalTime(std::time_t time, std::tm& local) {
    return ::localtime_r(&time, &local) != nullptr;
}

}  // namespace zav
