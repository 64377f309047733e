#include "io/FileRead.h"

#include <algorithm>

#include "platform/NativeFile.h"

namespace zav {
namespace {

// Reads until `out` holds `wanted` bytes or the file ends; false on error.
bool ReadUpTo(NativeFile& file, std::string& out, std::size_t wanted) {
    while (out.size() < wanted) {
        char buffer[16384];
        const std::size_t chunk = std::min(sizeof buffer, wanted - out.size());
        const long long got = file.Read(buffer, chunk);
        if (got < 0) return false;
        if (got == 0) break;
        out.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

FileRead Read(const std::string& path, std::string& bytes, std::size_t headBytes,
              const SizeLimitOf& limitOf) {
    NativeFile file(path, NativeFile::Mode::Read);
    if (!file.IsOpen() || !file.IsRegular()) return {ReadStatus::OpenFailed, 0};
    const long long length = file.Size();
    if (!ReadUpTo(file, bytes, headBytes)) return {ReadStatus::ReadFailed, length};
    const std::size_t limit = limitOf(bytes);
    if (static_cast<unsigned long long>(length) > limit) return {ReadStatus::TooLong, length};
    // One byte past the limit tells a file that grew from one that fits.
    bytes.reserve(static_cast<std::size_t>(length));
    if (!ReadUpTo(file, bytes, limit == kNoSizeLimit ? limit : limit + 1))
        return {ReadStatus::ReadFailed, length};
    if (bytes.size() > limit) return {ReadStatus::TooLong, static_cast<long long>(bytes.size())};
    return {ReadStatus::Done, length};
}

}  // namespace

FileRead ReadFileBytes(const std::string& path, std::string& bytes, std::size_t headBytes,
                       const SizeLimitOf& limitOf) {
    bytes.clear();
    const FileRead read = Read(path, bytes, headBytes, limitOf);
    if (read.status != ReadStatus::Done) bytes.clear();
    return read;
}

FileRead ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    return ReadFileBytes(path, bytes, 0, [maxBytes](std::string_view) { return maxBytes; });
}

bool ReportRead(const FileRead& read, const std::string& path, const Reporter& reporter,
                MessageIcon icon) {
    switch (read.status) {
        case ReadStatus::Done: return true;
        case ReadStatus::OpenFailed: reporter.Show(icon, TextId::ErrorOpening, path); break;
        case ReadStatus::TooLong:
            reporter.Show(icon, TextId::FileTooLong, static_cast<long>(read.length));
            break;
        case ReadStatus::ReadFailed: break;
    }
    return false;
}

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   const Reporter& reporter) {
    return ReportRead(ReadFileBytes(path, bytes, maxBytes), path, reporter);
}

}  // namespace zav
