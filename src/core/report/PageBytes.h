// The bytes of a page as a file holds them. Pages declare iso-8859-1, so they
// are written as Windows-1252 bytes (what browsers read under that label), and
// a character outside it as a numeric character reference: nothing is lost.
#pragma once

#include <string>
#include <string_view>

namespace zav {

std::string EncodePageBytes(std::string_view utf8Page);

}  // namespace zav
