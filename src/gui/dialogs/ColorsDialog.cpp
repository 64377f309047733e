#include "dialogs/ColorsDialog.h"

#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <iterator>

#include "dialogs/OptionRules.h"
#include "support/GuiText.h"

namespace zavgui {

namespace {

constexpr int kColourFieldLength = 7;

constexpr zav::SettingKey kColourKeys[] = {zav::SettingKey::HeadFont, zav::SettingKey::TitleBkg,
                                           zav::SettingKey::BkgLine1, zav::SettingKey::BkgLine2};
constexpr zav::TextId kColourLabels[] = {zav::TextId::ColorTitle, zav::TextId::ColorHeader,
                                         zav::TextId::ColorEvenLines, zav::TextId::ColorOddLines};

}  // namespace

ColorsDialog::ColorsDialog(wxWindow* parent, const zav::Settings& settings,
                           zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleColors) {
    SetGuideSection(GuideSection::Settings);
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ColorsHeading));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, 6, 8);
    grid->AddGrowableCol(1);
    for (int row = 0; row < 4; ++row) {
        grid->Add(new wxStaticText(box, wxID_ANY, Tx(kColourLabels[row])), 0,
                  wxALIGN_CENTER_VERTICAL);
        const std::string value =
            settings.GetString(kColourKeys[row]).substr(0, kColourFieldLength);
        fields[row] = MakeTextField(box, FromCore(value), kColourFieldLength);
        grid->Add(fields[row], 1, wxEXPAND);
        auto* change = new wxButton(box, wxID_ANY, Tx(zav::TextId::Change));
        change->Bind(wxEVT_BUTTON, [this, row](wxCommandEvent&) { OnChange(row); });
        grid->Add(change);
    }
    group->Add(grid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(group, 0, wxEXPAND);

    auto* models = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ModelsGroup));
    wxWindow* modelBox = models->GetStaticBox();
    auto* modelGrid = new wxGridSizer(4, 6, 6);
    for (int model = 0; model < static_cast<int>(std::size(zav::kColourModelTexts)); ++model) {
        auto* button = new wxButton(modelBox, wxID_ANY, Tx(zav::kColourModelTexts[model]));
        button->Bind(wxEVT_BUTTON, [this, model](wxCommandEvent&) { OnModel(model); });
        modelGrid->Add(button, 0, wxEXPAND);
    }
    models->Add(modelGrid, 1, wxEXPAND | wxALL, 6);
    Body()->Add(models, 0, wxEXPAND | wxTOP, 10);

    blackAndWhite = settings.GetInt(zav::SettingKey::BWOnly) != 0;
    FinishLayout(zav::TextId::ColorsCancel);
}

void ColorsDialog::OnChange(int row) {
    const wxColour chosen = SelectColour(this, fields[row]->GetValue());
    // A cancelled chooser leaves the field as it was.
    if (chosen.IsOk()) fields[row]->SetValue(chosen.GetAsString(wxC2S_HTML_SYNTAX).Upper());
}

void ColorsDialog::OnModel(int model) {
    const ColourModel& colours = kColourModels[model];
    const char* values[] = {colours.headFont, colours.titleBkg, colours.bkgLine1, colours.bkgLine2};
    for (int row = 0; row < 4; ++row) fields[row]->SetValue(values[row]);
    blackAndWhite = colours.blackAndWhite;
}

bool ColorsDialog::TransferDataFromWindow() {
    chosen.clear();
    for (int row = 0; row < 4; ++row)
        chosen.emplace_back(kColourKeys[row],
                            ToCore(fields[row]->GetValue().Left(kColourFieldLength)));
    chosen.emplace_back(zav::SettingKey::BWOnly, blackAndWhite ? "1" : "0");
    return true;
}

wxColourData& SharedColourData() {
    static wxColourData data;
    return data;
}

wxColour SelectColour(wxWindow* parent, const wxString& text) {
    wxColourData& data = SharedColourData();
    data.SetChooseFull(true);
    const wxColour start(text);
    if (start.IsOk()) data.SetColour(start);
    wxColourDialog chooser(parent, &data);
    if (chooser.ShowModal() != wxID_OK) return wxColour();
    data = chooser.GetColourData();
    return data.GetColour();
}

}  // namespace zavgui
