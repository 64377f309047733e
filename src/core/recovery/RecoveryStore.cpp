#include "recovery/RecoveryStore.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "io/FileRead.h"
#include "io/FileWrite.h"
#include "paths/CreateFolders.h"
#include "paths/PathNames.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"
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

bool Exists(const std::string& path) {
    return InfoOf(path).exists;
}

enum class LeftFile { Whole, Damaged, Gone };

// Looked at before it is opened: opening a FIFO would wait for a writer
// that never comes.
LeftFile ReadLeftFile(const std::string& path, RecoveryRecord& record) {
    const FileInfo info = LinkInfoOf(path);
    if (!info.exists) return LeftFile::Gone;
    if (!info.regular || static_cast<std::size_t>(info.size) > kMaxRecoveryBytes)
        return LeftFile::Damaged;
    std::string bytes;
    if (ReadFileBytes(path, bytes, kMaxRecoveryBytes).status != ReadStatus::Done)
        return Exists(path) ? LeftFile::Damaged : LeftFile::Gone;  // gone: taken by another program
    return ParseRecoveryFile(bytes, record) ? LeftFile::Whole : LeftFile::Damaged;
}

// Moves the file into the damaged folder under a name no earlier file there
// has; true when moved.
bool MoveToDamaged(const std::string& path) {
    const std::filesystem::path file = NativePath(path);
    const std::string damaged = DamagedFolder(Utf8Path(file.parent_path()));
    if (!CreateFolders(damaged)) return false;
    const auto taken = [](const std::string& name) { return LinkInfoOf(name).exists; };
    const std::string name = Utf8Path(file.filename());
    std::string target = PathInFolder(damaged, name);
    for (int n = 2; taken(target) && n < 1000; ++n)
        target = PathInFolder(damaged, name + "-" + std::to_string(n));
    return MoveOver(path, target) == MoveResult::Done;
}

}  // namespace

std::unique_ptr<RecoverySession> RecoverySession::Start(const std::string& folder) {
    if (!CreateFolders(folder)) return nullptr;
    const std::string pid = std::to_string(ProcessId());
    for (int n = 0; n < 1000; ++n) {
        const std::string id =
            PathInFolder(folder, std::string(kPrefix) + pid + "-" + std::to_string(n));
        bool nameTaken = false;
        FileLock lock = FileLock::CreateNew(id + std::string(kLockExtension), nameTaken);
        if (lock.IsHeld())
            return std::unique_ptr<RecoverySession>(
                new RecoverySession(std::move(lock), id + std::string(kRecoveryExtension)));
        if (!nameTaken) break;
    }
    return nullptr;
}

RecoverySession::RecoverySession(FileLock lock, std::string recoveryPath)
    : lock_(std::move(lock)), recoveryPath_(std::move(recoveryPath)) {}

RecoverySession::~RecoverySession() {
    if (!Exists(recoveryPath_)) lock_.RemoveAndRelease();
}

bool RecoverySession::Write(const RecoveryRecord& record) {
    return ReplaceFileContents(recoveryPath_, RecoveryFileBytes(record)) == ReplaceResult::Done;
}

void RecoverySession::Remove() {
    RemoveFile(recoveryPath_);
}

LeftRecovery::LeftRecovery(FileLock lock, bool lockMade, std::string recoveryPath,
                           RecoveryRecord record)
    : lock_(std::move(lock)),
      lockMade_(lockMade),
      recoveryPath_(std::move(recoveryPath)),
      record_(std::move(record)) {}

LeftRecovery& LeftRecovery::operator=(LeftRecovery&& other) noexcept {
    if (this != &other) {
        Release();
        lock_ = std::move(other.lock_);
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
    if (lockMade_)
        lock_.RemoveAndRelease();
    else
        lock_.Release();
}

std::time_t LeftRecovery::SheetSavedSince() const {
    return SavedSince(record_, InfoOf(recoveryPath_).modified);
}

void LeftRecovery::Discard() {
    if (!lock_.IsHeld()) return;
    RemoveFile(recoveryPath_);
    lock_.RemoveAndRelease();
}

void LeftRecovery::PutAside() {
    if (!lock_.IsHeld()) return;
    MoveToDamaged(recoveryPath_);
    lock_.RemoveAndRelease();
}

std::string DamagedFolder(const std::string& folder) {
    return PathInFolder(folder, "damaged");
}

LeftRecoveries TakeLeftRecoveries(const std::string& folder) {
    namespace fs = std::filesystem;
    LeftRecoveries found;
    std::vector<std::string> lockOnly;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(NativePath(folder), error)) {
        const std::string name = Utf8Path(entry.path().filename());
        // Not files being written or started, nor other files of the program.
        if (name.compare(0, kPrefix.size(), kPrefix) != 0) continue;
        const std::string path = Utf8Path(entry.path());
        if (EndsWith(name, kLockExtension)) {
            const std::string stem = path.substr(0, path.size() - kLockExtension.size());
            if (!Exists(stem + std::string(kRecoveryExtension))) lockOnly.push_back(path);
            continue;
        }
        if (!EndsWith(name, kRecoveryExtension)) continue;
        const std::string lockPath =
            path.substr(0, path.size() - kRecoveryExtension.size()) + std::string(kLockExtension);
        // Made when missing: a program that takes its lock later finds the
        // same file, and only one of them holds it. Not held when its program
        // runs, or another one has just taken it.
        bool lockMade = false;
        FileLock lock = FileLock::Take(lockPath, true, &lockMade);
        if (!lock.IsHeld()) continue;
        RecoveryRecord record;
        switch (ReadLeftFile(path, record)) {
            case LeftFile::Gone: lock.RemoveAndRelease(); break;
            case LeftFile::Damaged:
                found.putAside |= MoveToDamaged(path);
                lock.RemoveAndRelease();
                break;
            case LeftFile::Whole:
                found.offers.push_back(
                    LeftRecovery(std::move(lock), lockMade, path, std::move(record)));
                break;
        }
    }
    for (const std::string& lockPath : lockOnly) {
        FileLock::Take(lockPath, false).RemoveAndRelease();
    }
    std::stable_sort(found.offers.begin(), found.offers.end(),
                     [](const LeftRecovery& a, const LeftRecovery& b) {
                         return a.Record().written > b.Record().written;
                     });
    return found;
}

}  // namespace zav
