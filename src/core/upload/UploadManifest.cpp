#include "upload/UploadManifest.h"

#include <cstdint>
#include <cstdio>
#include <sstream>

#include "io/FileRead.h"
#include "io/FileWrite.h"
#include "paths/PathNames.h"

namespace zav {
namespace {

constexpr const char* kFirstLine = "zavscore upload manifest 1";
constexpr std::size_t kMaxManifestBytes = 4 << 20;

}  // namespace

std::string ContentHash(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char text[40];
    std::snprintf(text, sizeof text, "%016llx-%zu", static_cast<unsigned long long>(hash),
                  bytes.size());
    return text;
}

// A line per file, "hash<TAB>name", after the destination's line.
UploadManifest ReadUploadManifest(const std::string& folder) {
    std::string bytes;
    UploadManifest manifest;
    if (ReadFileBytes(PathInFolder(folder, kUploadManifestName), bytes, kMaxManifestBytes).status !=
        ReadStatus::Done)
        return manifest;
    std::istringstream lines(bytes);
    std::string line;
    if (!std::getline(lines, line) || line != kFirstLine) return manifest;
    std::getline(lines, manifest.destination);
    while (std::getline(lines, line)) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos) manifest.hashes[line.substr(tab + 1)] = line.substr(0, tab);
    }
    return manifest;
}

bool WriteUploadManifest(const std::string& folder, const UploadManifest& manifest) {
    std::string bytes = std::string(kFirstLine) + "\n" + manifest.destination + "\n";
    for (const auto& [name, hash] : manifest.hashes) bytes += hash + "\t" + name + "\n";
    FileReplacement file;
    return file.Open(PathInFolder(folder, kUploadManifestName)) == ReplaceResult::Done &&
           file.Append(bytes) && file.Commit() == ReplaceResult::Done;
}

}  // namespace zav
