// Category codes of the registration system and their display names.
#pragma once

#include <string>
#include <string_view>

namespace zav {

// The code of a category field: the text before its first space (the whole
// field when it holds none). "CPM1 Minime 1" has the code "CPM1".
std::string_view CategoryCode(std::string_view category);

// The display name of a category field or bare code ("Minime 1" for
// "CPM1 ..."); a code the table does not know gives the argument unchanged.
// The names are the same in every interface language.
std::string CategoryFull(std::string_view category);

}  // namespace zav
