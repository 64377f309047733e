// The web site's address as the user gives it ("sftp://user@host:2222/www/results")
// and the addresses of the files under it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zav {

enum class UploadProtocol { Sftp, Ftp, Ftps, WebDav };

struct UploadAddress {
    UploadProtocol protocol = UploadProtocol::Sftp;
    std::string folderUrl;  // the address without user and password, ending with "/"
    std::string user;       // from the address; may be empty
    std::string password;   // from the address (for a script); usually empty
    std::string host;       // without brackets or port
    int port = 0;           // 0: the protocol's own
    std::string path;       // the folder's path on the server, decoded, ending with "/"
};

// Nothing when `url` is not an address of one of the protocols with a host.
std::optional<UploadAddress> ParseUploadAddress(std::string_view url);

// The address of the folder or file `relative` ("arena/page.html") under the
// folder; each part of it is escaped as an address needs.
std::string AddressUnder(const UploadAddress& folder, std::string_view relative);

// The folder `name` under `folder`.
UploadAddress FolderUnder(const UploadAddress& folder, std::string_view name);

// An arena's name as a folder name of the site: no "/" or "\", no control
// character, no leading dot (which would hide it); empty stays empty.
std::string ArenaFolderName(std::string_view arena);

}  // namespace zav
