// Uploading a local publication (the folder the publish command writes) to
// the event's web site: only the files whose bytes changed since the last
// upload there, each put in place whole, the index last; then, for an arena
// of a championship, its entry and the site's index of arenas.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "texts/Texts.h"
#include "upload/SiteConnection.h"
#include "upload/UploadError.h"

namespace zav {

struct UploadDestination {
    std::string url;    // the site's folder
    std::string arena;  // empty: the publication goes into the site's folder itself
    UploadLogin login;
    Language language = Language::French;  // of the site's index of arenas
    S3Service s3{};                        // for an s3:// address

    bool operator==(const UploadDestination& other) const {
        return url == other.url && arena == other.arena && login.password == other.login.password &&
               login.sshFolder == other.login.sshFolder &&
               login.accessKeyId == other.login.accessKeyId && s3 == other.s3;
    }
};

struct UploadOutcome {
    UploadFailure failure;
    std::vector<std::string> sent;   // the files put on the site, by their path there, in order
    std::vector<std::string> notes;  // what the user should know, in the destination's language
};

// Called after each file put in place: how many of how many.
using UploadProgress = std::function<void(std::size_t done, std::size_t total)>;

UploadOutcome UploadPublication(const std::string& folder, const UploadDestination& destination,
                                const std::atomic<bool>* stop, const UploadProgress& progress);

}  // namespace zav
