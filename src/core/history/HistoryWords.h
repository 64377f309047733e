// The words that name where a change came from and what it was about: the
// sheet file keeps them, and the command line's JSON shows the same.
#pragma once

#include <optional>
#include <string_view>

#include "history/HistoryEntry.h"

namespace zav {

std::string_view OriginWord(HistoryOrigin origin);
// Nothing for a word this version does not know.
std::optional<HistoryOrigin> OriginOfWord(std::string_view word);

// A change of the heat's standing is about what it became: "official" or
// "provisional".
std::string_view AboutWord(const HistoryEntry& entry);
// Sets the entry's subject (and for a standing, whether it became official)
// from its word; false for a word this version does not know.
[[nodiscard]] bool ReadAboutWord(std::string_view word, HistoryEntry& entry);

}  // namespace zav
