#include "dialogs/LogoDialog.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/OptionRules.h"
#include "support/GuiText.h"

namespace zavgui {

LogoDialog::LogoDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage,
                       const ChooserFolders& folders)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleLogo), folders_(folders) {
    SetGuideSection(GuideSection::Settings);
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::LogoNote)), 0, wxBOTTOM, 8);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    field =
        MakeTextField(this, FromCore(JoinLogoField(settings.GetString(zav::SettingKey::LogoPath),
                                                   settings.GetString(zav::SettingKey::LogoName))));
    field->SetMinSize(wxSize(420, -1));
    row->Add(field, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    auto* search = new wxButton(this, wxID_ANY, Tx(zav::TextId::Search));
    search->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSearch(); });
    row->Add(search, 0, wxALIGN_CENTER_VERTICAL);
    Body()->Add(row, 0, wxEXPAND);
    FinishLayout();
}

void LogoDialog::OnSearch() {
    wxFileDialog chooser(this, Tx(zav::TextId::SelectLogoCaption), folders_.Start(FileKind::Logo),
                         wxEmptyString, Tx(zav::TextId::PictureFilter),
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK) return;
    field->SetValue(chooser.GetPath());
    folders_.Remember(FileKind::Logo, chooser.GetPath());
}

bool LogoDialog::TransferDataFromWindow() {
    const LogoSetting logo = SplitLogoField(ToCore(field->GetValue().Left(254)));
    chosen = {{zav::SettingKey::LogoPath, logo.logoPath},
              {zav::SettingKey::LogoName, logo.logoName}};
    return true;
}

}  // namespace zavgui
