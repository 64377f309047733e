#include "recovery/RecoveryStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "io/FileRead.h"
#include "io/FileWrite.h"
#include "io/Paths.h"
#include "paths/UserFolders.h"
#include "sheetfile/SheetFile.h"

namespace zav {
namespace {

// Every file of a session is named "recovery-PID-N" and an extension, so
// that the folder may hold other files of the program.
constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kLockExtension = ".lock";
constexpr std::string_view kRecoveryExtension = ".recovery";
// A sheet file of our own at its largest, and the lines before it.
constexpr std::size_t kMaxRecoveryBytes = kMaxOwnSheetFileBytes + 64 * 1024;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

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

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Unlinking before closing: the file disappears while still locked, so no
// other program can take it in between.
void RemoveLocked(int fd, const std::string& lockPath) {
    ::unlink(lockPath.c_str());
    ::close(fd);
}

// The lock of a left recovery file, made when missing (a program that
// takes it later finds the same file, and only one of them holds it);
// `made` says it was made here.
int OpenLock(const std::string& lockPath, bool& made) {
    made = false;
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT) return fd;
    fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    made = fd >= 0;
    return fd >= 0 || errno != EEXIST ? fd : ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
}

enum class LeftFile { Whole, Damaged, Gone };

// Looked at before it is opened: opening a FIFO would wait for a writer
// that never comes.
LeftFile ReadLeftFile(const std::string& path, RecoveryRecord& record) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? LeftFile::Gone : LeftFile::Damaged;
    if (!S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > kMaxRecoveryBytes)
        return LeftFile::Damaged;
    std::string bytes;
    if (ReadFileBytes(path, bytes, kMaxRecoveryBytes).status != ReadStatus::Done)
        return Exists(path) ? LeftFile::Damaged : LeftFile::Gone;  // gone: taken by another program
    return ParseRecoveryFile(bytes, record) ? LeftFile::Whole : LeftFile::Damaged;
}

// Moves the file into the damaged folder under a name no earlier file there
// has; true when moved.
bool MoveToDamaged(const std::string& path) {
    const std::filesystem::path file(path);
    const std::string damaged = DamagedFolder(file.parent_path().string());
    if (!CreateFolders(damaged)) return false;
    const auto taken = [](const std::string& name) {
        struct stat info {};
        return ::lstat(name.c_str(), &info) == 0;
    };
    std::string target = PathInFolder(damaged, file.filename().string());
    for (int n = 2; taken(target) && n < 1000; ++n)
        target = PathInFolder(damaged, file.filename().string() + "-" + std::to_string(n));
    return ::rename(path.c_str(), target.c_str()) == 0;
}

}  // namespace

std::unique_ptr<RecoverySession> RecoverySession::Start(const std::string& folder) {
    if (!CreateFolders(folder)) return nullptr;
    // The lock is taken under a name no other program looks at, then given
    // its real name: a lock file under its real name is always locked while
    // its program runs.
    std::string starting = PathInFolder(folder, ".starting-XXXXXX");
    const int fd = ::mkostemp(starting.data(), O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (!TryLock(fd)) {
        RemoveLocked(fd, starting);
        return nullptr;
    }
    const std::string pid = std::to_string(::getpid());
    for (int n = 0; n < 1000; ++n) {
        const std::string id =
            PathInFolder(folder, std::string(kPrefix) + pid + "-" + std::to_string(n));
        const std::string lockPath = id + std::string(kLockExtension);
        if (::link(starting.c_str(), lockPath.c_str()) == 0) {
            ::unlink(starting.c_str());
            return std::unique_ptr<RecoverySession>(
                new RecoverySession(fd, lockPath, id + std::string(kRecoveryExtension)));
        }
        if (errno != EEXIST) break;
    }
    RemoveLocked(fd, starting);
    return nullptr;
}

RecoverySession::RecoverySession(int lockFd, std::string lockPath, std::string recoveryPath)
    : lockFd_(lockFd), lockPath_(std::move(lockPath)), recoveryPath_(std::move(recoveryPath)) {}

RecoverySession::~RecoverySession() {
    if (Exists(recoveryPath_))
        ::close(lockFd_);
    else
        RemoveLocked(lockFd_, lockPath_);
}

bool RecoverySession::Write(const RecoveryRecord& record) {
    return ReplaceFileContents(recoveryPath_, RecoveryFileBytes(record)) == ReplaceResult::Done;
}

void RecoverySession::Remove() {
    ::unlink(recoveryPath_.c_str());
}

LeftRecovery::LeftRecovery(int lockFd, std::string lockPath, bool lockMade,
                           std::string recoveryPath, RecoveryRecord record)
    : lockFd_(lockFd),
      lockPath_(std::move(lockPath)),
      lockMade_(lockMade),
      recoveryPath_(std::move(recoveryPath)),
      record_(std::move(record)) {}

LeftRecovery::LeftRecovery(LeftRecovery&& other) noexcept
    : lockFd_(std::exchange(other.lockFd_, -1)),
      lockPath_(std::move(other.lockPath_)),
      lockMade_(other.lockMade_),
      recoveryPath_(std::move(other.recoveryPath_)),
      record_(std::move(other.record_)) {}

LeftRecovery& LeftRecovery::operator=(LeftRecovery&& other) noexcept {
    if (this != &other) {
        Release();
        lockFd_ = std::exchange(other.lockFd_, -1);
        lockPath_ = std::move(other.lockPath_);
        lockMade_ = other.lockMade_;
        recoveryPath_ = std::move(other.recoveryPath_);
        record_ = std::move(other.record_);
    }
    return *this;
}

LeftRecovery::~LeftRecovery() {
    Release();
}

void LeftRecovery::Release() {
    if (lockFd_ < 0) return;
    if (lockMade_)
        RemoveLocked(lockFd_, lockPath_);
    else
        ::close(lockFd_);
    lockFd_ = -1;
}

void LeftRecovery::Discard() {
    if (lockFd_ < 0) return;
    ::unlink(recoveryPath_.c_str());
    RemoveLocked(lockFd_, lockPath_);
    lockFd_ = -1;
}

void LeftRecovery::PutAside() {
    if (lockFd_ < 0) return;
    MoveToDamaged(recoveryPath_);
    RemoveLocked(lockFd_, lockPath_);
    lockFd_ = -1;
}

std::string DamagedFolder(const std::string& folder) {
    return PathInFolder(folder, "damaged");
}

LeftRecoveries TakeLeftRecoveries(const std::string& folder) {
    namespace fs = std::filesystem;
    LeftRecoveries found;
    std::vector<std::string> lockOnly;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        // Not files being written or started, nor other files of the program.
        if (name.compare(0, kPrefix.size(), kPrefix) != 0) continue;
        const std::string path = entry.path().string();
        if (EndsWith(name, kLockExtension)) {
            const std::string stem = path.substr(0, path.size() - kLockExtension.size());
            if (!Exists(stem + std::string(kRecoveryExtension))) lockOnly.push_back(path);
            continue;
        }
        if (!EndsWith(name, kRecoveryExtension)) continue;
        const std::string lockPath =
            path.substr(0, path.size() - kRecoveryExtension.size()) + std::string(kLockExtension);
        bool lockMade = false;
        const int fd = OpenLock(lockPath, lockMade);
        if (fd < 0) continue;
        if (!TryLock(fd) || !StillNamed(fd, lockPath)) {
            ::close(fd);  // its program runs, or another one has just taken it
            continue;
        }
        RecoveryRecord record;
        switch (ReadLeftFile(path, record)) {
            case LeftFile::Gone: RemoveLocked(fd, lockPath); break;
            case LeftFile::Damaged:
                found.putAside |= MoveToDamaged(path);
                RemoveLocked(fd, lockPath);
                break;
            case LeftFile::Whole:
                found.offers.push_back(
                    LeftRecovery(fd, lockPath, lockMade, path, std::move(record)));
                break;
        }
    }
    for (const std::string& lockPath : lockOnly) {
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) continue;
        if (TryLock(fd) && StillNamed(fd, lockPath))
            RemoveLocked(fd, lockPath);
        else
            ::close(fd);
    }
    std::stable_sort(found.offers.begin(), found.offers.end(),
                     [](const LeftRecovery& a, const LeftRecovery& b) {
                         return a.Record().written > b.Record().written;
                     });
    return found;
}

}  // namespace zav
