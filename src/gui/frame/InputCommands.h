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

private:
    void OnGeneralData(wxCommandEvent& event);
    void OnTeamsData(wxCommandEvent& event);
    // The dialogs that change nothing else: games list, add-on column,
    // assistant referees, arena party.
    template <class Dialog>
    void Edit(zav::TextId step);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
