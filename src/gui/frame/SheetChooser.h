// The toolbar's chooser of the sheets of the open set: read-only and sorted,
// so the user picks one of the set's sheets, always listed alphabetically.
#pragma once

#include <string>
#include <vector>

class wxComboBox;
class wxToolBar;

namespace zavgui {

// What stays visible in the smallest window, and the most it takes in a
// wide one.
constexpr int kSheetChooserMinWidth = 180;
constexpr int kSheetChooserMaxWidth = 500;

class SheetChooser {
public:
    // Added to the toolbar; its events carry ID_SHEET_COMBO.
    explicit SheetChooser(wxToolBar* toolBar);

    // Lists `names` and shows `shown` when it is one of them (nothing when
    // the list is empty).
    void Show(const std::vector<std::string>& names, const std::string& shown);

    // The sheet `step` entries away from the one shown, in the order listed,
    // going round at either end; empty when the list is empty.
    std::string Neighbour(int step) const;

    // The chooser takes the toolbar's room left of the window's right edge.
    void Fit(int windowWidth);

    wxComboBox* Control() const { return combo_; }

private:
    wxComboBox* combo_;
    std::vector<std::string> names_;
};

}  // namespace zavgui
