// The heat's set-up in the Input menu: general data, teams, games, the
// add-on column and the staff names.
#pragma once

#include "texts/Texts.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class InputCommands {
public:
    explicit InputCommands(wxZAVFrame& frame);

    // The Teams and colours dialog and the Game list dialog, as their
    // commands run them (a new sheet leads on to them); true after OK.
    bool EditTeams();
    bool EditGameList();

private:
    void OnGeneralData(wxCommandEvent& event);
    // The dialogs that change nothing else: games list, add-on column,
    // assistant referees, arena party.
    template <class Dialog>
    bool Edit(zav::TextId step);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
