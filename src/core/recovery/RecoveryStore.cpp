#include "recovery/RecoveryStore.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "io/FileRead.h"
#include "io/FileWrite.h"
#include "io/Paths.h"
#include "paths/UserFolders.h"
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

LeftRecovery::LeftRecovery(FileLock lock, std::string recoveryPath, RecoveryRecord record)
    : lock_(std::move(lock)), recoveryPath_(std::move(recoveryPath)), record_(std::move(record)) {}

void LeftRecovery::Discard() {
    if (!lock_.IsHeld()) return;
    RemoveFile(recoveryPath_);
    lock_.RemoveAndRelease();
}

std::vector<LeftRecovery> TakeLeftRecoveries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<LeftRecovery> left;
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
        // same file, and only one of them holds it.
        // Not held when its program runs, or another one has just taken it.
        FileLock lock = FileLock::Take(lockPath, true);
        if (!lock.IsHeld()) continue;
        std::string bytes;
        RecoveryRecord record;
        if (ReadFileBytes(path, bytes, kMaxRecoveryBytes).status != ReadStatus::Done) {
            // Taken and removed by another program since the listing.
            if (!Exists(path)) lock.RemoveAndRelease();
        } else if (ParseRecoveryFile(bytes, record)) {
            left.push_back(LeftRecovery(std::move(lock), path, std::move(record)));
        }
    }
    for (const std::string& lockPath : lockOnly) {
        FileLock::Take(lockPath, false).RemoveAndRelease();
    }
    std::stable_sort(left.begin(), left.end(), [](const LeftRecovery& a, const LeftRecovery& b) {
        return a.Record().written < b.Record().written;
    });
    return left;
}

}  // namespace zav
