// Data entry during the heat: game results, tie-break, points from previous
// heats and 'Challenge' heats, and the withdrawal of a team before the start.
#pragma once

#include <string>

#include "texts/Texts.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

// How Undo names the result of game `game` (from 0), typed in the dialog
// or accepted from the finish line.
std::string GameResultStep(zav::Language language, int game);

class ResultCommands {
public:
    explicit ResultCommands(wxZAVFrame& frame);

private:
    void OnGameResult(wxCommandEvent& event);
    void OnTieBreak(wxCommandEvent& event);
    void OnPreviousHeat(wxCommandEvent& event);
    void OnPreviousChall(wxCommandEvent& event);
    void OnDeleteOneTeam(wxCommandEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
