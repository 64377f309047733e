// Previous scores taken from earlier sheets: each team of the open sheet is
// proposed its team in every checked sheet by name; the scorer corrects a
// match or leaves a team without one, and OK stores the points carried.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "championship/CarriedScores.h"
#include "dialogs/EarlierSheets.h"
#include "dialogs/ZavDialog.h"

class wxChoice;
class wxFlexGridSizer;
class wxStaticText;

namespace zavgui {

class PreviousFromSheetsDialog : public ZavDialog {
public:
    // `offered`: the other sheets of the open set and the sheets added in
    // either championship dialog, unchecked.
    PreviousFromSheetsDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage,
                             const std::vector<std::string>& offered,
                             std::function<std::vector<std::string>()> chooseSheets);

    // Refuses while a team's match is still to choose (two teams of its
    // name in one sheet); otherwise stores the carried scores.
    bool TransferDataFromWindow() override;

    EarlierSheets sheets;
    // [team][checked sheet that was read]: the team chosen there; its first
    // entry is "(none)", then the sheet's teams in order.
    std::vector<std::vector<wxChoice*>> matchChoices;
    std::vector<wxStaticText*> carried;  // per team
    wxStaticText* rule = nullptr;        // which points are carried
    wxStaticText* unmatched = nullptr;   // teams without a match, sheets not read

private:
    // The match grid again, as proposed for the sheets now checked.
    void Rebuild();
    zav::TeamMatches Matches() const;
    // The carried points and the lists under the grid, after any change.
    void ShowCarried();

    zav::ScoreSheet& sheet_;
    wxFlexGridSizer* grid_ = nullptr;
};

}  // namespace zavgui
