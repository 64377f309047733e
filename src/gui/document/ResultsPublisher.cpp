#include "document/ResultsPublisher.h"

#include "publish/Publication.h"
#include "publish/PublishSettings.h"
#include "report/PageStyle.h"

namespace zavgui {

ResultsPublisher::ResultsPublisher(zav::Settings settings, const zav::Reporter& reporter,
                                   UploadHooks hooks)
    : settings_(std::move(settings)), reporter_(reporter), hooks_(std::move(hooks)) {}

// Stops the upload under way: the manifest beside the publication lets the
// next start send what is left.
ResultsPublisher::~ResultsPublisher() = default;

void ResultsPublisher::AfterSave(const zav::PublishSource& source) {
    if (!zav::ReadPublishSettings(settings_).on) return;
    const std::string failure = Publish(source);
    if (failure != shownFailure_ && !failure.empty())
        reporter_.ShowText(zav::MessageIcon::Information, failure);
    shownFailure_ = failure;
    Upload();
}

bool ResultsPublisher::PublishNow(const zav::PublishSource& source) {
    const std::string failure = Publish(source);
    shownFailure_ = failure;
    Upload();
    if (!failure.empty()) {
        reporter_.ShowText(zav::MessageIcon::Information, failure);
        return false;
    }
    reporter_.Show(zav::MessageIcon::Information, zav::TextId::PublishedIn,
                   zav::ReadPublishSettings(settings_).folder);
    return true;
}

void ResultsPublisher::ResumeUploads() {
    if (zav::ReadPublishSettings(settings_).on) Upload();
}

// Every message of the publication in one box, under a line that says what
// failed.
std::string ResultsPublisher::Publish(const zav::PublishSource& source) {
    const zav::PublishSettings publish = zav::ReadPublishSettings(settings_);
    if (publish.folder.empty()) return reporter_.Text(zav::TextId::NoPublishFolder);
    zav::PublishOptions options;
    options.folder = publish.folder;
    options.refreshSeconds = publish.refreshSeconds;
    options.language = reporter_.GetLanguage();
    options.style = zav::ReadPageStyle(settings_);
    zav::RecordingMessageSink messages;
    const zav::Reporter collect(options.language, messages);
    const zav::PublishResult result = zav::Publish(source, options, collect);
    if (result.complete) return std::string();
    std::string failure = reporter_.Text(zav::TextId::PublishFailed);
    for (const auto& message : messages.messages) failure += "\n" + message.text;
    return failure;
}

// What the folder holds goes, even after a partial publication: the pages
// that were written are worth showing.
void ResultsPublisher::Upload() {
    const zav::PublishSettings publish = zav::ReadPublishSettings(settings_);
    if (publish.folder.empty() || publish.uploadUrl.empty()) return;
    const std::optional<zav::UploadAddress> address = zav::ParseUploadAddress(publish.uploadUrl);
    const std::string site = zav::AddressWithoutPassword(publish.uploadUrl);
    if (address && !address->password.empty()) MoveAddressPassword(publish, address->password);
    zav::UploadDestination destination;
    destination.url = site;
    destination.arena = publish.arena;
    destination.language = reporter_.GetLanguage();
    destination.login.sshFolder = hooks_.sshFolder;
    destination.s3 = publish.s3;
    if (address) destination.login.password = PasswordFor(site, address->protocol);
    // The store keeps an S3 site's key pair as "KEY-ID:SECRET" (an id holds
    // no ":"); a secret alone signs with the address's user as the id.
    const std::size_t colon = destination.login.password.find(':');
    if (address && address->protocol == zav::UploadProtocol::S3 && colon != std::string::npos) {
        destination.login.accessKeyId = destination.login.password.substr(0, colon);
        destination.login.password.erase(0, colon + 1);
    }
    if (!uploads_) uploads_ = std::make_unique<zav::UploadWorker>(hooks_.status);
    uploads_->Submit(publish.folder, destination);
}

// An older settings file may hold the password in the address: it moves to
// the secret store and the file keeps the address without it. Without a
// store it serves this run, and the file stays as it was for the next one.
void ResultsPublisher::MoveAddressPassword(zav::PublishSettings publish,
                                           const std::string& password) {
    publish.uploadUrl = zav::AddressWithoutPassword(publish.uploadUrl);
    if (!SetPassword(publish.uploadUrl, password)) return;
    // Unwritten, the file is read again at the next upload, which tries again.
    (void)zav::WritePublishSettings(settings_, publish);
}

// SFTP logs in with the user's key or agent as ssh does: no password is
// asked for it, though one given in the options is used.
std::string ResultsPublisher::PasswordFor(const std::string& site, zav::UploadProtocol protocol) {
    if (const auto known = runPasswords_.find(site); known != runPasswords_.end())
        return known->second;
    if (hooks_.secrets)
        if (std::optional<std::string> kept = hooks_.secrets->Find(site)) {
            runPasswords_[site] = *kept;
            return *kept;
        }
    if (protocol == zav::UploadProtocol::Sftp || !hooks_.askPassword || asked_[site]) return "";
    asked_[site] = true;
    const std::optional<std::string> given = hooks_.askPassword(site);
    if (!given) return "";
    SetPassword(site, *given);
    return *given;
}

bool ResultsPublisher::SetPassword(const std::string& site, const std::string& password) {
    runPasswords_[site] = password;
    return hooks_.secrets && hooks_.secrets->Keep(site, password);
}

bool ResultsPublisher::UploadsWaiting() const {
    return uploads_ && uploads_->Status().waiting;
}

zav::UploadStatus ResultsPublisher::UploadStatus() const {
    return uploads_ ? uploads_->Status() : zav::UploadStatus{};
}

bool ResultsPublisher::WaitForUploads(std::chrono::milliseconds limit) {
    return !uploads_ || uploads_->WaitUntilDone(limit);
}

}  // namespace zavgui
