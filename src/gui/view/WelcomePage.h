// The page the window shows until a sheet is opened (PageAccueil): the
// welcome picture of the program's folder, the product name, version, tag
// line and rights notice in the interface language, then the first steps of
// a new user, one line each.
#pragma once

#include <string>
#include <vector>

#include "texts/Texts.h"

namespace zavgui {

std::string PageAccueil(zav::Language language, const std::vector<std::string>& firstSteps);

}  // namespace zavgui
