#include "dialogs/SheetDialog.h"

namespace zavgui {

SheetDialog::SheetDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage,
                         zav::TextId title)
    : ZavDialog(parent, wxLanguage, title), sheet_(sheet), target_(sheet) {}

bool SheetDialog::TransferDataFromWindow() {
    if (!StoreControls()) return false;
    target_ = sheet_;
    return true;
}

}  // namespace zavgui
