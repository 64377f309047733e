// A text as a QR code picture, for a phone's camera to read from the screen.
#pragma once

#include <wx/bitmap.h>

#include <string>

namespace zavgui {

// Black modules of `moduleSize` pixels on white, with the quiet zone of four
// modules the readers need; an invalid bitmap when the text cannot be coded.
wxBitmap QrPicture(const std::string& text, int moduleSize);

}  // namespace zavgui
