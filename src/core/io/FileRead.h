// Reading a whole file into memory, within a size limit, with the program's
// messages for a file that cannot be read.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "texts/Reporter.h"

namespace zav {

inline constexpr std::size_t kNoSizeLimit = static_cast<std::size_t>(-1);

enum class ReadStatus {
    Done,
    OpenFailed,  // cannot be opened, or is no regular file
    TooLong,     // longer than its limit
    ReadFailed,  // a read failed half-way
};

struct FileRead {
    ReadStatus status = ReadStatus::Done;
    long long length = 0;  // the file's length, as a too long file is reported
};

// The size limit of a file, from its first bytes.
using SizeLimitOf = std::function<std::size_t(std::string_view head)>;

// Reads the regular file at `path` into `bytes` (left empty unless Done). The
// limit comes from the first `headBytes` bytes; a file that grows past it
// while being read is too long as well.
FileRead ReadFileBytes(const std::string& path, std::string& bytes, std::size_t headBytes,
                       const SizeLimitOf& limitOf);
// The same with one limit for every file (kNoSizeLimit: none).
FileRead ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes);

// The program's message for a failed read, with that icon: "Error while
// opening file" naming `path`, or "File too long"; a read that failed half-way
// says nothing. True when the read was done.
[[nodiscard]] bool ReportRead(const FileRead& read, const std::string& path,
                              const Reporter& reporter, MessageIcon icon = MessageIcon::Error);

// ReadFileBytes with the program's messages; true when read.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                                 const Reporter& reporter);

}  // namespace zav
