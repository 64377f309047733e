// The Input menu's commands on the heat's record: making its results
// official, and a game's history.
#pragma once

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class RecordCommands {
public:
    explicit RecordCommands(wxZAVFrame& frame);

private:
    void OnMakeOfficial(wxCommandEvent& event);
    void OnGameHistory(wxCommandEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
