// The games of the heat in running order, each chosen from the catalogue.
#pragma once

#include <vector>

#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxChoice;

namespace zavgui {

class GameListDialog : public ZavDialog {
public:
    GameListDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    // One list per game of the heat, sorted alphabetically.
    std::vector<wxChoice*> games;

private:
    // German names are shown without their break points.
    wxString Shown(const std::string& name) const;

    zav::ScoreSheet& sheet_;
};

}  // namespace zavgui
