#include "dialogs/OptionRules.h"

#include <wx/filefn.h>

namespace zavgui {

namespace {
constexpr char kSeparator = wxFILE_SEP_PATH;
}

std::string JoinLogoField(const std::string& logoPath, const std::string& logoName) {
    // A logo in the root folder: "/" and "club.png" show as "/club.png".
    if (!logoPath.empty() && logoPath.back() == kSeparator) return logoPath + logoName;
    return logoPath + kSeparator + logoName;
}

LogoSetting SplitLogoField(const std::string& field) {
    // Nothing typed, or the lone separator shown when no logo is set: no
    // logo, rather than a folder without a picture in it.
    if (field.empty() || field == std::string(1, kSeparator)) return {};
    const std::size_t at = field.find_last_of(kSeparator);
    if (at == 0) return {field.substr(0, 1), field.substr(1)};
    if (at != std::string::npos) return {field.substr(0, at), field.substr(at + 1)};
    return {field, field.size() > 1 ? field.substr(1) : std::string()};
}

}  // namespace zavgui
