// What the web site holds of a publication: each file's content hash as last
// uploaded, kept beside the local publication so that only the files whose
// bytes changed travel, even after a restart.
#pragma once

#include <map>
#include <string>

namespace zav {

// Hidden in the publication's folder, and never uploaded.
constexpr const char* kUploadManifestName = ".zavscore-upload";

struct UploadManifest {
    std::string destination;                    // where the hashes were uploaded to
    std::map<std::string, std::string> hashes;  // file name: content hash
};

// A hash to tell changed bytes, not a guard against forgery: 64-bit FNV-1a
// and the length.
std::string ContentHash(const std::string& bytes);

// An empty manifest when there is none or it cannot be read: everything then
// travels again, which is slow but right.
UploadManifest ReadUploadManifest(const std::string& folder);
// False when it cannot be written (the next upload then sends too much).
bool WriteUploadManifest(const std::string& folder, const UploadManifest& manifest);

}  // namespace zav
