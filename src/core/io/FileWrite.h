// Writing a file without ever leaving it half written: the new contents go to
// a new file in the target's folder, every write and the close are checked,
// and only a complete file is renamed over the target. A failed save (full
// disk, removed stick, read-only folder) keeps the previous file.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/NativeFile.h"
#include "texts/Reporter.h"

namespace zav {

enum class ReplaceResult {
    Done,
    CreateFailed,  // the new file could not be created or put in place
    WriteFailed,   // a write, the flush to disk or the close failed
    ReadOnly,      // the file is write-protected: it is left as it is
    NoFileBeside,  // the file's folder takes no new file, so it cannot be replaced safely
    InUse,         // another program holds the file open and the system keeps it so (Windows)
};

// What a target that is a symbolic link has replaced: the file it names (the
// user's own files, where a link is the user's doing), or the link itself (a
// folder served to the public is not where the user keeps files, and a link
// there must never carry a write outside it).
enum class Links { Follow, Replace };

// A replacement being written. Open it, Append the pieces, then Commit (or
// Finish, then PutInPlace); one that is destroyed or abandoned before it is
// put in place leaves the target as it was. A target that is a symbolic link
// is followed or replaced as `Links` says. The new file takes the
// old one's permission bits (and its owner and group, as far as we may give
// them); a new target is readable and writable by all, as far as the umask
// allows. A write-protected file (no write permission for anyone, or none for
// us; on Windows the read-only attribute) is never replaced, even by a user
// whom the system would let.
class FileReplacement {
public:
    FileReplacement() = default;
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Done when the new file was created.
    [[nodiscard]] ReplaceResult Open(const std::string& path, Links links = Links::Follow);
    // False when the write failed; later appends then fail too.
    [[nodiscard]] bool Append(std::string_view bytes);
    // Flushes the new file to disk and closes it; the target is still as it was.
    [[nodiscard]] ReplaceResult Finish();
    // For a writer that writes a file by its name (a PDF from the toolkit):
    // `write` fills the new file at the path it is given and says whether it
    // did; then Finish.
    [[nodiscard]] ReplaceResult FinishBy(const std::function<bool(const std::string&)>& write);
    // Renames the finished file over the target.
    [[nodiscard]] ReplaceResult PutInPlace();
    // Finish, then PutInPlace.
    [[nodiscard]] ReplaceResult Commit();
    // Removes the new file unless it is in place; the target is as it was.
    void Abandon();

    // Whether a file was there to replace when the replacement was opened.
    bool ReplacesAFile() const { return replaces_; }
    const std::string& Target() const { return target_; }

private:
    enum class Stage { Closed, Writing, Finished };
    NativeFile file_;
    Stage stage_ = Stage::Closed;
    bool failed_ = false;
    bool replaces_ = false;
    std::string target_;
    std::string sibling_;
};

// The whole contents at once.
[[nodiscard]] ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes,
                                                Links links = Links::Follow);
// The contents written by `write` to the path it is given (FinishBy).
[[nodiscard]] ReplaceResult ReplaceFileBy(const std::string& path,
                                          const std::function<bool(const std::string&)>& write);

struct FileContents {
    std::string path;
    std::string bytes;
};

// What went wrong with which file of a group.
struct GroupResult {
    ReplaceResult result = ReplaceResult::Done;
    std::string path;
};

// Replaces several files as one: every new file is written and flushed
// before any of them is put in place, in the given order (so the last one
// names the others only once they exist). On a failure the folder is left
// as it was: the new files are removed, and one already put in place that
// had no earlier file is taken away again.
[[nodiscard]] GroupResult ReplaceFilesTogether(const std::vector<FileContents>& files);

// The program's message for a failed replacement: "Error while creating file"
// or "Error writing file" (also for a write-protected file), the folder that
// takes no new file, or the program that holds the file open, naming `path`. True when it was done.
[[nodiscard]] bool ReportWrite(ReplaceResult result, const std::string& path,
                               const Reporter& reporter);

// ReplaceFileContents with the program's messages; true when done.
[[nodiscard]] bool WriteWholeFile(const std::string& path, std::string_view bytes,
                                  const Reporter& reporter, Links links = Links::Follow);

// Whether a file that already holds the bytes to be written is written again.
enum class Rewrite { Always, OnlyChanges };

enum class FileUpdate { Written, Unchanged, Failed };

// WriteWholeFile, except that with Rewrite::OnlyChanges a file already holding
// exactly `bytes` is left untouched and keeps its date: whoever watches the
// folder (a web server, a synchronised folder) sees only what changed. A link
// that Links::Replace replaces is never read, so always replaced.
[[nodiscard]] FileUpdate UpdateWholeFile(const std::string& path, std::string_view bytes,
                                         Rewrite rewrite, Links links, const Reporter& reporter);

}  // namespace zav
