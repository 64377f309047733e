// The base of the dialogs that change the open sheet. The dialog's controls
// show and take back a copy of the sheet, `sheet_`; the sheet itself gets
// that copy only when OK is accepted. So Cancel, Escape or the window's close
// box leave the sheet exactly as it was, even after a choice that changes
// other fields of the copy at once (a new teams number resets the points
// scale).
#pragma once

#include "dialogs/ZavDialog.h"
#include "sheet/ScoreSheet.h"

namespace zavgui {

class SheetDialog : public ZavDialog {
public:
    // What OK runs: the controls into the copy (StoreControls), then, when
    // they are accepted, the copy into the sheet.
    bool TransferDataFromWindow() final;

protected:
    SheetDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage,
                zav::TextId title);

    // The controls into `sheet_`; false keeps the dialog open and the sheet
    // as it was.
    virtual bool StoreControls() = 0;

    zav::ScoreSheet sheet_;

private:
    zav::ScoreSheet& target_;
};

}  // namespace zavgui
