// Why an upload did not happen, named so that the window and the command line
// can say it in the user's language and the retry can tell a passing fault
// from one that only the user can mend.
#pragma once

#include <string>

#include "texts/Texts.h"

namespace zav {

enum class UploadError {
    None,
    BadAddress,      // not an sftp, ftp, ftps, http, https or s3 address with a host
    LocalFolder,     // the local publication cannot be read
    CannotConnect,   // the server is not reached, or the connection was lost
    LoginRefused,    // the user name, password or key was refused
    HostUnknown,     // SFTP: the server's key is not in known_hosts
    HostKeyChanged,  // SFTP: the server's key differs from the one trusted
    NotTrusted,      // FTPS or HTTPS: the server's certificate is not trusted
    Refused,         // the server refused to store, rename or list a file
    NoBucket,        // S3: the address's bucket is not on the endpoint
    Stopped,         // the program asked the upload to stop
    ProgramFault,    // the program itself failed (out of memory, a fault of ours)
};

struct UploadFailure {
    UploadError error = UploadError::None;
    std::string detail;  // what the server or the network library said; may be empty

    explicit operator bool() const { return error != UploadError::None; }
};

// A fault that may pass by itself (network down, server stopped, server busy)
// is retried; a refused login or an untrusted server is not, so that a wrong
// password does not knock at the server again and again.
bool IsRetried(UploadError error);

// The reason in the user's language, with the library's detail when it tells
// more; for an untrusted SFTP server the detail is what the advice tells the
// user to type.
std::string DescribeFailure(const UploadFailure& failure, Language language);

}  // namespace zav
