// The window's publication of the results, as the settings file keeps it.
#pragma once

#include <string>

#include "settings/Settings.h"
#include "upload/UploadAddress.h"

namespace zav {

// A day at most: beyond that a page is as good as never reloaded.
constexpr int kMaxRefreshSeconds = 86400;

struct PublishSettings {
    bool on = false;  // every save of a sheet also publishes it
    std::string folder;
    int refreshSeconds = 0;  // 0: pages without the reload line
    std::string uploadUrl;   // the web site the folder is uploaded to; empty: none
    std::string arena;       // the arena's folder on that site; empty: its own folder
    S3Service s3{};          // where an s3:// address's bucket is
};

// Reads the keys; a refresh beyond kMaxRefreshSeconds reads as the most.
PublishSettings ReadPublishSettings(const Settings& settings);
// Writes them; false when the settings file cannot be written.
[[nodiscard]] bool WritePublishSettings(const Settings& settings, const PublishSettings& publish);

}  // namespace zav
