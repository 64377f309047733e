// Any bytes as a set file: the reader must never crash, never take more than
// 100 entries, and never hand out a name that leaves the set's folder or
// names the set file itself.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sets/SetFile.h"
#include "texts/Texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::string_view kSetName = "set.mscore";
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto mark : {zav::EncodingMark::Required, zav::EncodingMark::NotRequired}) {
        std::vector<std::string> names;
        zav::RecordingMessageSink messages;
        if (!zav::ParseSetFile(bytes, mark, kSetName, names,
                               zav::Reporter(zav::Language::English, messages)))
            continue;
        if (names.empty() || names.size() > zav::kMaxSetEntries) std::abort();
        for (const std::string& name : names)
            if (name.empty() || name == ".." || name == kSetName ||
                name.find('/') != std::string::npos)
                std::abort();
        // What the program writes for these names reads back as the same names.
        std::vector<std::string> again;
        if (!zav::ParseSetFile(zav::SetFileBytes(names), mark, kSetName, again,
                               zav::Reporter(zav::Language::English, messages)) ||
            again != names)
            std::abort();
    }
    (void)zav::DecodePathFile(bytes);
    return 0;
}
