#include "dialogs/PublishDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dirdlg.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "publish/PublishSettings.h"
#include "support/GuiText.h"
#include "support/WxMessageSink.h"
#include "upload/UploadAddress.h"

namespace zavgui {

PublishDialog::PublishDialog(wxWindow* parent, const zav::Settings& settings,
                             zav::Language wxLanguage, const ChooserFolders& folders)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitlePublish),
      settings_(settings),
      folders_(folders) {
    SetGuideSection(GuideSection::Publishing);
    const zav::PublishSettings publish = zav::ReadPublishSettings(settings_);
    on_ = new wxCheckBox(this, wxID_ANY, Tx(zav::TextId::PublishOnSave), wxDefaultPosition,
                         wxDefaultSize, 0, wxDefaultValidator, kOnName);
    on_->SetValue(publish.on);
    Body()->Add(on_, 0, wxBOTTOM, 10);

    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishFolderLabel)), 0, wxBOTTOM,
                4);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    folder_ = MakeTextField(this, FromCore(publish.folder));
    folder_->SetName(kFolderName);
    folder_->SetMinSize(wxSize(420, -1));
    row->Add(folder_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    auto* search = new wxButton(this, wxID_ANY, Tx(zav::TextId::Search));
    search->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSearch(); });
    row->Add(search, 0, wxALIGN_CENTER_VERTICAL);
    Body()->Add(row, 0, wxEXPAND | wxBOTTOM, 4);
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishNote)), 0, wxBOTTOM, 10);

    auto* reload = new wxBoxSizer(wxHORIZONTAL);
    reload->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishRefreshLabel)), 0,
                wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    refresh_ = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                              wxSP_ARROW_KEYS, 0, zav::kMaxRefreshSeconds, publish.refreshSeconds,
                              kRefreshName);
    reload->Add(refresh_, 0, wxALIGN_CENTER_VERTICAL);
    Body()->Add(reload, 0, wxBOTTOM, 10);

    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishUploadLabel)), 0, wxBOTTOM,
                4);
    // A password an older settings file holds in the address is never shown.
    storedSite_ = zav::AddressWithoutPassword(publish.uploadUrl);
    if (const auto stored = zav::ParseUploadAddress(publish.uploadUrl))
        storedPassword_ = stored->password;
    upload_ = MakeTextField(this, FromCore(storedSite_), 1000);
    upload_->SetName(kUploadName);
    Body()->Add(upload_, 0, wxEXPAND | wxBOTTOM, 6);
    auto* login = new wxFlexGridSizer(2, 6, 6);
    login->AddGrowableCol(1);
    login->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishArenaLabel)), 0,
               wxALIGN_CENTER_VERTICAL);
    arena_ = MakeTextField(this, FromCore(publish.arena));
    arena_->SetName(kArenaName);
    login->Add(arena_, 1, wxEXPAND);
    login->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishPasswordLabel)), 0,
               wxALIGN_CENTER_VERTICAL);
    password_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxTE_PASSWORD, wxDefaultValidator, kPasswordName);
    login->Add(password_, 1, wxEXPAND);
    login->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishS3EndpointLabel)), 0,
               wxALIGN_CENTER_VERTICAL);
    s3Endpoint_ = MakeTextField(this, FromCore(publish.s3.endpoint), 1000);
    s3Endpoint_->SetName(kS3EndpointName);
    login->Add(s3Endpoint_, 1, wxEXPAND);
    login->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::PublishS3RegionLabel)), 0,
               wxALIGN_CENTER_VERTICAL);
    s3Region_ = MakeTextField(this, FromCore(publish.s3.region));
    s3Region_->SetName(kS3RegionName);
    login->Add(s3Region_, 1, wxEXPAND);
    Body()->Add(login, 0, wxEXPAND);
    FinishLayout();
}

void PublishDialog::OnSearch() {
    const wxString start =
        folder_->GetValue().empty() ? folders_.Start(FileKind::Export) : folder_->GetValue();
    wxDirDialog chooser(this, Tx(zav::TextId::ChoosePublishFolder), start, wxDD_DEFAULT_STYLE);
    if (chooser.ShowModal() == wxID_OK) folder_->SetValue(chooser.GetPath());
}

bool PublishDialog::TransferDataFromWindow() {
    if (!TypedUrl().empty() && !zav::ParseUploadAddress(TypedUrl())) {
        ShowNotice(this, Tx(zav::TextId::UploadBadAddress), sAppli, wxICON_INFORMATION);
        upload_->SetFocus();
        return false;
    }
    zav::PublishSettings publish;
    publish.on = on_->GetValue();
    publish.folder = ToCore(folder_->GetValue());
    publish.refreshSeconds = refresh_->GetValue();
    publish.uploadUrl = UploadUrl();
    publish.arena = ToCore(arena_->GetValue().Strip(wxString::both));
    publish.s3 = {ToCore(s3Endpoint_->GetValue().Strip(wxString::both)),
                  ToCore(s3Region_->GetValue().Strip(wxString::both))};
    if (!zav::WritePublishSettings(settings_, publish))
        ShowNotice(this,
                   TxFormat(wxLanguage_, zav::TextId::ErrorWriting, FromCore(settings_.Path())),
                   sAppli, wxICON_INFORMATION);
    return true;
}

// The password field, else one typed in the address, else the one an older
// settings file held for the same site, which OK would otherwise lose.
std::string PublishDialog::Password() const {
    if (!password_->GetValue().empty()) return ToCore(password_->GetValue());
    const std::optional<zav::UploadAddress> typed = zav::ParseUploadAddress(TypedUrl());
    if (typed && !typed->password.empty()) return typed->password;
    return UploadUrl() == storedSite_ ? storedPassword_ : std::string();
}

std::string PublishDialog::UploadUrl() const {
    return zav::AddressWithoutPassword(TypedUrl());
}

std::string PublishDialog::TypedUrl() const {
    return ToCore(upload_->GetValue().Strip(wxString::both));
}

}  // namespace zavgui
