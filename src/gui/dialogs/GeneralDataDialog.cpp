#include "dialogs/GeneralDataDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <vector>

#include "dialogs/ListChoice.h"
#include "support/GuiText.h"
#include "support/WxMessageSink.h"

namespace zavgui {

namespace {

constexpr int kMinTeams = 2;
constexpr int kMinGames = 4;
constexpr int kMaxChallengePoints = 6;
// The largest heat of an event has 10 teams, plus one point under French rules.
constexpr int kHighestFirstTeamPoints = zav::kMaxTeams + 1;

wxArrayString NumberEntries(int first, int last) {
    wxArrayString entries;
    for (int n = first; n <= last; ++n) entries.Add(wxString::Format("%d", n));
    return entries;
}

void SelectIndex(ListChoice* choice, int index) {
    choice->SetSelection(index >= 0 && index < static_cast<int>(choice->GetCount()) ? index
                                                                                    : wxNOT_FOUND);
}

}  // namespace

GeneralDataDialog::GeneralDataDialog(wxWindow* parent, zav::ScoreSheet& sheet,
                                     zav::Language wxLanguage)
    : SheetDialog(parent, sheet, wxLanguage, zav::TextId::TitleGeneralData), keyboard_(this) {
    SetGuideSection(GuideSection::FirstHeat);
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::GeneralGroup));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, 6, 8);
    grid->AddGrowableCol(1);
    std::vector<wxStaticText*> labels;
    const auto label = [&](wxWindow* parent, zav::TextId id) {
        labels.push_back(new wxStaticText(parent, wxID_ANY, Tx(id)));
        return labels.back();
    };
    const auto addRow = [&](zav::TextId labelId, wxWindow* control, wxWindow* extra = nullptr) {
        grid->Add(label(box, labelId), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(control, 1, wxEXPAND);
        if (extra)
            grid->Add(extra);
        else
            grid->AddSpacer(0);
    };
    const auto helpButton = [&](zav::TextId text, zav::TextId caption) {
        auto* button = new wxButton(box, wxID_ANY, Tx(zav::TextId::HelpMark), wxDefaultPosition,
                                    wxDefaultSize, wxBU_EXACTFIT);
        button->Bind(wxEVT_BUTTON,
                     [this, text, caption](wxCommandEvent&) { ShowHelp(text, caption); });
        return button;
    };

    title = MakeTextField(box, wxString());
    title->SetMinSize(wxSize(320, -1));
    subTitle = MakeTextField(box, wxString());
    date = MakeTextField(box, wxString());
    wxArrayString periods;
    for (const zav::TextId period : zav::kPeriodTexts) periods.Add(zavgui::Tx(wxLanguage, period));
    time = new ListChoice(box, periods);
    referee = MakeTextField(box, wxString());
    teams = new ListChoice(box, NumberEntries(kMinTeams, zav::kMaxTeams), Typing::Numbers);
    teams->Bind(wxEVT_COMBOBOX, &GeneralDataDialog::OnTeamsChanged, this);
    games = new ListChoice(box, NumberEntries(kMinGames, zav::kMaxGames), Typing::Numbers);
    points = new ListChoice(box, wxArrayString(), Typing::Numbers);
    elimination = new ListChoice(box);
    elimination->Append(zavgui::Tx(wxLanguage, zav::TextId::EliminationInternational));
    elimination->Append(zavgui::Tx(wxLanguage, zav::TextId::EliminationFrench));

    addRow(zav::TextId::Title, title);
    addRow(zav::TextId::SubTitle, subTitle);
    addRow(zav::TextId::Date, date);
    addRow(zav::TextId::Time, time);
    addRow(zav::TextId::Referee, referee);
    addRow(zav::TextId::TeamsNumber, teams);
    addRow(zav::TextId::GamesNumber, games);
    addRow(zav::TextId::FirstTeamPoints, points,
           helpButton(zav::TextId::PointsHelp, zav::TextId::PointsHelpCaption));
    addRow(zav::TextId::EliminationRules, elimination,
           helpButton(zav::TextId::EliminationHelp, zav::TextId::EliminationHelpCaption));
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 0, wxEXPAND);

    auto* challengeGroup = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ChallengeGroup));
    wxWindow* challengeBox = challengeGroup->GetStaticBox();
    auto* challengeGrid = new wxFlexGridSizer(2, 6, 8);
    challengeGrid->AddGrowableCol(1);
    challengeTitle = MakeTextField(challengeBox, wxString());
    challengePoints =
        new ListChoice(challengeBox, NumberEntries(0, kMaxChallengePoints), Typing::Numbers);
    challengeGrid->Add(label(challengeBox, zav::TextId::ChallengeTitle), 0,
                       wxALIGN_CENTER_VERTICAL);
    challengeGrid->Add(challengeTitle, 1, wxEXPAND);
    challengeGrid->Add(label(challengeBox, zav::TextId::FirstChallengePoints), 0,
                       wxALIGN_CENTER_VERTICAL);
    challengeGrid->Add(challengePoints);
    // The fields of both groups start on one line.
    int labelWidth = 0;
    for (wxStaticText* text : labels) labelWidth = std::max(labelWidth, text->GetBestSize().x);
    for (wxStaticText* text : labels) text->SetMinSize(wxSize(labelWidth, -1));
    challengeGroup->Add(challengeGrid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(challengeGroup, 0, wxEXPAND | wxTOP, 10);

    DisplayGeneralData();
    FinishLayout();
}

void GeneralDataDialog::DisplayGeneralData() {
    title->ChangeValue(FromCore(sheet_.sTitle));
    subTitle->ChangeValue(FromCore(sheet_.sSubTitle));
    date->ChangeValue(FromCore(sheet_.sDate));
    time->SetSelection(FindEntryFor(time->GetStrings(), FromCore(sheet_.sAmPm)));
    referee->ChangeValue(FromCore(sheet_.sReferee));
    SelectIndex(teams, sheet_.iTeamsNr - kMinTeams);
    SelectIndex(games, sheet_.iGamesNr - kMinGames);
    FillPoints();
    SelectIndex(elimination, sheet_.iEliminationRule);
    challengeTitle->ChangeValue(FromCore(sheet_.sChallengeTitle));
    SelectIndex(challengePoints, sheet_.iChallengeScoring);
}

// Entry k reads the teams number + k: the two values the rules need, and
// more for a heat smaller than the largest heat of the event.
void GeneralDataDialog::FillPoints() {
    points->Set(NumberEntries(sheet_.iTeamsNr, std::max(kHighestFirstTeamPoints, sheet_.iScoring)));
    SelectIndex(points, sheet_.iScoring - sheet_.iTeamsNr);
}

void GeneralDataDialog::StoreTexts() {
    sheet_.sTitle = ToCore(title->GetValue());
    sheet_.sSubTitle = ToCore(subTitle->GetValue());
    sheet_.sDate = ToCore(date->GetValue());
    sheet_.sAmPm =
        time->GetSelection() == wxNOT_FOUND ? std::string() : ToCore(time->GetStringSelection());
    sheet_.sReferee = ToCore(referee->GetValue());
}

// A new teams number resets the points scale at once: the dialog's copy of
// the sheet takes it with the texts typed so far; the sheet only with OK.
void GeneralDataDialog::OnTeamsChanged(wxCommandEvent&) {
    if (teams->GetSelection() == wxNOT_FOUND) return;
    StoreTexts();
    sheet_.iTeamsNr = teams->GetSelection() + kMinTeams;
    sheet_.iScoring = sheet_.iTeamsNr;
    FillPoints();
}

bool GeneralDataDialog::StoreControls() {
    StoreTexts();
    if (teams->GetSelection() != wxNOT_FOUND) sheet_.iTeamsNr = teams->GetSelection() + kMinTeams;
    if (games->GetSelection() != wxNOT_FOUND) sheet_.iGamesNr = games->GetSelection() + kMinGames;
    if (points->GetSelection() != wxNOT_FOUND)
        sheet_.iScoring = sheet_.iTeamsNr + points->GetSelection();
    if (elimination->GetSelection() != wxNOT_FOUND)
        sheet_.iEliminationRule = elimination->GetSelection();
    sheet_.sChallengeTitle = ToCore(challengeTitle->GetValue());
    if (challengePoints->GetSelection() != wxNOT_FOUND)
        sheet_.iChallengeScoring = challengePoints->GetSelection();
    return true;
}

void GeneralDataDialog::ShowHelp(zav::TextId text, zav::TextId caption) {
    ShowNotice(this, Tx(text), Tx(caption), wxICON_QUESTION);
}

}  // namespace zavgui
