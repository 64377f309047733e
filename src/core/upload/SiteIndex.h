// One web site for the arenas of a championship: each arena's publication in
// its own folder, each arena's entry in "arenas/<arena>.json", and the site's
// index page made from every entry found there. An arena only ever writes its
// own folder and its own entry, and an index page is made again until it
// lists every entry the site holds: no arena's upload can drop another's.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "texts/Texts.h"

namespace zav {

constexpr const char* kArenasFolder = "arenas";

struct ArenaEntry {
    std::string arena;      // as the scorer named it
    std::string folder;     // its folder on the site
    std::string published;  // local time of its last publication, "2026-07-14 14:32"
};

std::string ArenaEntryJson(const ArenaEntry& entry);
// Nothing when the bytes are not an arena entry (not JSON, cut short, too
// large, not text, or a folder name this program would not write).
std::optional<ArenaEntry> ReadArenaEntry(const std::string& json);

// The site's index page: the arenas by name, each linking to its folder's
// index, with the time of its last publication; readable on a phone.
std::string SiteIndexPage(std::vector<ArenaEntry> entries, Language language);

}  // namespace zav
