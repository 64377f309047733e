#include "OptionDialogs.h"

#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "GuiText.h"
#include "OptionRules.h"

namespace zavgui {

namespace {

constexpr int kColourFieldLength = 7;
constexpr int kLanguageCodeLength = 2;

constexpr zav::SettingKey kColourKeys[] = {zav::SettingKey::HeadFont, zav::SettingKey::TitleBkg,
                                           zav::SettingKey::BkgLine1, zav::SettingKey::BkgLine2};
constexpr zav::TextId kColourLabels[] = {zav::TextId::ColorTitle, zav::TextId::ColorHeader,
                                         zav::TextId::ColorEvenLines, zav::TextId::ColorOddLines};

std::string Cut(const wxString& text, size_t length) {
    return ToCore(text.Left(length));
}

}  // namespace

// --- Logo ---

LogoDialog::LogoDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleLogo), settings_(settings) {
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::LogoNote)), 0, wxBOTTOM, 8);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    field = MakeTextField(this,
                          FromCore(JoinLogoField(settings_.GetString(zav::SettingKey::LogoPath),
                                                 settings_.GetString(zav::SettingKey::LogoName))));
    field->SetMinSize(wxSize(420, -1));
    row->Add(field, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    auto* search = new wxButton(this, wxID_ANY, Tx(zav::TextId::Search));
    search->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSearch(); });
    row->Add(search, 0, wxALIGN_CENTER_VERTICAL);
    Body()->Add(row, 0, wxEXPAND);
    FinishLayout();
}

void LogoDialog::OnSearch() {
    wxFileDialog chooser(this, Tx(zav::TextId::SelectLogoCaption), wxEmptyString, wxEmptyString,
                         Tx(zav::TextId::PictureFilter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() == wxID_OK) field->SetValue(chooser.GetPath());
}

bool LogoDialog::TransferDataFromWindow() {
    const LogoSetting logo = SplitLogoField(Cut(field->GetValue(), 254));
    // A settings file that cannot be written is not reported yet: the option
    // keeps its old value.
    static_cast<void>(settings_.Set(zav::SettingKey::LogoPath, logo.logoPath));
    static_cast<void>(settings_.Set(zav::SettingKey::LogoName, logo.logoName));
    return true;
}

// --- Colours ---

ColorsDialog::ColorsDialog(wxWindow* parent, const zav::Settings& settings,
                           zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleColors), settings_(settings) {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Tx(zav::TextId::ColorsHeading));
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, 6, 8);
    grid->AddGrowableCol(1);
    for (int row = 0; row < 4; ++row) {
        grid->Add(new wxStaticText(box, wxID_ANY, Tx(kColourLabels[row])), 0,
                  wxALIGN_CENTER_VERTICAL);
        const std::string value =
            settings_.GetString(kColourKeys[row]).substr(0, kColourFieldLength);
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

    iBWOnly = settings_.GetInt(zav::SettingKey::BWOnly);
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
    iBWOnly = colours.iBWOnly;
}

bool ColorsDialog::TransferDataFromWindow() {
    // A settings file that cannot be written is not reported yet: the option
    // keeps its old value.
    for (int row = 0; row < 4; ++row)
        static_cast<void>(
            settings_.Set(kColourKeys[row], Cut(fields[row]->GetValue(), kColourFieldLength)));
    static_cast<void>(settings_.Set(zav::SettingKey::BWOnly, iBWOnly != 0 ? "1" : "0"));
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

// --- Language ---

LanguageDialog::LanguageDialog(wxWindow* parent, const zav::Settings& settings,
                               zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleLanguage), settings_(settings) {
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::LanguageNote)), 0, wxBOTTOM, 8);
    list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 110), 0, nullptr,
                         wxLB_SINGLE | wxLB_SORT);
    for (const zav::TextId name : zav::kLanguageNameTexts) list->Append(Tx(name));
    wxString code = FromCore(settings_.GetString(zav::SettingKey::Language));
    if (code.empty()) code = wxS("FR");
    list->SetSelection(FindEntryFor(list->GetStrings(), code));
    Body()->Add(list, 1, wxEXPAND);
    FinishLayout();
}

// OK needs a chosen language; until then the dialog stays open.
bool LanguageDialog::TransferDataFromWindow() {
    if (list->GetSelection() == wxNOT_FOUND) return false;
    // A settings file that cannot be written is not reported yet: the option
    // keeps its old value.
    static_cast<void>(settings_.Set(zav::SettingKey::Language,
                                    Cut(list->GetStringSelection(), kLanguageCodeLength)));
    return true;
}

}  // namespace zavgui
