// The pages of sheets on disk, for a results screen without the window: a
// sheet file, or a set file and its sheets, read again whenever one of them
// is saved.
#pragma once

#include <string>
#include <vector>

#include "arena/ArenaSnapshot.h"
#include "championship/Heats.h"
#include "publish/Publication.h"
#include "texts/Reporter.h"

namespace zav {

// The source's files as they stand: the set file and its sheets' files, or
// the sheet's; read again, the set's list of sheets may have changed.
std::vector<std::string> FollowedFiles(const PublishSource& source, const Reporter& reporter);

// The pages of every sheet, each read and shown as opening it does; a sheet
// that cannot be read is left out (reported). No finish-line entry, no
// screens. The current sheet is the one written last: the heat being run.
// `heats`, when given, receives every sheet read, scored, in the same order.
ArenaSnapshot SnapshotOfFiles(const PublishSource& source, Language language,
                              const PageStyle& style, const Reporter& reporter,
                              std::vector<Heat>* heats = nullptr);

// When each file was last written, to tell a save; -1 for a missing file.
std::vector<long long> WriteTimes(const std::vector<std::string>& paths);

}  // namespace zav
