#include "upload/SiteIndex.h"

#include <algorithm>

#include "encoding/Markup.h"
#include "upload/UploadAddress.h"

namespace zav {
namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The value of "key" in an entry this program wrote: only its own escapes.
std::optional<std::string> JsonValue(const std::string& json, const std::string& key) {
    std::size_t at = json.find("\"" + key + "\"");
    if (at == std::string::npos) return std::nullopt;
    at = json.find('"', json.find(':', at) + 1);
    if (at == std::string::npos) return std::nullopt;
    std::string value;
    for (++at; at < json.size() && json[at] != '"'; ++at) {
        if (json[at] != '\\' || at + 1 >= json.size()) {
            value += json[at];
        } else if (json[++at] == 'u' && at + 4 < json.size()) {
            value += static_cast<char>(std::stoi(json.substr(at + 1, 4), nullptr, 16));
            at += 4;
        } else {
            value += json[at];
        }
    }
    if (at >= json.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string ArenaEntryJson(const ArenaEntry& entry) {
    return "{\"arena\": " + JsonString(entry.arena) + ", \"folder\": " + JsonString(entry.folder) +
           ", \"published\": " + JsonString(entry.published) + "}\n";
}

std::optional<ArenaEntry> ReadArenaEntry(const std::string& json) {
    const auto arena = JsonValue(json, "arena");
    const auto folder = JsonValue(json, "folder");
    const auto published = JsonValue(json, "published");
    if (!arena || !folder || !published || ArenaFolderName(*folder) != *folder || folder->empty())
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
        page += "<li><a href=\"" + EscapeMarkup(AddressUnder(UploadAddress{}, entry.folder)) +
                "/index.html\">" + EscapeMarkup(entry.arena) + "</a><span>" + when + ": " +
                EscapeMarkup(entry.published) + "</span></li>\n";
    }
    return page + "</ul>\n</body></html>\n";
}

}  // namespace zav
