// The score sheet file (.score, and .pscore for a sheet of a set): one fixed
// layout written line by line, read back by a tag scanner.
#pragma once

#include <string>
#include <string_view>

#include "sheet/ScoreSheet.h"
#include "texts/Reporter.h"

namespace zav {

// Files longer than this are refused when read: a sheet file is small and
// anything bigger is most likely not a sheet at all.
constexpr std::size_t kMaxSheetFileBytes = 32000;

// A file that begins exactly as SheetFileBytes begins one (its declaration and
// root element lines) is one of ours and may be this long. Long texts, the
// UTF-8 form and escaping can take our own file past kMaxSheetFileBytes, and
// a file we wrote must always read back. The bound stays above anything the
// writer can produce from a sheet that came through the dialogs (under
// 100 KB) or through this reader from any file within the limits (80 text
// fields, each at most 32000 source bytes growing at most five times when
// written: 12.8 MB).
constexpr std::size_t kMaxOwnSheetFileBytes = 16 * 1024 * 1024;

// Points, places, rules and tie-break positions are read within plus or
// minus this: far beyond any heat (at most 10 teams, 11 points), and small
// enough that no score computed from them can overflow.
constexpr int kMaxSheetNumber = 9999;

// How many leading bytes SheetFileLimit needs to see.
constexpr std::size_t kSheetFileHeadBytes = 256;

// The size limit for a file whose first bytes are `head`.
std::size_t SheetFileLimit(std::string_view head);

// Writes the sheet; the language code written is the reporter's language.
// True when written (an empty path writes nothing and is no failure); false
// after reporting the failure. The previous file at `path` is replaced only
// by a completely written one.
[[nodiscard]] bool SaveSheet(const ScoreSheet& sheet, const std::string& path,
                             const Reporter& reporter);

// The file's bytes as SaveSheet writes them: Windows-1252 declared
// "iso-8859-1" when every character has a Windows-1252 byte, else UTF-8
// declared "UTF-8". Texts have "&", "<" and ">" escaped.
std::string SheetFileBytes(const ScoreSheet& sheet, Language language);

// Reads a sheet file's bytes within the size limit its first bytes allow
// (SheetFileLimit). True when read; false after reporting a path that is no
// readable regular file or a file too long, or without a message when a read
// fails half-way.
[[nodiscard]] bool ReadSheetBytes(const std::string& path, std::string& bytes,
                                  const Reporter& reporter);

// Resets the sheet and reads the file into it, translating catalogue game
// names into the reporter's language. True when read; false after reporting
// the failure (a failed read leaves the sheet reset). Does not compute scores
// and does not touch the file identity fields other than the set marker.
[[nodiscard]] bool LoadSheet(ScoreSheet& sheet, const std::string& path, const Reporter& reporter);

// The reading rules applied to bytes already in memory (LoadSheet after the
// file is read; also the fuzzing entry point).
[[nodiscard]] bool ParseSheet(ScoreSheet& sheet, std::string_view bytes, const Reporter& reporter);

}  // namespace zav
