// Texts placed inside markup (sheet files, HTML pages): a scorer's text may
// hold "<", ">" or "&" and must never end or open an element by accident.
#pragma once

#include <string>
#include <string_view>

namespace zav {

// "&", "<" and ">" written as "&amp;", "&lt;" and "&gt;"; nothing else changes.
std::string EscapeMarkup(std::string_view text);

// A value between an attribute's quotes: EscapeMarkup's three, and the quotes
// ('"' as "&quot;", "'" as "&#39;"), so that no value ends the attribute.
std::string EscapeAttribute(std::string_view value);

// The reverse, for UTF-8 text read from a file: "&amp;", "&lt;", "&gt;",
// "&quot;", "&apos;" and numeric references ("&#233;", "&#xE9;") become their
// characters. Any other "&" stays as it stands, so old files that held a raw
// "&" read as they always did.
std::string UnescapeMarkup(std::string_view text);

}  // namespace zav
