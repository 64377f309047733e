// Any bytes as an entries file: the reader must never crash, and what it
// accepts must make a consistent set plan.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sets/SetCreation.h"
#include "sets/SifFile.h"
#include "texts/Texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zav::SifEntries entries;
    zav::RecordingMessageSink messages;
    if (!zav::ParseSif(bytes, "fuzz.txt", entries, zav::Reporter(zav::Language::English, messages)))
        return 0;

    if (entries.sCategory.size() > zav::kMaxCategories) std::abort();
    for (const zav::SifTeam& team : entries.teams)
        if (team.categoryIndex >= entries.sCategory.size() ||
            entries.sCategory[team.categoryIndex] != team.category)
            std::abort();
    const zav::SetPlan plan = zav::OneSheetPerCategory(entries);
    for (const std::string& name : zav::SheetFileNames("fuzz.mscore", entries, plan)) {
        if (name.find('/') != std::string::npos) std::abort();
        (void)zav::GroupChoiceLine(name);
    }
    for (std::size_t n = 1; n <= 8 && n <= size; ++n)
        (void)zav::TrouveChampSIF(bytes, static_cast<int>(n));
    return 0;
}
