// Whole-file reads with the program's messages, shared by the SIF reader and
// the set file reader (writes: sheetfile/SafeFile.h).
#pragma once

#include <cstddef>
#include <string>

#include "texts/Messages.h"

namespace zav {

// No size limit for ReadWholeFile.
constexpr std::size_t kNoSizeLimit = 0;

// Reads the regular file at `path` into `bytes`. Returns 0 on success; 1 after
// "Error while opening file" (the file cannot be opened or is no regular
// file), after "File too long" (longer than maxBytes, unless kNoSizeLimit), or
// silently when the read itself fails.
int ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes, int wxLanguage,
                  MessageSink& messages);

}  // namespace zav
