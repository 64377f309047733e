#include "report/PageStyle.h"

namespace zav {

PageStyle ReadPageStyle(const Settings& settingsFile) {
    const SettingsSnapshot settings(settingsFile);
    PageStyle style;
    style.headFont = settings.GetString(SettingKey::HeadFont);
    style.titleBkg = settings.GetString(SettingKey::TitleBkg);
    style.bkgLine1 = settings.GetString(SettingKey::BkgLine1);
    style.bkgLine2 = settings.GetString(SettingKey::BkgLine2);
    style.bBWOnly = settings.GetInt(SettingKey::BWOnly) != 0;
    style.logoPath = settings.GetString(SettingKey::LogoPath);
    if (!style.logoPath.empty()) style.logoName = settings.GetString(SettingKey::LogoName);
    return style;
}

const char* RedEmphasis(const PageStyle& style) {
    return style.bBWOnly ? "#000000" : "#FF0000";
}

const char* BlueEmphasis(const PageStyle& style) {
    return style.bBWOnly ? "#000000" : "#0000FF";
}

}  // namespace zav
