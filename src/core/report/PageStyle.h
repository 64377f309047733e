// The look of every page as the settings file gives it at the moment a page
// is built: colours, black and white, logo. Read afresh for each build, so a
// change made in the options shows on the next page.
#pragma once

#include <string>

#include "settings/Settings.h"

namespace zav {

struct PageStyle {
    std::string headFont;  // title and sub-title text, 'Challenge' title
    std::string titleBkg;  // column-title rows, staff separator column
    std::string bkgLine1;  // first, third ... table row
    std::string bkgLine2;  // second, fourth ... table row
    bool bBWOnly = false;  // emphasis in black
    std::string logoPath;  // folder of the logo; empty = no logo
    std::string logoName;
};

// One read of the settings file per call.
PageStyle ReadPageStyle(const Settings& settings);

// Emphasis colours fixed by the program: red for places, totals and blame
// marks, blue for heat scores; both black on black and white pages.
const char* RedEmphasis(const PageStyle& style);
const char* BlueEmphasis(const PageStyle& style);

}  // namespace zav
