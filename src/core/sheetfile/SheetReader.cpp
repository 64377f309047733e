// Reading a sheet file from disk: the size limits, then the parser.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "sheetfile/SheetFile.h"
#include "sheetfile/SheetTags.h"
#include "texts/Texts.h"

namespace zav {
namespace {

namespace tags = sheettags;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Reads until `out` holds `wanted` bytes or the file ends; false on error.
bool ReadUpTo(int fd, std::string& out, std::size_t wanted) {
    while (out.size() < wanted) {
        char buffer[16384];
        const std::size_t chunk = std::min(sizeof buffer, wanted - out.size());
        const ssize_t got = ::read(fd, buffer, chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) break;
        out.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

enum class FileRead { Done, OpenFailed, TooLong, ReadFailed };

// The whole file within the limit that its first bytes allow; `length` is the
// length to report when the file is too long.
FileRead ReadSheetFile(const std::string& path, std::string& bytes, long long& length) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FileRead::OpenFailed;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileRead::OpenFailed;
    }
    FileRead result = FileRead::Done;
    length = info.st_size;
    if (!ReadUpTo(fd, bytes, kSheetFileHeadBytes)) {
        result = FileRead::ReadFailed;
    } else {
        const std::size_t limit = SheetFileLimit(bytes);
        if (static_cast<unsigned long long>(info.st_size) > limit) {
            result = FileRead::TooLong;
        } else {
            // One byte past the limit tells a file that grew from one that fits.
            bytes.reserve(static_cast<std::size_t>(info.st_size));
            if (!ReadUpTo(fd, bytes, limit + 1)) {
                result = FileRead::ReadFailed;
            } else if (bytes.size() > limit) {
                length = static_cast<long long>(bytes.size());
                result = FileRead::TooLong;
            }
        }
    }
    ::close(fd);
    return result;
}

}  // namespace

std::size_t SheetFileLimit(std::string_view head) {
    const bool ours =
        (StartsWith(head, tags::kDeclarationLatin) || StartsWith(head, tags::kDeclarationUtf8)) &&
        StartsWith(head.substr(head.find('\n') + 1), tags::kRootOpen);
    return ours ? kMaxOwnSheetFileBytes : kMaxSheetFileBytes;
}

int ReadSheetBytes(const std::string& path, std::string& bytes, int wxLanguage,
                   MessageSink& messages) {
    bytes.clear();
    long long length = 0;
    switch (ReadSheetFile(path, bytes, length)) {
        case FileRead::Done: return 0;
        case FileRead::OpenFailed:
            messages.ShowMessage(FormatText(Text(wxLanguage, txt::kErrorOpening), path),
                                 MessageIcon::Error);
            break;
        case FileRead::TooLong:
            messages.ShowMessage(
                FormatText(Text(wxLanguage, txt::kFileTooLong), static_cast<long>(length)),
                MessageIcon::Error);
            break;
        case FileRead::ReadFailed: break;
    }
    return 1;
}

int LoadSheet(ScoreSheet& sheet, const std::string& path, int wxLanguage, MessageSink& messages) {
    std::string bytes;
    if (ReadSheetBytes(path, bytes, wxLanguage, messages) != 0) {
        SetDataToZero(sheet);  // ParseSheet resets the sheet itself
        return 1;
    }
    return ParseSheet(sheet, bytes, wxLanguage, messages);
}

}  // namespace zav
