// The drop-down list of the dialogs. GTK's own drop-down lists select
// nothing by typing and keep their keys from the program; this one is drawn
// by wxWidgets, so the dialog sees every key and the list chooses by typing:
// the first letters of an entry (accents and capitals aside), or a number.
#pragma once

#include <wx/odcombo.h>

#include <string>

namespace zavgui {

// What a list is chosen by: names, or numbers (with letters for the
// outcomes of a result list).
enum class Typing { Names, Numbers };

class ListChoice : public wxOwnerDrawnComboBox {
public:
    explicit ListChoice(wxWindow* parent, const wxArrayString& entries = wxArrayString(),
                        Typing typing = Typing::Names);

    // Shows entry `index` (wxNOT_FOUND: none) and, when that changes the
    // list, tells the dialog as a choice with the mouse does.
    void Choose(int index);

    Typing TypedBy() const { return typing_; }

    // The selected entry's text, empty for none (the combo box's text entry
    // has a function of the same name).
    wxString GetStringSelection() const override {
        return wxItemContainerImmutable::GetStringSelection();
    }

protected:
    wxSize DoGetBestSize() const override;

private:
    // Type-ahead: each key adds to the text typed since the list took the
    // focus; a text that begins no entry starts again with the key.
    void OnChar(wxKeyEvent& event);

    const Typing typing_;
    std::string typed_;
};

// The character a key types into a list: what the key types, Space,
// Backspace (8) or Delete (127), a digit of the keypad; for numbers, a key of
// the digits' row is its digit whatever the layout puts there (French
// keyboards type "&" for 1 without Shift). 0 for other keys and for
// shortcuts (Ctrl, Alt).
char32_t KeyCharacter(const wxKeyEvent& event, Typing typing);

}  // namespace zavgui
