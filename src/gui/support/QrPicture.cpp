#include "support/QrPicture.h"

#include <qrencode.h>
#include <wx/filesys.h>
#include <wx/fs_mem.h>
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

QrPagePicture::QrPagePicture(const std::string& text, int moduleSize) {
    static const bool handlerAdded = [] {
        wxFileSystem::AddHandler(new wxMemoryFSHandler);
        return true;
    }();
    (void)handlerAdded;
    const wxBitmap picture = QrPicture(text, moduleSize);
    if (!picture.IsOk()) return;
    // A name of its own for each picture, so that two never meet.
    static int made = 0;
    name_ = "qr-" + std::to_string(++made) + ".png";
    wxMemoryFSHandler::AddFile(wxString::FromUTF8(name_), picture, wxBITMAP_TYPE_PNG);
    reference_ = "memory:" + name_;
}

QrPagePicture::~QrPagePicture() {
    if (!name_.empty()) wxMemoryFSHandler::RemoveFile(wxString::FromUTF8(name_));
}

}  // namespace zavgui
