// The side panel of results sent from the finish line that wait for the
// scorer: one line each ("Game 4, from the finish line, 14:32: ..."), and
// Accept, Edit and Reject for the line chosen.
#pragma once

#include <wx/panel.h>

#include <functional>
#include <vector>

#include "texts/Texts.h"

class wxButton;
class wxListBox;
class wxStaticText;

namespace zavgui {

class WaitingResultsPanel : public wxPanel {
public:
    WaitingResultsPanel(wxWindow* parent, zav::Language language);

    // The lines, the first chosen when the chosen one went.
    void SetLines(const std::vector<wxString>& lines);

    // What the buttons do with the line chosen (from 0).
    std::function<void(int)> onAccept, onEdit, onReject;

    // The controls, for the tests that play the user.
    wxListBox* list = nullptr;
    wxButton* accept = nullptr;
    wxButton* edit = nullptr;
    wxButton* reject = nullptr;

private:
    // The line chosen in full, wrapped: a list line is wider than the panel.
    wxStaticText* detail_ = nullptr;

    void Act(const std::function<void(int)>& action);
    void ShowButtons();
};

}  // namespace zavgui
