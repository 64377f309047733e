// The page the window shows until a sheet is opened (PageAccueil): the
// welcome picture of the program's folder, the product name, version, tag
// line and rights notice in the interface language.
#pragma once

#include <string>

#include "texts/Texts.h"

namespace zavgui {

std::string PageAccueil(zav::Language language);

}  // namespace zavgui
