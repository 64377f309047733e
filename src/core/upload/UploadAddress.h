// The web site's address as the user gives it ("sftp://user@host:2222/www/results",
// "s3://bucket/results/") and the addresses of the files under it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zav {

enum class UploadProtocol { Sftp, Ftp, Ftps, WebDav, S3 };

struct UploadAddress {
    UploadProtocol protocol = UploadProtocol::Sftp;
    std::string folderUrl;  // the address without user and password, ending with "/"
    std::string user;       // from the address; may be empty
    std::string password;   // from the address (for a script); usually empty
    std::string host;       // without brackets or port
    int port = 0;           // 0: the protocol's own
    std::string path;       // the folder's path on the server, decoded, ending with "/"
    // S3: `host` is the bucket and `path` the keys' prefix after a "/";
    // `folderUrl` is the prefix's address on the endpoint (path-style).
    std::string bucketUrl;  // the bucket's address on the endpoint, without "/"
    std::string region;
};

// Where the objects of an s3:// address are: the store's address
// ("http://127.0.0.1:9000"; empty: Amazon's for the region) and its region
// (empty: us-east-1, as Amazon's own tools default).
struct S3Service {
    std::string endpoint;
    std::string region;

    bool operator==(const S3Service& other) const {
        return endpoint == other.endpoint && region == other.region;
    }
};

// Nothing when `url` is not an address of one of the protocols with a host.
std::optional<UploadAddress> ParseUploadAddress(std::string_view url);

// The s3:// address `bucket` on `service`, path-style (ENDPOINT/bucket/prefix/,
// as self-hosted stores expect); nothing when the endpoint is not an http or
// https address with a host alone or a path, or the region is not a word.
std::optional<UploadAddress> OnS3Service(UploadAddress bucket, const S3Service& service);

// The address of the folder or file `relative` ("arena/page.html") under the
// folder; each part of it is escaped as an address needs.
std::string AddressUnder(const UploadAddress& folder, std::string_view relative);

// `part` as one part of an address: everything but letters, digits and
// "-_.~" as %XX ("/" too).
std::string EscapedUrlPart(std::string_view part);

// The folder `name` under `folder`.
UploadAddress FolderUnder(const UploadAddress& folder, std::string_view name);

// The address as it may be printed, shown or kept in the settings file: the
// user stays, the password goes ("sftp://user@host/www/"). One that does not
// parse loses everything from its user's ":" to its last "@", which may hold
// a password with a "/" in it.
std::string AddressWithoutPassword(std::string_view url);

// `text` (a server's or libcurl's message) with `password`, as typed or as
// escaped in an address, replaced by "***".
std::string WithoutPassword(std::string text, std::string_view password);

// An arena's name as a folder name of the site: no "/" or "\", no control
// character, no leading dot (which would hide it), never "." or ".." (the
// site's folder or the one above): a name of dots alone has them as "-".
// Empty only for a name of blanks.
std::string ArenaFolderName(std::string_view arena);

}  // namespace zav
