#include "publish/PublishSettings.h"

#include <algorithm>

namespace zav {

PublishSettings ReadPublishSettings(const Settings& settings) {
    const SettingsSnapshot snapshot(settings);
    PublishSettings publish;
    publish.on = snapshot.GetInt(SettingKey::PublishOn) == 1;
    publish.folder = snapshot.GetString(SettingKey::PublishFolder);
    publish.refreshSeconds =
        std::min(snapshot.GetInt(SettingKey::PublishRefresh), kMaxRefreshSeconds);
    publish.uploadUrl = snapshot.GetString(SettingKey::PublishUpload);
    publish.arena = snapshot.GetString(SettingKey::PublishArena);
    publish.s3 = {snapshot.GetString(SettingKey::PublishS3Endpoint),
                  snapshot.GetString(SettingKey::PublishS3Region)};
    return publish;
}

bool WritePublishSettings(const Settings& settings, const PublishSettings& publish) {
    return settings.Set(SettingKey::PublishOn, publish.on ? "1" : "0") &&
           settings.Set(SettingKey::PublishFolder, publish.folder) &&
           settings.Set(SettingKey::PublishRefresh, std::to_string(publish.refreshSeconds)) &&
           settings.Set(SettingKey::PublishUpload, publish.uploadUrl) &&
           settings.Set(SettingKey::PublishArena, publish.arena) &&
           settings.Set(SettingKey::PublishS3Endpoint, publish.s3.endpoint) &&
           settings.Set(SettingKey::PublishS3Region, publish.s3.region);
}

}  // namespace zav
