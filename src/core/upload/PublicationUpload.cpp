#include "upload/PublicationUpload.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <set>

#include "io/FileRead.h"
#include "paths/PathNames.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"
#include "publish/Publication.h"
#include "upload/SiteIndex.h"
#include "upload/UploadManifest.h"

namespace zav {
namespace {

// A page larger than this is not one the publication wrote.
constexpr std::size_t kMaxFileBytes = 64 << 20;
// An index made again this often at most, should arenas keep arriving.
constexpr int kIndexRounds = 4;
// The manifest's mark of an arena entry and site index made after the last
// change: no file's name holds a "/".
constexpr const char* kArenaEntryMark = "/arena entry";

struct LocalFile {
    std::string name;
    std::string bytes;
};

// The publication's files, the index last; hidden files (the manifest) stay.
bool ReadPublication(const std::string& folder, std::vector<LocalFile>& files) {
    std::error_code error;
    std::filesystem::directory_iterator entries(NativePath(folder), error);
    if (error) return false;
    for (const auto& entry : entries) {
        const std::string name = Utf8Path(entry.path().filename());
        if (name.front() == '.' || !entry.is_regular_file(error)) continue;
        LocalFile file{name, {}};
        if (ReadFileBytes(Utf8Path(entry.path()), file.bytes, kMaxFileBytes).status !=
            ReadStatus::Done)
            return false;
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const LocalFile& a, const LocalFile& b) {
        const bool aIndex = a.name == kIndexPageName, bIndex = b.name == kIndexPageName;
        return aIndex != bIndex ? bIndex : a.name < b.name;
    });
    return true;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    struct tm local {};
    char text[32];
    LocalTime(now, local);
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local));
}

std::set<std::string> EntryNames(const std::vector<std::string>& names) {
    std::set<std::string> entries;
    for (const std::string& name : names)
        if (name.size() > 5 && name.compare(name.size() - 5, 5, ".json") == 0 && name[0] != '.')
            entries.insert(name);
    return entries;
}

// Makes the site's index from every arena entry there, and makes it again
// while the entries listed after writing it differ from those it was made
// from: an arena whose entry arrived meanwhile then finds its line.
UploadFailure RebuildSiteIndex(SiteConnection& site, Language language, UploadOutcome& outcome) {
    std::vector<std::string> names;
    if (UploadFailure failure = site.List(kArenasFolder, names)) return failure;
    std::set<std::string> listed = EntryNames(names);
    for (int round = 0; round < kIndexRounds; ++round) {
        std::vector<ArenaEntry> entries;
        std::vector<std::string> skipped;
        for (const std::string& name : listed) {
            const std::string path = std::string(kArenasFolder) + "/" + name;
            std::string json;
            if (UploadFailure failure = site.Fetch(path, json)) return failure;
            // Another arena's damaged entry costs only its own line.
            if (auto entry = ReadArenaEntry(json))
                entries.push_back(*entry);
            else
                skipped.push_back(FormatText(Text(language, TextId::ArenaEntrySkipped), path));
        }
        outcome.notes = std::move(skipped);
        if (UploadFailure failure =
                site.PutReplacing(kIndexPageName, SiteIndexPage(entries, language)))
            return failure;
        outcome.sent.push_back(kIndexPageName);
        if (UploadFailure failure = site.List(kArenasFolder, names)) return failure;
        std::set<std::string> now = EntryNames(names);
        if (now == listed) break;
        listed = std::move(now);
    }
    return {};
}

}  // namespace

UploadOutcome UploadPublication(const std::string& folder, const UploadDestination& destination,
                                const std::atomic<bool>* stop, const UploadProgress& progress) {
    UploadOutcome outcome;
    std::optional<UploadAddress> address = ParseUploadAddress(destination.url);
    if (address && address->protocol == UploadProtocol::S3) {
        address = OnS3Service(*address, destination.s3);
        if (!address) {
            outcome.failure = {
                UploadError::BadAddress,
                AddressWithoutPassword(destination.s3.endpoint + " " + destination.s3.region)};
            return outcome;
        }
    }
    if (!address) {
        outcome.failure = {UploadError::BadAddress, AddressWithoutPassword(destination.url)};
        return outcome;
    }
    std::vector<LocalFile> files;
    if (!ReadPublication(folder, files)) {
        outcome.failure = {UploadError::LocalFolder, folder};
        return outcome;
    }
    const std::string arenaFolder = ArenaFolderName(destination.arena);
    const std::string prefix = arenaFolder.empty() ? "" : arenaFolder + "/";
    UploadManifest manifest = ReadUploadManifest(folder);
    const std::string where = address->folderUrl + prefix;
    if (manifest.destination != where) manifest = UploadManifest{where, {}};

    std::vector<const LocalFile*> changed;
    std::map<std::string, std::string> kept;
    for (const LocalFile& file : files) {
        const std::string hash = ContentHash(file.bytes);
        if (manifest.hashes[file.name] != hash) changed.push_back(&file);
        kept[file.name] = manifest.hashes[file.name];
    }
    const bool entryDue =
        !arenaFolder.empty() && (!changed.empty() || !manifest.hashes.count(kArenaEntryMark));
    manifest.hashes = std::move(kept);  // files gone from the folder, and the mark
    if (changed.empty() && !entryDue) return outcome;

    SiteConnection site(*address, destination.login, stop);
    const std::size_t total = changed.size() + (arenaFolder.empty() ? 0 : 2);
    for (const LocalFile* file : changed) {
        outcome.failure = site.PutReplacing(prefix + file->name, file->bytes);
        if (outcome.failure) break;
        manifest.hashes[file->name] = ContentHash(file->bytes);
        outcome.sent.push_back(prefix + file->name);
        if (progress) progress(outcome.sent.size(), total);
    }
    // What did arrive is not sent again by the retry.
    WriteUploadManifest(folder, manifest);
    if (outcome.failure || arenaFolder.empty()) return outcome;

    const std::string entry = std::string(kArenasFolder) + "/" + arenaFolder + ".json";
    outcome.failure =
        site.PutReplacing(entry, ArenaEntryJson({destination.arena, arenaFolder, Now()}));
    if (outcome.failure) return outcome;
    outcome.sent.push_back(entry);
    outcome.failure = RebuildSiteIndex(site, destination.language, outcome);
    if (outcome.failure) return outcome;
    manifest.hashes[kArenaEntryMark] = "made";
    WriteUploadManifest(folder, manifest);
    if (progress) progress(total, total);
    return outcome;
}

}  // namespace zav
