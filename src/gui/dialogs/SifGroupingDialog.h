// One pass of grouping categories onto the sheets of a new set: the user
// picks, among the categories not yet on a sheet, those of sheet number N.
#pragma once

#include <cstddef>
#include <vector>

#include "dialogs/ZavDialog.h"
#include "sets/SetCreation.h"

class wxListBox;

namespace zavgui {

class SifGroupingDialog : public ZavDialog {
public:
    // Lists the categories of `entries` that `plan` has not put on a sheet
    // yet; the chosen ones are for sheet `sheetNumber`.
    SifGroupingDialog(wxWindow* parent, zav::Language wxLanguage, const zav::SifEntries& entries,
                      const zav::SetPlan& plan, int sheetNumber);

    // OK with no line selected leaves the dialog open.
    bool TransferDataFromWindow() override;

    // The chosen categories (indexes into the entries' category list), in
    // list order; valid after OK.
    std::vector<std::size_t> chosen;

    // The list, for the tests that play the user.
    wxListBox* categories = nullptr;

private:
    std::vector<std::size_t> listed_;  // category index of each line
};

}  // namespace zavgui
