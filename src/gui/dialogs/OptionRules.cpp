#include "dialogs/OptionRules.h"

#include <wx/filefn.h>

namespace zavgui {

namespace {
constexpr char kSeparator = wxFILE_SEP_PATH;
}

std::string JoinLogoField(const std::string& logoPath, const std::string& logoName) {
    return logoPath + kSeparator + logoName;
}

LogoSetting SplitLogoField(const std::string& field) {
    const std::size_t at = field.find_last_of(kSeparator);
    if (at != std::string::npos && at >= 1) return {field.substr(0, at), field.substr(at + 1)};
    return {field, field.size() > 1 ? field.substr(1) : std::string()};
}

}  // namespace zavgui
