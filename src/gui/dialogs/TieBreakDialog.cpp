#include "dialogs/TieBreakDialog.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "dialogs/ListChoice.h"
#include "sheet/ResultEntry.h"
#include "support/GuiText.h"

namespace zavgui {

TieBreakDialog::TieBreakDialog(wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitleTieBreak),
      keys_(this, [this](size_t row, std::string_view typed, char32_t key) {
          return zav::NumberKey(zav::TieBreakChoiceFor(sheet_, static_cast<int>(row)).entries,
                                typed, key);
      }) {
    SetGuideSection(GuideSection::ResultKeys);
    auto* header = new wxStaticText(this, wxID_ANY, Tx(zav::TextId::TieBreakHeader));
    header->SetFont(header->GetFont().Bold());
    Body()->Add(header, 0, wxBOTTOM, 8);

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ArrivalOrder));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, 4, 12);
    grid->AddGrowableCol(0);
    for (int t = 0; t < zav::TeamsInUse(sheet_); ++t) {
        labels.push_back(new wxStaticText(box, wxID_ANY, FromCore(zav::TeamLabel(sheet_, t))));
        positions.push_back(new ListChoice(box, wxArrayString(), Typing::Numbers));
        positions.back()->SetMinSize(wxSize(70, -1));
        keys_.AddRow(positions.back());
        grid->Add(labels.back(), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(positions.back(), 0);
    }
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 1, wxEXPAND);
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::TieBreakKeysHint)), 0, wxTOP, 8);

    DisplayTieBreak();
    FinishLayout();
    for (ListChoice* list : positions)
        if (list->IsEnabled()) {
            list->SetFocus();
            return;
        }
    if (wxWindow* ok = FindWindow(wxID_OK)) ok->SetFocus();
}

void TieBreakDialog::DisplayTieBreak() {
    for (size_t t = 0; t < positions.size(); ++t) {
        const zav::TieBreakChoice choice = zav::TieBreakChoiceFor(sheet_, static_cast<int>(t));
        wxArrayString entries;
        for (int p : choice.entries) entries.Add(wxString::Format("%d", p));
        positions[t]->Set(entries);
        positions[t]->SetSelection(choice.selected);
        positions[t]->Enable(choice.level);
    }
}

bool TieBreakDialog::StoreControls() {
    for (size_t t = 0; t < positions.size(); ++t)
        sheet_.iTieBreakPlace[t] = zav::PlaceFromText(ToCore(positions[t]->GetStringSelection()));
    return true;
}

}  // namespace zavgui
