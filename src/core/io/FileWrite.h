// Writing a file without ever leaving it half written: the new contents go to
// a new file in the target's folder, every write and the close are checked,
// and only a complete file is renamed over the target. A failed save (full
// disk, removed stick, read-only folder) keeps the previous file.
#pragma once

#include <string>
#include <string_view>

#include "texts/Reporter.h"

namespace zav {

enum class ReplaceResult {
    Done,
    CreateFailed,  // the new file could not be created or put in place
    WriteFailed,   // a write, the flush to disk or the close failed
};

// A replacement being written. Open it, Append the pieces, then Commit; one
// that is destroyed or abandoned before Commit leaves the target as it was.
// The new file is readable and writable by all, as far as the umask allows;
// a target that is a symbolic link keeps the link and replaces its file.
class FileReplacement {
public:
    FileReplacement() = default;
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when the new file cannot be created.
    [[nodiscard]] bool Open(const std::string& path);
    // False when the write failed; later appends then fail too.
    [[nodiscard]] bool Append(std::string_view bytes);
    // Flushes to disk, closes and renames over the target.
    [[nodiscard]] ReplaceResult Commit();
    // Removes the new file; the target is as it was.
    void Abandon();

private:
    int fd_ = -1;
    bool failed_ = false;
    std::string target_;
    std::string sibling_;
};

// The whole contents at once.
[[nodiscard]] ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes);

// The program's message for a failed replacement: "Error while creating file"
// or "Error writing file" naming `path`. True when it was done.
[[nodiscard]] bool ReportWrite(ReplaceResult result, const std::string& path,
                               const Reporter& reporter);

// ReplaceFileContents with the program's messages; true when done.
[[nodiscard]] bool WriteWholeFile(const std::string& path, std::string_view bytes,
                                  const Reporter& reporter);

// Whether a file that already holds the bytes to be written is written again.
enum class Rewrite { Always, OnlyChanges };

enum class FileUpdate { Written, Unchanged, Failed };

// WriteWholeFile, except that with Rewrite::OnlyChanges a file already holding
// exactly `bytes` is left untouched and keeps its date: whoever watches the
// folder (a web server, a synchronised folder) sees only what changed.
[[nodiscard]] FileUpdate UpdateWholeFile(const std::string& path, std::string_view bytes,
                                         Rewrite rewrite, const Reporter& reporter);

}  // namespace zav
