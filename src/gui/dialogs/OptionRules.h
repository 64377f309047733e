// The rules of the option dialogs that do not depend on a window.
#pragma once

#include <string>

namespace zavgui {

// The Logo field shows the folder and the name joined by the path separator
// (a lone separator when no logo is set).
std::string JoinLogoField(const std::string& logoPath, const std::string& logoName);

struct LogoSetting {
    std::string logoPath;
    std::string logoName;
};

// The field split at its last separator (one that begins the field is the
// root folder); without one, the whole text is the folder and the name is
// the text from its second character. An empty field or a lone separator is
// no logo: both empty.
LogoSetting SplitLogoField(const std::string& field);

// The predefined colour models of the Colours dialog, in button order.
struct ColourModel {
    const char* headFont;
    const char* titleBkg;
    const char* bkgLine1;
    const char* bkgLine2;
    bool blackAndWhite;
};
constexpr ColourModel kColourModels[] = {
    {"#0000FF", "#DDDDFF", "#FFFFFF", "#C0FFFF", false},  // Water
    {"#FF8000", "#FFFF80", "#FFFFFF", "#FFFFC0", false},  // Sand
    {"#000000", "#808080", "#FFFFFF", "#DDDDDD", false},  // Coal
    {"#008000", "#A0FFA0", "#FFFFFF", "#C0FFC0", false},  // Grass
    {"#FF8000", "#FF8000", "#FFFF80", "#F4F495", false},  // Gold
    {"#4040FF", "#6165FF", "#CFD1FF", "#ADAFFF", false},  // Silver
    {"#8E9000", "#C0C000", "#F3F3A8", "#DDDD88", false},  // Bronze
    {"#000000", "#808080", "#FFFFFF", "#DDDDDD", true},   // B and W only
};

}  // namespace zavgui
