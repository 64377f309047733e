#include "sheetfile/SafeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "texts/Texts.h"

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

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const fs::path target = TargetOf(path);
    std::string sibling;
    const int fd = CreateSibling(target, sibling);
    if (fd < 0) return ReplaceResult::CreateFailed;

    // fsync before the rename: after a crash the name holds either the old
    // contents or the complete new ones.
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(sibling.c_str());
        return ReplaceResult::WriteFailed;
    }
    if (::rename(sibling.c_str(), target.c_str()) != 0) {
        ::unlink(sibling.c_str());
        return ReplaceResult::CreateFailed;
    }
    return ReplaceResult::Done;
}

int WriteWholeFile(const std::string& path, std::string_view bytes, int wxLanguage,
                   MessageSink& messages) {
    switch (ReplaceFileContents(path, bytes)) {
        case ReplaceResult::Done: return 0;
        case ReplaceResult::CreateFailed:
            messages.ShowMessage(FormatText(Text(wxLanguage, txt::kErrorCreating), path),
                                 MessageIcon::Information);
            return 1;
        case ReplaceResult::WriteFailed: break;
    }
    messages.ShowMessage(FormatText(Text(wxLanguage, txt::kErrorWriting), path),
                         MessageIcon::Information);
    return 1;
}

}  // namespace zav
