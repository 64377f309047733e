#include "io/FileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <filesystem>

#include "io/FileRead.h"

namespace zav {
namespace {

namespace fs = std::filesystem;

// The file that will be replaced: symbolic links are followed, relative ones
// from their own folder, so that the link itself survives the rename; one
// naming a file not yet there has that file created.
fs::path TargetOf(const std::string& path) {
    constexpr int kMaxLinks = 40;  // the system's own limit on a chain of links
    fs::path target(path);
    for (int link = 0; link < kMaxLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(target, error)) break;
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

// Write-protected: no write permission for anyone (which root would ignore),
// or none for us.
bool IsWriteProtected(const std::string& path, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

// The new file takes the old one's owner and group where we may give them
// (root may; a user may give a group he belongs to), then its permission
// bits, so that a save neither opens up nor takes over a file.
bool TakeOverOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Neither could be given: the file stays ours, in our group.
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new, uniquely named file beside `target`; -1 when none can be created.
int CreateSibling(const fs::path& target, std::string& siblingPath) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem =
        "." + target.filename().string() + ".saving-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        siblingPath = (folder / (stem + std::to_string(attempt))).string();
        const int fd = ::open(siblingPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileReplacement::~FileReplacement() {
    Abandon();
}

ReplaceResult FileReplacement::Open(const std::string& path, Links links) {
    Abandon();
    target_ = links == Links::Follow ? TargetOf(path).string() : path;
    failed_ = false;
    struct stat old {};
    replaces_ = ::lstat(target_.c_str(), &old) == 0;
    if (replaces_ && S_ISLNK(old.st_mode) && links == Links::Follow)
        replaces_ = ::stat(target_.c_str(), &old) == 0;  // a link past the system's limit
    // A link replaced is no file of the user's: the new file is made anew.
    const bool replacesFile = replaces_ && !S_ISLNK(old.st_mode);
    if (replacesFile && !S_ISREG(old.st_mode)) return ReplaceResult::CreateFailed;
    if (replacesFile && IsWriteProtected(target_, old)) return ReplaceResult::ReadOnly;
    fd_ = CreateSibling(fs::path(target_), sibling_);
    if (fd_ < 0) return replaces_ ? ReplaceResult::NoFileBeside : ReplaceResult::CreateFailed;
    stage_ = Stage::Writing;
    if (replacesFile && !TakeOverOwnerAndMode(fd_, old)) {
        Abandon();
        return ReplaceResult::CreateFailed;
    }
    return ReplaceResult::Done;
}

bool FileReplacement::Append(std::string_view bytes) {
    if (stage_ != Stage::Writing || failed_) return false;
    failed_ = !WriteAll(fd_, bytes);
    return !failed_;
}

ReplaceResult FileReplacement::Finish() {
    if (stage_ == Stage::Finished) return ReplaceResult::Done;
    if (stage_ != Stage::Writing) return ReplaceResult::CreateFailed;
    // fsync before the rename: after a crash the name holds either the old
    // contents or the complete new ones.
    bool written = !failed_ && ::fsync(fd_) == 0;
    written = ::close(fd_) == 0 && written;
    fd_ = -1;
    stage_ = Stage::Finished;
    if (written) return ReplaceResult::Done;
    Abandon();
    return ReplaceResult::WriteFailed;
}

ReplaceResult FileReplacement::FinishBy(const std::function<bool(const std::string&)>& write) {
    if (stage_ != Stage::Writing) return ReplaceResult::CreateFailed;
    // The writer opens the file by its name; it keeps the owner and
    // permissions given to it when it writes over it.
    ::close(fd_);
    fd_ = -1;
    if (!write(sibling_) || (fd_ = ::open(sibling_.c_str(), O_WRONLY | O_CLOEXEC)) < 0) {
        Abandon();
        return ReplaceResult::WriteFailed;
    }
    return Finish();
}

ReplaceResult FileReplacement::PutInPlace() {
    if (stage_ != Stage::Finished) return ReplaceResult::CreateFailed;
    if (::rename(sibling_.c_str(), target_.c_str()) != 0) {
        Abandon();
        return ReplaceResult::CreateFailed;
    }
    stage_ = Stage::Closed;
    return ReplaceResult::Done;
}

ReplaceResult FileReplacement::Commit() {
    const ReplaceResult finished = Finish();
    return finished == ReplaceResult::Done ? PutInPlace() : finished;
}

void FileReplacement::Abandon() {
    if (stage_ == Stage::Closed) return;
    if (fd_ >= 0) ::close(fd_);
    ::unlink(sibling_.c_str());
    fd_ = -1;
    stage_ = Stage::Closed;
}

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes, Links links) {
    FileReplacement file;
    const ReplaceResult opened = file.Open(path, links);
    if (opened != ReplaceResult::Done) return opened;
    // A failed append is reported by Commit.
    static_cast<void>(file.Append(bytes));
    return file.Commit();
}

ReplaceResult ReplaceFileBy(const std::string& path,
                            const std::function<bool(const std::string&)>& write) {
    FileReplacement file;
    const ReplaceResult opened = file.Open(path);
    if (opened != ReplaceResult::Done) return opened;
    const ReplaceResult written = file.FinishBy(write);
    return written == ReplaceResult::Done ? file.PutInPlace() : written;
}

GroupResult ReplaceFilesTogether(const std::vector<FileContents>& files) {
    // Each new file is finished (and closed) before the next is opened, so a
    // large set never holds more than one file open.
    std::deque<FileReplacement> replacements;
    for (const FileContents& file : files) {
        FileReplacement& replacement = replacements.emplace_back();
        ReplaceResult result = replacement.Open(file.path);
        if (result == ReplaceResult::Done) {
            static_cast<void>(replacement.Append(file.bytes));  // reported by Finish
            result = replacement.Finish();
        }
        if (result != ReplaceResult::Done) return {result, file.path};
    }
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        if (replacements[i].PutInPlace() == ReplaceResult::Done) continue;
        for (std::size_t placed = 0; placed < i; ++placed)
            if (!replacements[placed].ReplacesAFile())
                ::unlink(replacements[placed].Target().c_str());
        return {ReplaceResult::CreateFailed, files[i].path};
    }
    return {};
}

bool ReportWrite(ReplaceResult result, const std::string& path, const Reporter& reporter) {
    switch (result) {
        case ReplaceResult::Done: return true;
        case ReplaceResult::CreateFailed:
            reporter.Show(MessageIcon::Information, TextId::ErrorCreating, path);
            return false;
        case ReplaceResult::NoFileBeside:
            reporter.Show(MessageIcon::Information, TextId::NoFileBeside, path);
            return false;
        case ReplaceResult::WriteFailed:
        case ReplaceResult::ReadOnly: break;
    }
    reporter.Show(MessageIcon::Information, TextId::ErrorWriting, path);
    return false;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, const Reporter& reporter,
                    Links links) {
    return ReportWrite(ReplaceFileContents(path, bytes, links), path, reporter);
}

FileUpdate UpdateWholeFile(const std::string& path, std::string_view bytes, Rewrite rewrite,
                           Links links, const Reporter& reporter) {
    struct stat info {};
    const bool linkToReplace =
        links == Links::Replace && ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    if (rewrite == Rewrite::OnlyChanges && !linkToReplace) {
        std::string current;
        // A longer file is too long for this limit, and so differs.
        if (ReadFileBytes(path, current, bytes.size()).status == ReadStatus::Done &&
            current == bytes)
            return FileUpdate::Unchanged;
    }
    return WriteWholeFile(path, bytes, reporter, links) ? FileUpdate::Written : FileUpdate::Failed;
}

}  // namespace zav
