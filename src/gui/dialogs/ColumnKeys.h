// The keyboard of a dialog filled as a column of lists, one key per row (the
// Game result and Tie-break dialogs): the row's list takes what the row's
// rules make of a key (a place, a number of two digits, an outcome), then the
// focus moves to the next row and, after the last, to OK. Up and Down move
// between the rows; the keys that step through a closed list's entries
// (Page Down, End...) do nothing; Enter is OK from anywhere but another
// button; Escape cancels.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/KeyboardEntry.h"
#include "sheet/EntryKeys.h"

class wxDialog;
class wxWindow;

namespace zavgui {

class ListChoice;

class ColumnKeys {
public:
    // What `key` typed into the list of `row` means, after the digits
    // `typed` into that list.
    using Meaning = std::function<zav::EntryKey(size_t row, std::string_view typed, char32_t key)>;

    ColumnKeys(wxDialog* dialog, Meaning meaning);

    // The next row: its list, and a control of the same row (a blame box)
    // where the row's keys work too.
    void AddRow(ListChoice* list, wxWindow* partner = nullptr);
    // What Space does in a row.
    std::function<void(size_t row)> onBlame;

    // While a typed key makes a list's choice: which number (counted from
    // the dialog's opening) it belongs to; "1" then "0" are one number.
    // 0 when the choice is not typed.
    unsigned TypedNumber() const { return typing_ ? numbers_ : 0; }

private:
    bool OnKey(wxKeyEvent& event);
    void Type(size_t row, char32_t key);
    // The first enabled row after `row`; -1 when none.
    int NextRow(size_t row) const;
    // The focus to that row, or to OK.
    void MoveAfter(size_t row);
    void MoveBefore(size_t row);
    int RowOf(const wxWindow* window) const;

    wxDialog* dialog_;
    Meaning meaning_;
    std::vector<ListChoice*> lists_;
    std::vector<wxWindow*> partners_;
    std::string typed_;
    int typedRow_ = -1;
    unsigned numbers_ = 0;
    bool typing_ = false;
    KeyboardEntry enter_;
};

}  // namespace zavgui
