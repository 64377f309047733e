// The File menu's sheet commands: New, Open, the recent sheets, Save, Save
// as, and Quit.
#pragma once

class wxCommandEvent;

namespace zavgui {

class InputCommands;
class wxZAVFrame;

class FileCommands {
public:
    // A new sheet leads on to the teams and the games of `input`.
    FileCommands(wxZAVFrame& frame, InputCommands& input);

private:
    void OnNewSheet(wxCommandEvent& event);
    void OnOpenSheet(wxCommandEvent& event);
    void OnRecentSheet(wxCommandEvent& event);
    void OnSaveSheet(wxCommandEvent& event);
    void OnSaveAsSheet(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);

    wxZAVFrame& frame_;
    InputCommands& input_;
};

}  // namespace zavgui
