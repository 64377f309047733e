// Replacing a file's contents without ever leaving it half written: a failed
// save (full disk, removed stick, read-only folder) keeps the previous file.
#pragma once

#include <string>
#include <string_view>

#include "texts/Messages.h"

namespace zav {

enum class ReplaceResult {
    Done,
    CreateFailed,  // the new file could not be created or put in place
    WriteFailed,   // a write, the flush to disk or the close failed
};

// Writes `bytes` to a new file in the target's folder, checks every write and
// the close, then renames it over `path` (over the file a symbolic link names,
// keeping the link). The new file is readable and writable by all, as far as
// the umask allows. On failure the new file is removed and `path` is as before.
ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes);

// ReplaceFileContents with the program's messages. Returns 0 on success; 1
// after "Error while creating file" or "Error writing file", with the previous
// file at `path` left as it was.
int WriteWholeFile(const std::string& path, std::string_view bytes, int wxLanguage,
                   MessageSink& messages);

}  // namespace zav
