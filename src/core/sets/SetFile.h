// The set file (.mscore): the list of the sheet files (.pscore) of a set,
// kept beside them in one folder and naming them without folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/ScoreSheet.h"
#include "texts/Reporter.h"

namespace zav {

constexpr std::size_t kMaxSetFileBytes = 32000;
constexpr std::size_t kMaxSetEntries = 100;

// The set file listing these sheet file names, in order. Written in
// Windows-1252 and declared "iso-8859-1" when every name has a Windows-1252
// form, otherwise in UTF-8 and declared so.
std::string SetFileBytes(const std::vector<std::string>& sheetFileNames);

// Whether the set file is read for opening (it must name its encoding) or
// for copy, move and delete (it need not).
enum class EncodingMark { Required, NotRequired };

// The sheet file names of a set file's bytes, at most the first 100 entries,
// in file order, as UTF-8. Refuses with "Unknown encoding format." a text
// without "<zavscore" or "<file>" (or without "UTF-8" or "iso-8859-1" when
// the mark is required) or without any sheet. Entries that are empty, not a
// bare file name (which could reach files outside the set's folder) or the
// set file's own name `setFileName` are skipped, named in one message. True
// when read.
[[nodiscard]] bool ParseSetFile(std::string_view bytes, EncodingMark mark,
                                std::string_view setFileName, std::vector<std::string>& names,
                                const Reporter& reporter);

// Reads the set file (at most 32000 bytes) and parses it. True when read;
// false after its message.
[[nodiscard]] bool ReadSetFile(const std::string& path, EncodingMark mark,
                               std::vector<std::string>& names, const Reporter& reporter);

// Splits a full path at its last "/" (not counting one at the very start)
// into the folder and the file name; both are empty for a path without one.
struct PathParts {
    std::string sFilePath;
    std::string sFileName;
};
PathParts DecodePathFile(std::string_view path);
// The same, into the sheet's file identity.
void DecodePathFile(std::string_view path, ScoreSheet& sheet);

// The opening of a set as far as the core goes: reads the set file (mark
// required), reads its first sheet into `sheet` (a failure there is reported
// by the sheet reader and does not stop the opening), and sets the set
// identity: sMultiFileOpen and sFilePath to the first sheet's file,
// sMScoreOpen to `path`, bScoreSet. `names` receives the sheet file names in
// set file order for the sheet chooser. True when the set file was read;
// false after its message, with the sheet and `names` untouched.
[[nodiscard]] bool LoadSetSheet(ScoreSheet& sheet, const std::string& path,
                                std::vector<std::string>& names, const Reporter& reporter);

// A sheet of a set as the window title names it: its file name without the
// set's name before it and without ".pscore" ("777_Minime 1.pscore" of
// "777.mscore" is "Minime 1").
std::string SetSheetTitle(const std::string& setFileName, const std::string& sheetFileName);

// Moving to another sheet of the open set: reads the sheet file `name`, as
// the set file lists it, from the folder of sMScoreOpen. sMultiFileOpen and
// sFilePath become its path and bScoreSet stays set even when the file lacks
// the set marker, so that the sheet is always saved back to its own file and
// never to the set file. The sheet reader's result (a failed read leaves the
// sheet reset, after its message).
[[nodiscard]] bool LoadSheetOfSet(ScoreSheet& sheet, const std::string& name,
                                  const Reporter& reporter);

}  // namespace zav
