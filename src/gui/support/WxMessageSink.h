// The core's messages shown as message boxes owned by the main frame, with
// the program's name as caption and the answer buttons in the interface
// language. Every message box of the program opens centred over its window.
#pragma once

#include <wx/window.h>

#include "texts/Messages.h"
#include "texts/Texts.h"

namespace zavgui {

class WxMessageSink : public zav::MessageSink {
public:
    WxMessageSink(wxWindow* parent, zav::Language language)
        : parent_(parent), language_(language) {}
    void ShowMessage(const std::string& text, zav::MessageIcon icon) override;
    bool AskYesNo(const std::string& text, zav::MessageIcon icon, zav::QuestionKind kind) override;
    // Yes, No and Cancel (also Escape and the close box): wxID_YES, wxID_NO
    // or wxID_CANCEL.
    int AskYesNoCancel(const std::string& text, zav::MessageIcon icon);

private:
    int Ask(const std::string& text, zav::MessageIcon icon, zav::QuestionKind kind,
            bool withCancel);

    wxWindow* parent_;
    zav::Language language_;
};

// A message box with OK alone, centred over `parent`'s window; `icon` is
// wxICON_INFORMATION, wxICON_ERROR...
void ShowNotice(wxWindow* parent, const wxString& text, const wxString& caption, long icon);

}  // namespace zavgui
