// The team that withdraws before the heat starts.
#pragma once

#include "dialogs/KeyboardEntry.h"
#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxListBox;

namespace zavgui {

class DeleteTeamDialog : public ZavDialog {
public:
    DeleteTeamDialog(wxWindow* parent, const zav::ScoreSheet& sheet, zav::Language wxLanguage);

    // The team chosen, or -1 when none is selected.
    int ChosenTeam() const;

    wxListBox* teamList = nullptr;
    KeyboardEntry keyboard;
};

}  // namespace zavgui
