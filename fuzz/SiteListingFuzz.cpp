// Any bytes as a server's listing of a site's folder: a WebDAV PROPFIND
// answer, an FTP name list, an S3 listing page. The readers must never crash,
// and only plain names of the folder may come out, whatever the server sent.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "upload/S3Requests.h"
#include "upload/SiteListings.h"

namespace {

void ExpectPlain(const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (name.empty() || name == "." || name == ".." ||
            name.find_first_of("/\\\r\n") != std::string::npos)
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    ExpectPlain(zav::NamesInPropfind(answer, "/www/arenas/"));
    ExpectPlain(zav::NamesInFtpListing(answer));
    (void)zav::ReadS3Listing(answer);
    (void)zav::S3ErrorCode(answer);
    return 0;
}
