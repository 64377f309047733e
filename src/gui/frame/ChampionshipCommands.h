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
    // The open set's sheet files, then the sheets added in either dialog;
    // the open sheet's own file left out or not.
    std::vector<std::string> Offered(bool withShown);
    // Sheet files chosen in the file chooser, remembered as added; none when
    // cancelled.
    std::vector<std::string> ChooseSheets();
    // The set file of the open set, else the open sheet's file.
    std::string OpenEvent() const;
    void Export(const zav::Championship& championship, bool pdf);

    wxZAVFrame& frame_;
    // The sheets added while `addedFor_` was open: another set or sheet
    // opened drops them, as they belong to another event.
    std::vector<std::string> added_;
    std::string addedFor_;
};

}  // namespace zavgui
