// Crossings between the core's UTF-8 std::string and wxString, and the
// program's texts in the interface language as wxString.
#pragma once

#include <wx/string.h>

#include <string>

#include "texts/Texts.h"

namespace zavgui {

inline wxString FromCore(const std::string& text) {
    return wxString::FromUTF8(text.data(), text.size());
}

inline std::string ToCore(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

// Text `id` in the interface language.
inline wxString Tx(zav::Language language, zav::TextId id) {
    return FromCore(zav::Text(language, id));
}

// A text with its single "%s" or "%d" filled.
inline wxString TxFormat(zav::Language language, zav::TextId id, const wxString& value) {
    return FromCore(zav::FormatText(zav::Text(language, id), ToCore(value)));
}
inline wxString TxFormat(zav::Language language, zav::TextId id, long value) {
    return FromCore(zav::FormatText(zav::Text(language, id), value));
}

// The constant caption of every message box and the title without a file.
inline const wxString sAppli = wxS("ZAVscore");

}  // namespace zavgui
