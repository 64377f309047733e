#include "dialogs/PreviousFromSheetsDialog.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "paths/PathNames.h"
#include "report/ScoreFormat.h"
#include "sheet/ResultEntry.h"
#include "support/GuiText.h"
#include "support/WxMessageSink.h"

namespace zavgui {

PreviousFromSheetsDialog::PreviousFromSheetsDialog(
    wxWindow* parent, zav::ScoreSheet& sheet, zav::Language wxLanguage,
    const std::vector<std::string>& offered, std::function<std::vector<std::string>()> chooseSheets)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitlePreviousFromSheets),
      sheets(
          this, wxLanguage, offered, [](const zav::Heat&) { return false; },
          std::move(chooseSheets), [this] { Rebuild(); }),
      sheet_(sheet) {
    SetGuideSection(GuideSection::Championships);
    Body()->Add(sheets.Sizer(), 0, wxEXPAND | wxBOTTOM, 8);
    grid_ = new wxFlexGridSizer(1, 6, 12);
    Body()->Add(grid_, 1, wxEXPAND | wxBOTTOM, 8);
    rule = new wxStaticText(this, wxID_ANY, wxString());
    unmatched = new wxStaticText(this, wxID_ANY, wxString());
    Body()->Add(rule, 0, wxBOTTOM, 4);
    Body()->Add(unmatched, 0);
    Rebuild();
    FinishLayout();
}

void PreviousFromSheetsDialog::Rebuild() {
    grid_->Clear(true);
    matchChoices.clear();
    carried.clear();
    const std::vector<const zav::Heat*> checked = sheets.Checked();
    std::vector<const zav::Heat*> read;
    for (const zav::Heat* heat : checked)
        if (heat->IsRead()) read.push_back(heat);
    grid_->SetCols(static_cast<int>(read.size()) + 2);

    const auto heading = [this](const wxString& text) {
        auto* label = new wxStaticText(this, wxID_ANY, text);
        label->SetFont(label->GetFont().Bold());
        grid_->Add(label, 0, wxALIGN_BOTTOM);
    };
    heading(Tx(zav::TextId::TeamColumn));
    for (const zav::Heat* heat : read) heading(FromCore(zav::FileNameOf(heat->path)));
    heading(Tx(zav::TextId::CarriedColumn));

    const zav::TeamMatches proposed = zav::ProposeMatches(sheet_, sheets.CheckedSheets());
    for (int t = 0; t < zav::TeamsInUse(sheet_); ++t) {
        grid_->Add(new wxStaticText(this, wxID_ANY, FromCore(zav::TeamLabel(sheet_, t))), 0,
                   wxALIGN_CENTER_VERTICAL);
        matchChoices.emplace_back();
        for (std::size_t s = 0; s < read.size(); ++s) {
            wxArrayString entries;
            entries.Add(Tx(zav::TextId::NoTeamEntry));
            for (const std::string& name : zav::TeamNames(read[s]->sheet))
                entries.Add(FromCore(name));
            auto* choice = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, entries);
            // A name two teams share is left unchosen: the scorer decides.
            const int match = proposed[t][s];
            if (match != zav::kAskTeam) choice->SetSelection(match + 1);
            choice->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ShowCarried(); });
            grid_->Add(choice, 0);
            matchChoices.back().push_back(choice);
        }
        carried.push_back(new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition,
                                           wxSize(60, -1), wxALIGN_RIGHT | wxST_NO_AUTORESIZE));
        grid_->Add(carried.back(), 0, wxALIGN_CENTER_VERTICAL);
    }
    rule->SetLabel(read.empty()
                       ? wxString()
                       : Tx(zav::CarryRuleFor(read.size()) == zav::CarryRule::TotalOfOneSheet
                                ? zav::TextId::CarryTotalNote
                                : zav::TextId::CarrySumNote));
    ShowCarried();
    if (GetSizer()) Fit();
}

zav::TeamMatches PreviousFromSheetsDialog::Matches() const {
    zav::TeamMatches matches;
    for (const auto& row : matchChoices) {
        matches.emplace_back();
        for (const wxChoice* choice : row) {
            const int selection = choice->GetSelection();
            matches.back().push_back(selection == wxNOT_FOUND ? zav::kAskTeam : selection - 1);
        }
    }
    return matches;
}

void PreviousFromSheetsDialog::ShowCarried() {
    const zav::TeamMatches matches = Matches();
    const std::vector<const zav::ScoreSheet*> read = sheets.CheckedSheets();
    for (std::size_t t = 0; t < carried.size(); ++t) {
        const zav::Carried points =
            zav::CarriedScores(sheet_, static_cast<int>(t), read, matches[t]);
        carried[t]->SetLabel(points.points ? FromCore(zav::FormatScore(*points.points))
                                           : wxString());
    }
    wxString lines;
    if (!read.empty()) {
        wxString names;
        for (const int t : zav::UnmatchedTeams(matches))
            names += (names.empty() ? wxString() : wxS(", ")) + FromCore(sheet_.sTeamName[t]);
        if (!names.empty()) lines = TxFormat(wxLanguage_, zav::TextId::UnmatchedTeams, names);
    }
    const wxString problems = FromCore(sheets.Problems());
    if (!problems.empty()) lines += (lines.empty() ? wxString() : wxS("\n")) + problems;
    unmatched->SetLabel(lines);
}

bool PreviousFromSheetsDialog::TransferDataFromWindow() {
    const zav::TeamMatches matches = Matches();
    for (std::size_t t = 0; t < matches.size(); ++t) {
        for (const int match : matches[t]) {
            if (match != zav::kAskTeam) continue;
            ShowNotice(
                this,
                TxFormat(wxLanguage_, zav::TextId::ChooseTeamOf, FromCore(sheet_.sTeamName[t])),
                sAppli, wxICON_INFORMATION);
            return false;
        }
    }
    zav::StoreCarriedScores(sheet_, sheets.CheckedSheets(), matches);
    return true;
}

}  // namespace zavgui
