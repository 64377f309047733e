#include "upload/S3Requests.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <utility>

#include "encoding/Encoding.h"

namespace zav {
namespace {

constexpr std::size_t kMaxCodeLength = 64;
// The head of a page holds its encoding; no need to read a whole page.
constexpr std::size_t kHeadBytes = 2048;

std::string ExtensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || name.find('/', dot) != std::string::npos
               ? std::string()
               : AsciiLowered(name.substr(dot + 1));
}

// The charset a page declares in its head; UTF-8 when it says none.
std::string DeclaredCharset(const std::string& bytes) {
    const std::string head = AsciiLowered(bytes.substr(0, kHeadBytes));
    const std::size_t at = head.find("charset=");
    if (at == std::string::npos) return "utf-8";
    std::size_t start = at + 8;
    if (start < head.size() && (head[start] == '"' || head[start] == '\'')) ++start;
    std::size_t end = start;
    while (end < head.size() && (IsAsciiAlnum(head[end]) || head[end] == '-' || head[end] == '_'))
        ++end;
    return end > start ? head.substr(start, end - start) : "utf-8";
}

void AppendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// XML text with its entities replaced; nothing for an entity XML does not
// have or a character it cannot hold.
std::optional<std::string> XmlText(const std::string& text) {
    static const std::pair<const char*, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::size_t end = text.find(';', i);
        if (end == std::string::npos || end - i > 10) return std::nullopt;
        const std::string entity = text.substr(i + 1, end - i - 1);
        i = end;
        const auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                        [&](const auto& n) { return entity == n.first; });
        if (named != std::end(kNamed)) {
            out += named->second;
            continue;
        }
        if (entity.size() < 2 || entity[0] != '#') return std::nullopt;
        const bool hex = entity[1] == 'x';
        const std::string digits = entity.substr(hex ? 2 : 1);
        if (digits.empty()) return std::nullopt;
        std::uint32_t code = 0;
        for (const char c : digits) {
            if (!(hex ? std::isxdigit(static_cast<unsigned char>(c))
                      : std::isdigit(static_cast<unsigned char>(c))))
                return std::nullopt;
            code = code * (hex ? 16 : 10) +
                   static_cast<std::uint32_t>(std::isdigit(static_cast<unsigned char>(c))
                                                  ? c - '0'
                                                  : std::tolower(static_cast<unsigned char>(c)) -
                                                        'a' + 10);
            if (code > 0x10FFFF) return std::nullopt;
        }
        if (code == 0 || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
        AppendUtf8(code, out);
    }
    return out;
}

// The text of the first <tag>…</tag> in [from, to); nothing when absent.
std::optional<std::string> Element(const std::string& xml, const std::string& tag, std::size_t from,
                                   std::size_t to) {
    const std::string open = "<" + tag + ">", close = "</" + tag + ">";
    const std::size_t start = xml.find(open, from);
    if (start == std::string::npos || start >= to) return std::nullopt;
    const std::size_t end = xml.find(close, start + open.size());
    if (end == std::string::npos || end + close.size() > to) return std::nullopt;
    return xml.substr(start + open.size(), end - start - open.size());
}

}  // namespace

std::string S3ContentType(const std::string& name, const std::string& bytes) {
    const std::string extension = ExtensionOf(name);
    if (extension == "html" || extension == "htm")
        return "text/html; charset=" + DeclaredCharset(bytes);
    static const std::pair<const char*, const char*> kTypes[] = {
        {"json", "application/json"},
        {"png", "image/png"},
        {"jpg", "image/jpeg"},
        {"jpeg", "image/jpeg"},
        {"gif", "image/gif"},
        {"svg", "image/svg+xml"},
        {"bmp", "image/bmp"},
        {"webp", "image/webp"},
        {"css", "text/css; charset=utf-8"},
        {"ico", "image/x-icon"},
        {"txt", "text/plain; charset=utf-8"},
    };
    for (const auto& [known, type] : kTypes)
        if (extension == known) return type;
    return "application/octet-stream";
}

std::string S3CacheControl(const std::string& name) {
    const std::string extension = ExtensionOf(name);
    return extension == "html" || extension == "htm" || extension == "json" ? "max-age=10"
                                                                            : "max-age=300";
}

std::optional<S3Listing> ReadS3Listing(const std::string& xml) {
    const std::size_t root = xml.find("<ListBucketResult");
    if (root == std::string::npos) return std::nullopt;
    const std::size_t rootEnd = xml.find("</ListBucketResult>", root);
    if (rootEnd == std::string::npos) return std::nullopt;  // cut short
    S3Listing listing;
    for (std::size_t at = xml.find("<Contents>", root); at < rootEnd;
         at = xml.find("<Contents>", at + 1)) {
        const std::size_t end = xml.find("</Contents>", at);
        if (end == std::string::npos || end > rootEnd) return std::nullopt;
        const std::optional<std::string> key = Element(xml, "Key", at, end);
        if (!key) return std::nullopt;
        std::optional<std::string> decoded = XmlText(*key);
        if (!decoded) return std::nullopt;
        listing.keys.push_back(std::move(*decoded));
        at = end;
    }
    const std::optional<std::string> truncated = Element(xml, "IsTruncated", root, rootEnd);
    if (truncated && *truncated == "true") {
        const std::optional<std::string> token =
            Element(xml, "NextContinuationToken", root, rootEnd);
        std::optional<std::string> decoded = token ? XmlText(*token) : std::nullopt;
        if (!decoded || decoded->empty()) return std::nullopt;
        listing.nextToken = std::move(*decoded);
    }
    return listing;
}

std::string S3ErrorCode(const std::string& xml) {
    const std::size_t error = xml.find("<Error>");
    if (error == std::string::npos) return std::string();
    const std::optional<std::string> code = Element(xml, "Code", error, xml.size());
    if (!code || code->empty() || code->size() > kMaxCodeLength) return std::string();
    for (const char c : *code)
        if (!IsAsciiAlnum(c) && c != '.') return std::string();
    return *code;
}

}  // namespace zav
