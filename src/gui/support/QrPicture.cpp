#include "support/QrPicture.h"

#include <qrencode.h>
#include <wx/image.h>

#include <memory>

namespace zavgui {

wxBitmap QrPicture(const std::string& text, int moduleSize) {
    std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code) return wxBitmap();
    constexpr int kQuietZone = 4;
    const int modules = code->width + 2 * kQuietZone;
    wxImage image(modules * moduleSize, modules * moduleSize);
    image.SetRGB(wxRect(0, 0, image.GetWidth(), image.GetHeight()), 255, 255, 255);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                image.SetRGB(wxRect((x + kQuietZone) * moduleSize, (y + kQuietZone) * moduleSize,
                                    moduleSize, moduleSize),
                             0, 0, 0);
    return wxBitmap(image);
}

}  // namespace zavgui
