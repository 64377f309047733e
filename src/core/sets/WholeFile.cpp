#include "sets/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "texts/Texts.h"

namespace zav {

namespace {
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};
}  // namespace

int ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes, int wxLanguage,
                  MessageSink& messages) {
    bytes.clear();
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        messages.ShowMessage(FormatText(Text(wxLanguage, txt::kErrorOpening), path),
                             MessageIcon::Error);
        return 1;
    }
    const auto length = static_cast<std::size_t>(info.st_size);
    if (maxBytes != kNoSizeLimit && length > maxBytes) {
        messages.ShowMessage(
            FormatText(Text(wxLanguage, txt::kFileTooLong), static_cast<long>(info.st_size)),
            MessageIcon::Error);
        return 1;
    }
    bytes.resize(length);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::read(file.get(), &bytes[done], length - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    if (done != length) {
        bytes.clear();
        return 1;
    }
    return 0;
}

}  // namespace zav
