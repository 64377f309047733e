#include "upload/SiteIndex.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "encoding/Markup.h"
#include "upload/UploadAddress.h"

namespace zav {
namespace {

// An entry this program writes is a hundred bytes: far more is no entry, and
// is not parsed at all.
constexpr std::size_t kMaxEntryBytes = 64 * 1024;

std::optional<std::string> Field(const nlohmann::json& entry, const char* key) {
    const auto found = entry.find(key);
    if (found == entry.end() || !found->is_string()) return std::nullopt;
    return found->get<std::string>();
}

}  // namespace

std::string ArenaEntryJson(const ArenaEntry& entry) {
    const nlohmann::ordered_json json = {
        {"arena", entry.arena}, {"folder", entry.folder}, {"published", entry.published}};
    // A name that is not whole UTF-8 is written with U+FFFD instead of
    // failing the upload.
    return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::optional<ArenaEntry> ReadArenaEntry(const std::string& bytes) {
    if (bytes.size() > kMaxEntryBytes) return std::nullopt;
    // Anything a server sends: no exception, a discarded value on any fault.
    const nlohmann::json json = nlohmann::json::parse(bytes, nullptr, false);
    if (!json.is_object()) return std::nullopt;
    const auto arena = Field(json, "arena");
    const auto folder = Field(json, "folder");
    const auto published = Field(json, "published");
    if (!arena || !folder || !published || folder->empty() || ArenaFolderName(*folder) != *folder)
        return std::nullopt;
    return ArenaEntry{*arena, *folder, *published};
}

std::string SiteIndexPage(std::vector<ArenaEntry> entries, Language language) {
    std::sort(entries.begin(), entries.end(),
              [](const ArenaEntry& a, const ArenaEntry& b) { return a.arena < b.arena; });
    const std::string title = EscapeMarkup(Text(language, TextId::ArenasTitle));
    std::string page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>" +
        title +
        "</title>\n"
        "<style>body{font-family:sans-serif;margin:1em;}a{display:block;padding:.6em 0;"
        "font-size:1.2em;}span{color:#555;font-size:.9em;}li{list-style:none;"
        "border-bottom:1px solid #ccc;}ul{padding:0;}</style>\n"
        "</head><body>\n<h1>" +
        title + "</h1>\n<ul>\n";
    const std::string when = EscapeMarkup(Text(language, TextId::ArenaLastPublished));
    for (const ArenaEntry& entry : entries) {
        page += "<li><a href=\"" + EscapeAttribute(AddressUnder(UploadAddress{}, entry.folder)) +
                "/index.html\">" + EscapeMarkup(entry.arena) + "</a><span>" + when + ": " +
                EscapeMarkup(entry.published) + "</span></li>\n";
    }
    return page + "</ul>\n</body></html>\n";
}

}  // namespace zav
