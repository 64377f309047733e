#include "io/FileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "io/FileRead.h"

namespace zav {
namespace {

namespace fs = std::filesystem;

// The file that will be replaced: a symbolic link is followed so that the link
// itself survives the rename.
fs::path TargetOf(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path resolved = fs::weakly_canonical(path, error);
        if (!error) return resolved;
    }
    return fs::path(path);
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

bool FileReplacement::Open(const std::string& path) {
    Abandon();
    target_ = TargetOf(path).string();
    failed_ = false;
    fd_ = CreateSibling(fs::path(target_), sibling_);
    return fd_ >= 0;
}

bool FileReplacement::Append(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    failed_ = !WriteAll(fd_, bytes);
    return !failed_;
}

ReplaceResult FileReplacement::Commit() {
    if (fd_ < 0) return ReplaceResult::CreateFailed;
    // fsync before the rename: after a crash the name holds either the old
    // contents or the complete new ones.
    bool written = !failed_ && ::fsync(fd_) == 0;
    written = ::close(fd_) == 0 && written;
    fd_ = -1;
    if (!written) {
        ::unlink(sibling_.c_str());
        return ReplaceResult::WriteFailed;
    }
    if (::rename(sibling_.c_str(), target_.c_str()) != 0) {
        ::unlink(sibling_.c_str());
        return ReplaceResult::CreateFailed;
    }
    return ReplaceResult::Done;
}

void FileReplacement::Abandon() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(sibling_.c_str());
    fd_ = -1;
}

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
    FileReplacement file;
    if (!file.Open(path)) return ReplaceResult::CreateFailed;
    // A failed append is reported by Commit.
    static_cast<void>(file.Append(bytes));
    return file.Commit();
}

bool ReportWrite(ReplaceResult result, const std::string& path, const Reporter& reporter) {
    switch (result) {
        case ReplaceResult::Done: return true;
        case ReplaceResult::CreateFailed:
            reporter.Show(MessageIcon::Information, TextId::ErrorCreating, path);
            return false;
        case ReplaceResult::WriteFailed: break;
    }
    reporter.Show(MessageIcon::Information, TextId::ErrorWriting, path);
    return false;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, const Reporter& reporter) {
    return ReportWrite(ReplaceFileContents(path, bytes), path, reporter);
}

FileUpdate UpdateWholeFile(const std::string& path, std::string_view bytes, Rewrite rewrite,
                           const Reporter& reporter) {
    if (rewrite == Rewrite::OnlyChanges) {
        std::string current;
        // A longer file is too long for this limit, and so differs.
        if (ReadFileBytes(path, current, bytes.size()).status == ReadStatus::Done &&
            current == bytes)
            return FileUpdate::Unchanged;
    }
    return WriteWholeFile(path, bytes, reporter) ? FileUpdate::Written : FileUpdate::Failed;
}

}  // namespace zav
