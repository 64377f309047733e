// Championships over several heats: previous scores taken from earlier
// sheets (Input menu) and the championship table with its print and exports
// (Tools menu).
#pragma once

#include <string>
#include <vector>

#include "championship/ChampionshipTable.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class ChampionshipCommands {
public:
    explicit ChampionshipCommands(wxZAVFrame& frame);

private:
    void OnPreviousFromSheets(wxCommandEvent& event);
    void OnChampionshipTable(wxCommandEvent& event);
    // The open set's sheet files, the one on screen left out or not.
    std::vector<std::string> SetSheets(bool withShown) const;
    // Sheet files chosen in the file chooser; none when cancelled.
    std::vector<std::string> ChooseSheets();
    void Export(const zav::ChampionshipTable& table, bool pdf);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
