// How a reader of the program's four languages orders and finds names in a
// list: an accented letter counts as its base letter ("À pied" among the
// A's, "Épée" among the E's, German "Ä" as "A" as dictionaries have it, "ß"
// as "ss"), capitals as small letters. The same rule serves French, English,
// Italian and German: none of them sorts an accented letter apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zav {

// The name as it is compared and searched (UTF-8): small letters without
// accents; characters outside Latin-1 stay as they are.
std::string Folded(std::string_view name);

// True when `a` comes before `b` in reading order: folded names first, then
// the written names (unaccented before accented, capitals first) so that the
// order is total.
bool ReadingOrderLess(std::string_view a, std::string_view b);

void SortForReading(std::vector<std::string>& names);

// The entry that typed text selects in a list (type-ahead): an entry equal
// to it, else the next entry after `current` (wrapping round, -1 for none)
// that begins with it, both folded. -1 when none.
int TypedEntry(const std::vector<std::string>& entries, int current, std::string_view typed);

}  // namespace zav
