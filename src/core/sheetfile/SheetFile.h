// The score sheet file (.score, and .pscore for a sheet of a set): one fixed
// layout written line by line, read back by a tag scanner.
#pragma once

#include <string>
#include <string_view>

#include "sheet/ScoreSheet.h"
#include "texts/Messages.h"

namespace zav {

// Files longer than this are refused when read: a sheet file is small and
// anything bigger is not one of ours.
constexpr std::size_t kMaxSheetFileBytes = 32000;

// Writes the sheet; the language code written is that of wxLanguage. Returns
// 0 on success (an empty path writes nothing), 1 after reporting a failure.
// The previous file at `path` is replaced only by a completely written one.
int SaveSheet(const ScoreSheet& sheet, const std::string& path, int wxLanguage,
              MessageSink& messages);

// The file's bytes as SaveSheet writes them.
std::string SheetFileBytes(const ScoreSheet& sheet, int wxLanguage);

// Resets the sheet and reads the file into it, translating catalogue game
// names into wxLanguage. Returns 0 on success, 1 after reporting a failure
// (a failed read leaves the sheet reset). Does not compute scores and does not
// touch the file identity fields other than the set marker.
int LoadSheet(ScoreSheet& sheet, const std::string& path, int wxLanguage, MessageSink& messages);

// The reading rules applied to bytes already in memory (LoadSheet after the
// file is read; also the fuzzing entry point).
int ParseSheet(ScoreSheet& sheet, std::string_view bytes, int wxLanguage, MessageSink& messages);

}  // namespace zav
