#include "support/WxMessageSink.h"

#include <wx/msgdlg.h>

#include "support/GuiText.h"

namespace zavgui {
namespace {

long IconStyle(zav::MessageIcon icon) {
    switch (icon) {
        case zav::MessageIcon::Error: return wxICON_ERROR;
        case zav::MessageIcon::Warning: return wxICON_WARNING;
        case zav::MessageIcon::Question: return wxICON_QUESTION;
        case zav::MessageIcon::Information: break;
    }
    return wxICON_INFORMATION;
}

}  // namespace

void WxMessageSink::ShowMessage(const std::string& text, zav::MessageIcon icon) {
    wxMessageBox(FromCore(text), sAppli, wxOK | IconStyle(icon), parent_);
}

bool WxMessageSink::AskYesNo(const std::string& text, zav::MessageIcon icon) {
    return wxMessageBox(FromCore(text), sAppli, wxYES_NO | IconStyle(icon), parent_) == wxYES;
}

}  // namespace zavgui
