// What a recovery file holds: the sheet with unsaved changes, in the sheet
// file format, and where it belongs (its own file's folder and name, and the
// set file when it is a sheet of a set) with the time it was written, so that
// a restored sheet is saved where it belongs.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

struct RecoveryRecord {
    std::string folder;   // the folder and name of the sheet's own file;
    std::string name;     // empty for a sheet never saved
    std::string setFile;  // the set file of a sheet of a set, else empty
    std::time_t written = 0;
    std::string sheetBytes;  // the sheet, as its file would hold it

    // The sheet's own file; empty for a sheet never saved.
    std::string SheetFile() const;
};

// The record of `sheet` with unsaved changes at `when`, the sheet written in
// `language`.
RecoveryRecord RecoveryRecordOf(const ScoreSheet& sheet, Language language, std::time_t when);

// The file carries the length and a checksum of the sheet, so that one cut
// short or damaged is never taken for whole.
std::string RecoveryFileBytes(const RecoveryRecord& record);
// False when `bytes` are not a whole recovery file of a version this program
// reads.
[[nodiscard]] bool ParseRecoveryFile(std::string_view bytes, RecoveryRecord& record);

// When the sheet's own file was written after the recovery file, whose own
// file time is `recoveryWritten` (another window or program saved newer work
// there): the time of that write; 0 when it was not, or the sheet has no
// file. File times are compared with file times: the clock a file system
// stamps with may run ahead of the seconds a program reads.
std::time_t SavedSince(const RecoveryRecord& record, std::time_t recoveryWritten);

// The question asked at start-up: "Restore the unsaved changes of SHEET from
// TIME?", naming the sheet by its file, else by its title, else as a new
// sheet, and the time in local time. When the sheet's file was saved since
// (`savedAt`, else 0), the question says so, with both times to the second.
std::string RecoveryOffer(const RecoveryRecord& record, std::string_view title, std::time_t savedAt,
                          Language language);

}  // namespace zav
