// The heat's description: titles, date, period, referee, numbers of teams and
// games, scoring rules and the 'Challenge' options.
#pragma once

#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

class wxChoice;
class wxCommandEvent;
class wxTextCtrl;

namespace zavgui {

class GeneralDataDialog : public ZavDialog {
public:
    GeneralDataDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage);

    bool TransferDataFromWindow() override;

    // The controls, for the tests that play the user.
    wxTextCtrl* title = nullptr;
    wxTextCtrl* subTitle = nullptr;
    wxTextCtrl* date = nullptr;
    wxChoice* time = nullptr;
    wxTextCtrl* referee = nullptr;
    wxChoice* teams = nullptr;
    wxChoice* games = nullptr;
    wxChoice* points = nullptr;
    wxChoice* elimination = nullptr;
    wxTextCtrl* challengeTitle = nullptr;
    wxChoice* challengePoints = nullptr;

    // What choosing another "Teams number" does at once.
    void OnTeamsChanged(wxCommandEvent& event);

private:
    void DisplayGeneralData();
    void FillPoints();
    void StoreTexts();
    void ShowHelp(zav::TextId text, zav::TextId caption);

    zav::ScoreSheet& sheet_;
};

}  // namespace zavgui
