// The File menu's sheet commands: New, Open, the recent sheets, Save, Save
// as, and Quit.
#pragma once

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class FileCommands {
public:
    explicit FileCommands(wxZAVFrame& frame);

private:
    void OnNewSheet(wxCommandEvent& event);
    void OnOpenSheet(wxCommandEvent& event);
    void OnRecentSheet(wxCommandEvent& event);
    void OnSaveSheet(wxCommandEvent& event);
    void OnSaveAsSheet(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
