#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace zav {
namespace {

bool TryLock(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// The file open as `fd` is still the one named `path`: nobody removed or
// replaced it between the open and the lock.
bool StillNamed(int fd, const std::string& path) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

FileLock FileLock::CreateNew(const std::string& path, bool& nameTaken) {
    nameTaken = false;
    // flock needs an open file: the lock is taken under a name no other
    // program looks at, then the file is given its real name.
    const std::size_t slash = path.rfind('/');
    std::string starting =
        (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
        ".starting-XXXXXX";
    const int fd = ::mkostemp(starting.data(), O_CLOEXEC);
    if (fd < 0) return {};
    FileLock lock(fd, starting);
    if (!TryLock(fd)) {
        lock.RemoveAndRelease();
        return {};
    }
    if (::link(starting.c_str(), path.c_str()) != 0) {
        nameTaken = errno == EEXIST;
        lock.RemoveAndRelease();
        return {};
    }
    ::unlink(starting.c_str());
    lock.path_ = path;
    return lock;
}

FileLock FileLock::Take(const std::string& path, bool create, bool* made) {
    bool madeHere = false;
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && create) {
        // O_EXCL tells whether we made it; a program that made it just
        // before us leaves it to be opened as it is.
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        madeHere = fd >= 0;
        if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    }
    if (made) *made = madeHere;
    if (fd < 0) return {};
    if (!TryLock(fd) || !StillNamed(fd, path)) {
        ::close(fd);  // its program runs, or another one has just taken it
        return {};
    }
    return FileLock(fd, path);
}

void FileLock::Release() {
    if (handle_ != kNone) ::close(static_cast<int>(handle_));
    handle_ = kNone;
}

void FileLock::RemoveAndRelease() {
    if (handle_ == kNone) return;
    ::unlink(path_.c_str());
    Release();
}

}  // namespace zav
