// The reference documents of the Rules and Help menus, and the about box.
#pragma once

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class HelpCommands {
public:
    explicit HelpCommands(wxZAVFrame& frame);

private:
    void OnDocument(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
