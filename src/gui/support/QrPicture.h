// A text as a QR code picture, for a phone's camera to read from the screen.
#pragma once

#include <wx/bitmap.h>

#include <string>

namespace zavgui {

// Black modules of `moduleSize` pixels on white, with the quiet zone of four
// modules the readers need; an invalid bitmap when the text cannot be coded.
wxBitmap QrPicture(const std::string& text, int moduleSize);

// The QR code of `text` where pages find a picture by name, for as long as
// this lives: a printed page refers to it as to any picture.
class QrPagePicture {
public:
    QrPagePicture(const std::string& text, int moduleSize);
    ~QrPagePicture();
    QrPagePicture(const QrPagePicture&) = delete;
    QrPagePicture& operator=(const QrPagePicture&) = delete;

    // What a page's <img src> names; empty when the text could not be coded.
    const std::string& Reference() const { return reference_; }

private:
    std::string name_;
    std::string reference_;
};

}  // namespace zavgui
