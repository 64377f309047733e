#include "dialogs/SifGroupingDialog.h"

#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "support/GuiText.h"

namespace zavgui {

SifGroupingDialog::SifGroupingDialog(wxWindow* parent, zav::Language wxLanguage,
                                     const zav::SifEntries& entries, const zav::SetPlan& plan,
                                     int sheetNumber)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleSetGroups),
      listed_(zav::UnassignedCategories(plan)) {
    SetGuideSection(GuideSection::SetsFromEntries);
    auto* heading = new wxStaticText(
        this, wxID_ANY, Tx(zav::TextId::SheetNumber) + wxString::Format(" %d", sheetNumber));
    heading->SetFont(heading->GetFont().Bold());
    Body()->Add(heading, 0, wxBOTTOM, 8);

    wxArrayString lines;
    for (const std::size_t i : listed_)
        lines.Add(FromCore(zav::GroupChoiceLine(entries.sCategory[i])));
    categories = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(420, 240), lines,
                               wxLB_EXTENDED | wxLB_NEEDED_SB | wxLB_HSCROLL);
    Body()->Add(categories, 1, wxEXPAND);

    for (const zav::TextId note :
         {zav::TextId::GroupNote1, zav::TextId::GroupNote2, zav::TextId::GroupNote3})
        Body()->Add(new wxStaticText(this, wxID_ANY, Tx(note)), 0, wxTOP, 6);

    FinishLayout();
    categories->SetFocus();
}

bool SifGroupingDialog::TransferDataFromWindow() {
    wxArrayInt selections;
    categories->GetSelections(selections);
    if (selections.empty()) return false;
    chosen.clear();
    for (const int line : selections) chosen.push_back(listed_[static_cast<std::size_t>(line)]);
    return true;
}

}  // namespace zavgui
