// The list of earlier sheets that the championship dialogs share: the sheets
// offered (of the open set, or added before), checked as the dialog decides,
// and the sheets the scorer adds, checked. Each sheet is read once, when
// listed; one that cannot be read stays listed and is named with the
// reader's message.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "championship/Heats.h"

class wxButton;
class wxCheckListBox;
class wxSizer;
class wxWindow;

namespace zavgui {

class EarlierSheets {
public:
    // `offered` are listed, those `checkOffered` takes checked;
    // `chooseSheets` runs the file chooser (several files at once); the list
    // calls `changed` after every change of what is checked.
    EarlierSheets(wxWindow* parent, zav::Language language, const std::vector<std::string>& offered,
                  const std::function<bool(const zav::Heat&)>& checkOffered,
                  std::function<std::vector<std::string>()> chooseSheets,
                  std::function<void()> changed);

    wxSizer* Sizer() const { return sizer_; }
    // Adds and checks sheets not listed yet.
    void AddSheets(const std::vector<std::string>& paths);
    // The checked sheets, in list order.
    std::vector<const zav::Heat*> Checked() const;
    // The checked sheets that could be read.
    std::vector<const zav::ScoreSheet*> CheckedSheets() const;
    // "Sheet not read: ..." for each checked sheet that could not be read.
    std::string Problems() const;

    wxCheckListBox* list = nullptr;
    wxButton* add = nullptr;

private:
    const zav::Language language_;
    std::vector<zav::Heat> heats_;  // one per list entry
    std::function<void()> changed_;
    wxSizer* sizer_ = nullptr;
};

}  // namespace zavgui
