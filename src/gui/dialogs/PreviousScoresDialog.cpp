#include "dialogs/PreviousScoresDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "sheet/ResultEntry.h"
#include "support/GuiText.h"

namespace zavgui {

namespace {
constexpr int kScoreFieldLength = 9;
}

PreviousScoresDialog::PreviousScoresDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                           zav::Language wxLanguage, PreviousScores kind)
    : SheetDialog(parent, sheet, wxLanguage,
                  kind == PreviousScores::Heat ? zav::TextId::TitlePreviousHeat
                                               : zav::TextId::TitlePreviousChall),
      keyboard(this),
      kind_(kind) {
    SetGuideSection(GuideSection::Championships);
    const bool heat = kind_ == PreviousScores::Heat;
    auto* header = new wxStaticText(
        this, wxID_ANY,
        Tx(heat ? zav::TextId::TitlePreviousHeat : zav::TextId::PreviousChallHeader));
    header->SetFont(header->GetFont().Bold());
    Body()->Add(header, 0, wxBOTTOM, 8);

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ScoresGroup));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, 4, 12);
    grid->AddGrowableCol(0);
    float* scores = Scores();
    float* saved = heat ? sheet_.fPreviousScoreSave : sheet_.fChallengePreviousScoreSave;
    for (int t = 0; t < zav::TeamsInUse(sheet_); ++t) {
        saved[t] = scores[t];
        if (!heat && !sheet_.bChallengeTeam[t]) continue;
        rowTeams.push_back(t);
        labels.push_back(new wxStaticText(box, wxID_ANY, FromCore(zav::TeamLabel(sheet_, t))));
        fields.push_back(new wxTextCtrl(box, wxID_ANY, FromCore(zav::PreviousScoreText(scores[t])),
                                        wxDefaultPosition, wxSize(80, -1), wxTE_RIGHT));
        fields.back()->SetMaxLength(kScoreFieldLength);
        grid->Add(labels.back(), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(fields.back(), 0);
    }
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 1, wxEXPAND);

    eraseAll = new wxButton(this, wxID_ANY, Tx(zav::TextId::EraseAll));
    eraseAll->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EraseAll(); });
    Body()->Add(eraseAll, 0, wxALIGN_RIGHT | wxTOP, 8);
    FinishLayout();
    if (!fields.empty()) {
        fields.front()->SetFocus();
        fields.front()->SelectAll();
    }
}

float* PreviousScoresDialog::Scores() {
    return kind_ == PreviousScores::Heat ? sheet_.fPreviousScore : sheet_.fChallengePreviousScore;
}

void PreviousScoresDialog::EraseAll() {
    for (wxTextCtrl* field : fields) field->ChangeValue(wxS("0"));
}

bool PreviousScoresDialog::StoreControls() {
    float* scores = Scores();
    for (size_t row = 0; row < fields.size(); ++row)
        scores[rowTeams[row]] = zav::PreviousScoreFromText(ToCore(fields[row]->GetValue()));
    return true;
}

}  // namespace zavgui
