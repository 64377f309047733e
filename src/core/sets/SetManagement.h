// Copy, move and delete of a whole set: the set file and every sheet file it
// lists, so that no set file is ever left naming sheets that are elsewhere.
#pragma once

#include <string>

#include "texts/Reporter.h"

namespace zav {

enum class SetOperation { Delete, Copy, Move };

// Copies one file of at most 32000 bytes (a sheet file of the program's own
// layout up to the sheet reader's larger limit), replacing the target.
// True when copied; false after its message (cannot open, too long, cannot
// create, write error); nothing is written when the source cannot be read.
[[nodiscard]] bool CopyFileA(const std::string& source, const std::string& target,
                             const Reporter& reporter);

// True when the operation may go on: no file at `path`, or the user agreed
// to replace it ("Score sheet set already exists..."); false when the user
// declined.
[[nodiscard]] bool TestCibleExist(const std::string& path, const Reporter& reporter);

// Whether the two paths name the same folder (however they are written).
bool IsSameFolder(const std::string& a, const std::string& b);

// Carries out the operation on the set file at setPath and its sheets, the
// sheets first and the set file last; targetFolder serves copy and move.
// Copy and move ask before replacing a set file of the same name in the
// target folder and stop at the first failed copy, leaving the files handled
// so far as they are. Files that cannot be deleted (a delete, or the sources
// of a move) are named in one message. True when everything was done; false
// after a message, or when the user declined.
[[nodiscard]] bool TraiteSetSheet(SetOperation code, const std::string& setPath,
                                  const std::string& targetFolder, const Reporter& reporter);

// Copy or move with the refusal of a target that is the set's own folder
// ("Sorry, it is impossible..."); otherwise TraiteSetSheet.
[[nodiscard]] bool CopyOrMoveSet(SetOperation code, const std::string& setPath,
                                 const std::string& targetFolder, const Reporter& reporter);

// Where the set that was open before an operation on the set at
// `operatedSet` is to be opened again: where it was, unless the operation
// moved it (in `targetFolder` then) or deleted it (empty: nothing to open).
// `done` tells whether the operation was carried out.
std::string OpenSetAfter(SetOperation code, bool done, const std::string& openSet,
                         const std::string& operatedSet, const std::string& targetFolder);

// The success message of an operation ("Score sheet set correctly ...").
const std::string& SetOperationDone(SetOperation code, Language language);

}  // namespace zav
