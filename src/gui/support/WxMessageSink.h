// The core's messages shown as message boxes owned by the main frame, with
// the program's name as caption.
#pragma once

#include <wx/window.h>

#include "texts/Messages.h"

namespace zavgui {

class WxMessageSink : public zav::MessageSink {
public:
    explicit WxMessageSink(wxWindow* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text, zav::MessageIcon icon) override;
    bool AskYesNo(const std::string& text, zav::MessageIcon icon) override;

private:
    wxWindow* parent_;
};

}  // namespace zavgui
