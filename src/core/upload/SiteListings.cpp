#include "upload/SiteListings.h"

#include <algorithm>
#include <optional>

#include "upload/UploadAddress.h"

namespace zav {
namespace {

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           std::none_of(name.begin(), name.end(), [](char c) {
               return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
           });
}

}  // namespace

std::vector<std::string> NamesInPropfind(const std::string& answer, const std::string& folderPath) {
    std::vector<std::string> names;
    for (std::size_t at = answer.find("href>"); at != std::string::npos;
         at = answer.find("href>", at + 5)) {
        if (at > 0 && answer[at - 1] == '/') continue;  // a closing tag
        const std::size_t end = answer.find('<', at);
        if (end == std::string::npos) break;
        std::string href = answer.substr(at + 5, end - at - 5);
        if (const std::size_t scheme = href.find("://"); scheme != std::string::npos)
            href = href.substr(std::min(href.find('/', scheme + 3), href.size()));
        const std::optional<UploadAddress> parsed = ParseUploadAddress("http://h" + href);
        const std::string path = parsed ? parsed->path : href;
        if (path.size() <= folderPath.size() || path.compare(0, folderPath.size(), folderPath) != 0)
            continue;
        std::string name = path.substr(folderPath.size());
        if (!name.empty() && name.back() == '/') name.pop_back();
        if (IsPlainName(name)) names.push_back(name);
    }
    return names;
}

std::vector<std::string> NamesInFtpListing(const std::string& answer) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start < answer.size();) {
        const std::size_t end = std::min(answer.find('\n', start), answer.size());
        std::string name = answer.substr(start, end - start);
        if (!name.empty() && name.back() == '\r') name.pop_back();
        if (IsPlainName(name)) names.push_back(name);
        start = end + 1;
    }
    return names;
}

}  // namespace zav
