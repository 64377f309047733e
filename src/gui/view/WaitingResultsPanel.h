// The side panel of results sent from the finish line that wait for the
// scorer: one entry each, wrapped to the panel's width ("Game 4, from the
// finish line, 14:32:05", a conflict in red, then every team's place), and
// Accept, Edit and Reject for the entry chosen, by button or key (written
// under them); above them, the judges' phones and whether each is in reach.
#pragma once

#include <wx/panel.h>

#include <functional>
#include <vector>

#include "texts/Texts.h"

class wxButton;
class wxKeyEvent;
class wxSimpleHtmlListBox;
class wxStaticText;

namespace zavgui {

struct WaitingEntry {
    wxString heading;  // the game, where from, when
    wxString mark;     // a conflict or another sheet; empty: none
    wxString result;   // each team's place or outcome
};

class WaitingResultsPanel : public wxPanel {
public:
    WaitingResultsPanel(wxWindow* parent, zav::Language language);

    // The entries, the first chosen when the chosen one went; `offline`: the
    // network is off, the judges no longer hear of the decisions.
    void SetEntries(const std::vector<WaitingEntry>& entries, bool offline);

    // The judges' phones, one line each ("Finish judge: connected
    // (14:32:05)"); none: the list is hidden.
    void SetJudges(const std::vector<wxString>& lines);

    // What the buttons do with the entry chosen (from 0).
    std::function<void(int)> onAccept, onEdit, onReject;

    // The controls, for the tests that play the user.
    wxSimpleHtmlListBox* list = nullptr;
    wxButton* accept = nullptr;
    wxButton* edit = nullptr;
    wxButton* reject = nullptr;

    wxStaticText* judges = nullptr;

private:
    wxStaticText* offline_ = nullptr;
    wxStaticText* judgesHeading_ = nullptr;

    void Act(const std::function<void(int)>& action);
    void OnKey(wxKeyEvent& event);
    void ShowButtons();
};

}  // namespace zavgui
