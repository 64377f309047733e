// The games of the heat in running order, each chosen from the catalogue.
#pragma once

#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

namespace zavgui {

class ListChoice;

class GameListDialog : public SheetDialog {
public:
    GameListDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    // One list per game of the heat, in reading order, chosen by typing the
    // first letters of a name.
    std::vector<ListChoice*> games;

private:
    bool StoreControls() override;
    // German names are shown without their break points.
    std::string Shown(const std::string& name) const;

    KeyboardEntry keyboard_;
};

}  // namespace zavgui
