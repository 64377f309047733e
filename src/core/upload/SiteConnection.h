// One connection to the web site, through libcurl, which speaks SFTP, FTP,
// FTPS, WebDAV over HTTPS and signs S3 requests, so that no protocol code is ours. It is kept
// across the transfers of one upload: a new SSH or TLS handshake per file
// would cost more than most files. Each member is one transfer and returns
// what went wrong, named.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "upload/UploadAddress.h"
#include "upload/UploadError.h"

namespace zav {

struct UploadLogin {
    std::string password;       // empty: none (SFTP then logs in with the agent or a key);
                                // S3: the secret access key
    std::string sshFolder;      // the user's ~/.ssh: id_ed25519, id_rsa, known_hosts
    std::string accessKeyId{};  // S3; empty: the address's user
};

class SiteConnection {
public:
    // `stop`, when set, ends a transfer under way (the program is quitting).
    SiteConnection(UploadAddress site, UploadLogin login, const std::atomic<bool>* stop);
    ~SiteConnection();
    SiteConnection(const SiteConnection&) = delete;
    SiteConnection& operator=(const SiteConnection&) = delete;

    // Stores `bytes` as the file `relative` ("arena/page.html") under a
    // temporary name beside it, then renames it into place, so that a
    // visitor reads the old file or the new one, never half of one. Missing
    // folders are made on the way. An S3 object is stored at once: a PUT
    // replaces it whole.
    UploadFailure PutReplacing(const std::string& relative, const std::string& bytes);
    // The names in the folder `relative` (empty: the site's own folder).
    UploadFailure List(const std::string& relative, std::vector<std::string>& names);
    // The bytes of the file `relative`.
    UploadFailure Fetch(const std::string& relative, std::string& bytes);

private:
    struct Handle;
    void* Start(const std::string& url);
    UploadFailure Perform();
    UploadFailure PutObject(const std::string& relative, const std::string& bytes);
    UploadFailure ListObjects(const std::string& relative, std::vector<std::string>& names);
    UploadFailure MakeWebFolders(const std::string& relative);
    UploadFailure MakeWebFolder(const std::string& url);
    UploadFailure PutTemporary(const std::string& relative, const std::string& temporary,
                               const std::string& bytes);
    UploadFailure MoveWebFile(const std::string& from, const std::string& to);

    UploadAddress site_;
    UploadLogin login_;
    const std::atomic<bool>* stop_;
    std::unique_ptr<Handle> handle_;           // none when libcurl could not be loaded:
    UploadFailure unavailable_;                // then every transfer fails with why
    std::vector<std::string> webFoldersMade_;  // "" once the site's own are made
};

// The temporary name a file is stored under before it is renamed into place:
// hidden, so that a server's folder listing does not show it.
std::string TemporaryNameOf(const std::string& relative);

}  // namespace zav
