#include "frame/PublishCommands.h"

#include <wx/msgdlg.h>
#include <wx/progdlg.h>
#include <wx/statusbr.h>
#include <wx/textdlg.h>

#include "dialogs/PublishDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "platform/DesktopSecretStore.h"
#include "platform/ToolkitPlatform.h"
#include "platform/UserFolders.h"
#include "publish/PublishSettings.h"
#include "support/GuiText.h"
#include "support/WxMessageSink.h"

namespace zavgui {

PublishCommands::PublishCommands(wxZAVFrame& frame)
    : frame_(frame),
      secrets_(MakeDesktopSecretStore()),
      publisher_(
          frame.AppSettings(), frame.User().Reporter(),
          UploadHooks{secrets_.get(),
                      [this](const std::string& site) -> std::optional<std::string> {
                          wxPasswordEntryDialog ask(
                              &frame_,
                              TxFormat(frame_.Language(),
                                       site.rfind("s3://", 0) == 0 ? zav::TextId::AskS3Keys
                                                                   : zav::TextId::AskUploadPassword,
                                       FromCore(site)),
                              sAppli);
                          if (ask.ShowModal() != wxID_OK) return std::nullopt;
                          return ToCore(ask.GetValue());
                      },
                      // The upload's thread hands its state to the window's.
                      [this](const zav::UploadStatus& status) {
                          frame_.CallAfter([this, status] { ShowStatus(status); });
                      },
                      zav::UserSshFolder(zav::ProcessEnvironment())}) {
    frame.Bind(wxEVT_MENU, &PublishCommands::OnPublishResults, this, ID_PUBLISH_RESULTS);
    frame.Bind(wxEVT_MENU, &PublishCommands::OnPublishNow, this, ID_PUBLISH_NOW);
    frame.Document().SetAfterSave(
        [this](const zav::PublishSource& source) { publisher_.AfterSave(source); });
    frame.GetStatusBar()->Bind(wxEVT_LEFT_UP, &PublishCommands::OnStatusClick, this);
}

void PublishCommands::ResumeUploads() {
    publisher_.ResumeUploads();
}

PublishCommands::~PublishCommands() {
    frame_.Document().SetAfterSave(nullptr);
}

void PublishCommands::OnPublishResults(wxCommandEvent&) {
    PublishDialog dialog(&frame_, frame_.AppSettings(), frame_.Language(), frame_.User().Folders());
    if (dialog.ShowModal() != wxID_OK) return;
    if (!dialog.Password().empty() &&
        !publisher_.SetPassword(dialog.UploadUrl(), dialog.Password()))
        frame_.User().Reporter().Show(zav::MessageIcon::Information, zav::TextId::SecretNotKept);
    // Turned on (or pointed elsewhere), the public gets the saved results now
    // rather than at the next save.
    const SheetDocument& document = frame_.Document();
    if (document.HasSheet() && !document.PublicationSource().path.empty())
        publisher_.AfterSave(document.PublicationSource());
}

// The public sees what the files hold: changes not saved yet are saved
// first, as the Save command saves them.
void PublishCommands::OnPublishNow(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    SheetDocument& document = frame_.Document();
    if (document.State() == SheetState::Changed) {
        document.SaveSheet();
        frame_.ShowDocument();
        if (document.State() == SheetState::Changed) return;
    }
    const zav::PublishSource source = document.PublicationSource();
    if (!source.path.empty()) publisher_.PublishNow(source);
}

// The field holds what it can; the whole reason and the site's address (never
// its password) are in its tooltip, and a click shows them.
void PublishCommands::ShowStatus(const zav::UploadStatus& status) {
    const zav::Language language = frame_.Language();
    frame_.SetStatusText(FromCore(zav::StatusSummary(status, language)), 0);
    std::string whole = zav::StatusText(status, language);
    const std::string site = zav::ReadPublishSettings(frame_.AppSettings()).uploadUrl;
    if (!whole.empty() && !site.empty()) whole += "\n" + zav::AddressWithoutPassword(site);
    statusWhole_ = FromCore(whole);
    frame_.GetStatusBar()->SetToolTip(statusWhole_);
}

void PublishCommands::OnStatusClick(wxMouseEvent& event) {
    event.Skip();
    wxStatusBar* bar = frame_.GetStatusBar();
    wxRect field;
    if (statusWhole_.empty() || !bar->GetFieldRect(0, field) ||
        !field.Contains(event.GetPosition()))
        return;
    ShowNotice(&frame_, statusWhole_, sAppli, wxICON_INFORMATION);
}

void PublishCommands::BeforeQuit() {
    if (!publisher_.UploadsWaiting()) return;
    const zav::Language language = frame_.Language();
    wxMessageDialog ask(&frame_, Tx(language, zav::TextId::UploadsWaiting), sAppli,
                        wxYES_NO | wxICON_QUESTION);
    ask.SetYesNoLabels(Tx(language, zav::TextId::WaitForUpload),
                       Tx(language, zav::TextId::UploadAtNextStart));
    if (ShowMessageBox(ask, &frame_) != wxID_YES) return;
    wxProgressDialog progress(sAppli, Tx(language, zav::TextId::UploadingNow), 100, &frame_,
                              wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE);
    while (!publisher_.WaitForUploads(std::chrono::milliseconds(100))) {
        const zav::UploadStatus status = publisher_.UploadStatus();
        const int percent =
            status.filesToSend ? static_cast<int>(99 * status.filesDone / status.filesToSend) : 0;
        // Cancel leaves what is left for the next start.
        if (!progress.Update(percent, FromCore(zav::StatusText(status, language)))) return;
    }
}

}  // namespace zavgui
