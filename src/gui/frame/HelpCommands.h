// The reference documents of the Rules and Help menus, the user guide at a
// dialog's section (F1 in the dialog), and the about box.
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
    void OnGuideSection(wxCommandEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
