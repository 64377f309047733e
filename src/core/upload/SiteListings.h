// The names of a site's folder, read from what its server answers: a WebDAV
// PROPFIND answer or an FTP name list. A server's answer is never trusted:
// only plain names of files in the folder come out (no "/", "\", dot name,
// control character), whatever it holds.
#pragma once

#include <string>
#include <vector>

namespace zav {

// The names a PROPFIND answer lists under `folderPath` (decoded, ending with
// "/"), decoded themselves.
std::vector<std::string> NamesInPropfind(const std::string& answer, const std::string& folderPath);

// The names of an FTP name list (NLST), one a line.
std::vector<std::string> NamesInFtpListing(const std::string& answer);

}  // namespace zav
