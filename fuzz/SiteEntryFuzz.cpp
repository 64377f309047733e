// Any bytes as an arena entry fetched from the event's web site: the reader
// must never crash nor throw, and an entry it accepts writes back as one that
// reads the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "upload/SiteIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto entry = zav::ReadArenaEntry(bytes);
    if (!entry) return 0;
    const auto again = zav::ReadArenaEntry(zav::ArenaEntryJson(*entry));
    if (!again || again->arena != entry->arena || again->folder != entry->folder ||
        again->published != entry->published)
        std::abort();
    (void)zav::SiteIndexPage({*entry, *again}, zav::Language::English);
    return 0;
}
