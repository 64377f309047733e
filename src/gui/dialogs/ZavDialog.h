// What every dialog of the program shares: its title and texts in the
// interface language, padding, the OK and Cancel buttons and fitting. Each
// dialog copies the data into its controls when it is built and hands them
// out only in TransferDataFromWindow, which wxWidgets runs when OK is
// pressed: the dialogs that change the sheet through SheetDialog, the others
// as values the command stores.
#pragma once

#include <wx/arrstr.h>
#include <wx/dialog.h>

#include "support/Documents.h"
#include "texts/Texts.h"

class wxBoxSizer;
class wxButton;
class wxStaticText;
class wxTextCtrl;

namespace zavgui {

// Sent to the dialog's parent as a dialog of the program opens (int 1) and
// closes (int 0), so that the window knows while the scorer has one open: a
// dialog that changes the sheet works on a copy of it, and a change made
// behind it would be lost on OK.
wxDECLARE_EVENT(EVT_ZAV_DIALOG_OPEN, wxCommandEvent);

// Sent up the dialog's parents, the first that handles it opening the user
// guide, when F1 is pressed in a dialog: the int is the dialog's section
// (a GuideSection).
wxDECLARE_EVENT(EVT_ZAV_GUIDE, wxCommandEvent);

class ZavDialog : public wxDialog {
public:
    ZavDialog(wxWindow* parent, zav::Language wxLanguage, zav::TextId title);

    int ShowModal() override;

protected:
    wxString Tx(zav::TextId id) const;
    // The dialog's content goes here, top to bottom.
    wxBoxSizer* Body() const { return body_; }
    // Adds the buttons under the content (OK, then Cancel, in the order Tab
    // visits them; `extra`, a button of the dialog's own, at the left and
    // last), pads and fits the dialog.
    void FinishLayout(zav::TextId cancelLabel = zav::TextId::Cancel, wxButton* extra = nullptr);
    // A one-line field holding at most `maxLength` characters.
    wxTextCtrl* MakeTextField(wxWindow* parent, const wxString& value, int maxLength = 254);
    // A line of bold text over the content.
    wxStaticText* MakeHeading(const wxString& text);
    // The guide's section F1 opens in this dialog; the guide's beginning
    // unless the dialog says.
    void SetGuideSection(GuideSection section) { guideSection_ = section; }

    const zav::Language wxLanguage_;

private:
    void OnCharHook(wxKeyEvent& event);

    wxBoxSizer* body_;
    GuideSection guideSection_ = GuideSection::Contents;
};

// Staff texts (assistant referees' teams and names, arena party) hold at most
// this many characters.
constexpr int kStaffTextLength = 127;

// The list entry to select for a stored text: an entry equal to it, else the
// first entry that begins with it (letter case ignored); an empty text
// selects the first entry. wxNOT_FOUND when none matches.
int FindEntryFor(const wxArrayString& entries, const wxString& stored);

}  // namespace zavgui
