#include "support/WxMessageSink.h"

#include <wx/msgdlg.h>

#include "platform/ToolkitPlatform.h"
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

void ShowNotice(wxWindow* parent, const wxString& text, const wxString& caption, long icon) {
    wxMessageDialog box(parent, text, caption, wxOK | icon);
    ShowMessageBox(box, parent);
}

void WxMessageSink::ShowMessage(const std::string& text, zav::MessageIcon icon) {
    ShowNotice(parent_, FromCore(text), sAppli, IconStyle(icon));
}

bool WxMessageSink::AskYesNo(const std::string& text, zav::MessageIcon icon,
                             zav::QuestionKind kind) {
    return Ask(text, icon, kind, false) == wxID_YES;
}

int WxMessageSink::AskYesNoCancel(const std::string& text, zav::MessageIcon icon) {
    return Ask(text, icon, zav::QuestionKind::Harmless, true);
}

// The toolkit's own labels would be English whatever the interface language.
int WxMessageSink::Ask(const std::string& text, zav::MessageIcon icon, zav::QuestionKind kind,
                       bool withCancel) {
    const long focus = kind == zav::QuestionKind::Destructive ? wxNO_DEFAULT : wxYES_DEFAULT;
    wxMessageDialog dialog(parent_, FromCore(text), sAppli,
                           wxYES_NO | (withCancel ? wxCANCEL : 0) | focus | IconStyle(icon));
    const wxString yes = Tx(language_, zav::TextId::Yes), no = Tx(language_, zav::TextId::No);
    if (withCancel)
        dialog.SetYesNoCancelLabels(yes, no, Tx(language_, zav::TextId::Cancel));
    else
        dialog.SetYesNoLabels(yes, no);
    return ShowMessageBox(dialog, parent_);
}

}  // namespace zavgui
