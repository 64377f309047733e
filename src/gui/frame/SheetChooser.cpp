#include "frame/SheetChooser.h"

#include <wx/combobox.h>
#include <wx/toolbar.h>

#include <algorithm>

#include "frame/CommandIds.h"
#include "platform/ToolkitPlatform.h"
#include "support/GuiText.h"

namespace zavgui {

// Narrow enough for the toolbar of the smallest window (GTK hides a tool
// that does not fit); its list opens as wide as the longest name.
SheetChooser::SheetChooser(wxToolBar* toolBar)
    : combo_(new wxComboBox(toolBar, ID_SHEET_COMBO, wxEmptyString, wxDefaultPosition,
                            wxSize(kSheetChooserMinWidth, -1), wxArrayString(),
                            wxCB_DROPDOWN | wxCB_READONLY | wxCB_SORT)) {
    toolBar->AddControl(combo_);
}

void SheetChooser::Show(const std::vector<std::string>& names, const std::string& shown) {
    if (names != names_) {
        names_ = names;
        wxArrayString entries;
        for (const std::string& name : names) entries.Add(FromCore(name));
        combo_->Set(entries);  // the control sorts them
        // Windows sizes the list from the names it holds when asked.
        LetListOpenWide(*combo_);
    }
    if (names_.empty())
        combo_->SetValue(wxEmptyString);
    else if (std::find(names_.begin(), names_.end(), shown) != names_.end())
        combo_->SetStringSelection(FromCore(shown));
    // The whole name, however narrow the toolbar leaves the chooser.
    combo_->SetToolTip(combo_->GetValue());
}

std::string SheetChooser::Neighbour(int step) const {
    const int count = static_cast<int>(combo_->GetCount());
    if (count == 0) return std::string();
    const int shown = std::max(combo_->GetSelection(), 0);
    return ToCore(
        combo_->GetString(static_cast<unsigned>(((shown + step) % count + count) % count)));
}

// The toolbar spans the window's width; it may not have taken a new width
// yet when this runs, the window has.
void SheetChooser::Fit(int windowWidth) {
    constexpr int kMargin = 8;
    const int left = combo_->GetPosition().x;
    if (left <= 0) return;  // not placed yet
    const int width =
        std::clamp(windowWidth - left - kMargin, kSheetChooserMinWidth, kSheetChooserMaxWidth);
    if (width == combo_->GetSize().x) return;
    combo_->SetMinSize(wxSize(width, -1));
    combo_->SetSize(wxSize(width, -1));
}

}  // namespace zavgui
