#include "upload/UploadAddress.h"

#include "encoding/Encoding.h"

namespace zav {
namespace {

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

std::string Escaped(std::string_view part) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : part) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsAsciiAlnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        }
    }
    return out;
}

// S3's rule for new buckets; it keeps a bucket a valid host name too.
bool IsBucketName(const std::string& name) {
    if (name.size() < 3 || name.size() > 63) return false;
    for (const char c : name)
        if (!(c >= 'a' && c <= 'z') && !IsAsciiDigit(c) && c != '-' && c != '.') return false;
    return IsAsciiAlnum(name.front()) && IsAsciiAlnum(name.back());
}

}  // namespace

std::optional<UploadAddress> ParseUploadAddress(std::string_view url) {
    UploadAddress address;
    std::string_view rest;
    constexpr std::pair<std::string_view, UploadProtocol> kSchemes[] = {
        {"sftp://", UploadProtocol::Sftp},   {"ftps://", UploadProtocol::Ftps},
        {"ftp://", UploadProtocol::Ftp},     {"https://", UploadProtocol::WebDav},
        {"http://", UploadProtocol::WebDav}, {"s3://", UploadProtocol::S3},
    };
    for (const auto& [scheme, protocol] : kSchemes) {
        if (!StartsWith(url, scheme)) continue;
        address.protocol = protocol;
        rest = url.substr(scheme.size());
        break;
    }
    if (rest.empty()) return std::nullopt;
    const std::string_view scheme = url.substr(0, url.size() - rest.size());
    const std::size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    const std::string_view path = slash == std::string_view::npos ? "/" : rest.substr(slash);
    if (path.find_first_of("?#") != std::string_view::npos) return std::nullopt;
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        const std::string_view userInfo = authority.substr(0, at);
        const std::size_t colon = userInfo.find(':');
        address.user = DecodePercent(userInfo.substr(0, colon), false);
        if (colon != std::string_view::npos)
            address.password = DecodePercent(userInfo.substr(colon + 1), false);
        authority = authority.substr(at + 1);
    }
    std::string_view portText;
    if (StartsWith(authority, "[")) {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        address.host = std::string(authority.substr(1, close - 1));
        if (close + 1 < authority.size() && authority[close + 1] == ':')
            portText = authority.substr(close + 2);
    } else {
        const std::size_t colon = authority.find(':');
        address.host = std::string(authority.substr(0, colon));
        if (colon != std::string_view::npos) portText = authority.substr(colon + 1);
    }
    if (address.host.empty()) return std::nullopt;
    if (address.protocol == UploadProtocol::S3 &&
        (!portText.empty() || !IsBucketName(address.host)))
        return std::nullopt;
    for (const char c : portText) {
        if (!IsAsciiDigit(c)) return std::nullopt;
        address.port = address.port * 10 + (c - '0');
        if (address.port > 65535) return std::nullopt;
    }
    address.folderUrl = std::string(scheme) + std::string(authority) + std::string(path);
    address.path = DecodePercent(path, false);
    if (address.path.back() != '/') {
        address.folderUrl += '/';
        address.path += '/';
    }
    return address;
}

std::optional<UploadAddress> OnS3Service(UploadAddress bucket, const S3Service& service) {
    bucket.region = service.region.empty() ? "us-east-1" : service.region;
    for (const char c : bucket.region)
        if (!IsAsciiAlnum(c) && c != '-') return std::nullopt;
    std::string endpoint = service.endpoint.empty()
                               ? "https://s3." + bucket.region + ".amazonaws.com"
                               : service.endpoint;
    while (!endpoint.empty() && endpoint.back() == '/') endpoint.pop_back();
    // Keys and credentials go in headers, never in the endpoint.
    const std::optional<UploadAddress> store = ParseUploadAddress(endpoint);
    if (!store || store->protocol != UploadProtocol::WebDav || !store->user.empty() ||
        endpoint.find('@') != std::string::npos)
        return std::nullopt;
    bucket.bucketUrl = endpoint + "/" + bucket.host;
    bucket.folderUrl = bucket.bucketUrl;
    for (std::size_t start = 0; start < bucket.path.size();) {
        const std::size_t slash = bucket.path.find('/', start);
        bucket.folderUrl += Escaped(bucket.path.substr(start, slash - start)) + "/";
        start = slash + 1;
    }
    return bucket;
}

std::string EscapedUrlPart(std::string_view part) {
    return Escaped(part);
}

std::string AddressUnder(const UploadAddress& folder, std::string_view relative) {
    std::string url = folder.folderUrl;
    for (std::size_t start = 0; start <= relative.size();) {
        const std::size_t slash = relative.find('/', start);
        const std::size_t end = slash == std::string_view::npos ? relative.size() : slash;
        url += Escaped(relative.substr(start, end - start));
        if (slash == std::string_view::npos) break;
        url += '/';
        start = slash + 1;
    }
    return url;
}

UploadAddress FolderUnder(const UploadAddress& folder, std::string_view name) {
    UploadAddress under = folder;
    under.folderUrl = AddressUnder(folder, name) + "/";
    under.path += std::string(name) + "/";
    return under;
}

std::string AddressWithoutPassword(std::string_view url) {
    const std::size_t start = url.find("://");
    if (start == std::string_view::npos) return std::string(url);
    const std::size_t userStart = start + 3;
    std::size_t at = std::string_view::npos;
    if (ParseUploadAddress(url)) {
        at = url.substr(userStart, url.find('/', userStart) - userStart).rfind('@');
        if (at != std::string_view::npos) at += userStart;
    } else {
        at = url.rfind('@');
        if (at != std::string_view::npos && at < userStart) at = std::string_view::npos;
    }
    if (at == std::string_view::npos) return std::string(url);
    const std::size_t colon = url.find(':', userStart);
    if (colon >= at) return std::string(url);
    return std::string(url.substr(0, colon)) + std::string(url.substr(at));
}

std::string WithoutPassword(std::string text, std::string_view password) {
    if (password.empty()) return text;
    for (const std::string& form : {std::string(password), Escaped(password)}) {
        for (std::size_t at = text.find(form); at != std::string::npos;
             at = text.find(form, at + 3))
            text.replace(at, form.size(), "***");
    }
    return text;
}

std::string ArenaFolderName(std::string_view arena) {
    std::string name;
    for (const char c : arena) {
        const auto byte = static_cast<unsigned char>(c);
        name += c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f ? '-' : c;
    }
    const std::size_t last = name.find_last_not_of(' ');
    if (last == std::string::npos) return std::string();
    std::size_t first = name.find_first_not_of(". ");
    if (first == std::string::npos) {
        // Dropped, the dots would leave the site's own folder.
        first = name.find_first_not_of(' ');
        for (char& c : name)
            if (c == '.') c = '-';
    }
    return name.substr(first, last - first + 1);
}

}  // namespace zav
