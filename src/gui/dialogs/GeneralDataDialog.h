// The heat's description: titles, date, period, referee, numbers of teams and
// games, scoring rules and the 'Challenge' options.
#pragma once

#include "dialogs/KeyboardEntry.h"
#include "dialogs/SheetDialog.h"
#include "sheet/ScoreSheet.h"

class wxCommandEvent;
class wxTextCtrl;

namespace zavgui {

class ListChoice;

class GeneralDataDialog : public SheetDialog {
public:
    GeneralDataDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    // The controls, for the tests that play the user.
    wxTextCtrl* title = nullptr;
    wxTextCtrl* subTitle = nullptr;
    wxTextCtrl* date = nullptr;
    ListChoice* time = nullptr;
    wxTextCtrl* referee = nullptr;
    ListChoice* teams = nullptr;
    ListChoice* games = nullptr;
    ListChoice* points = nullptr;
    ListChoice* elimination = nullptr;
    wxTextCtrl* challengeTitle = nullptr;
    ListChoice* challengePoints = nullptr;

    // What choosing another "Teams number" does at once.
    void OnTeamsChanged(wxCommandEvent& event);

private:
    bool StoreControls() override;
    void DisplayGeneralData();
    void FillPoints();
    void StoreTexts();
    void ShowHelp(zav::TextId text, zav::TextId caption);

    KeyboardEntry keyboard_;
};

}  // namespace zavgui
