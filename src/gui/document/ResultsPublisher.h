// The results published as web pages from the window: after every save of a
// sheet when the user turned publication on, and on demand. A publication
// that fails never stops the save that came before it; its message is shown
// once, not again at every save while the same failure lasts. When a web
// site is set, the publication is then uploaded there on a thread of its
// own: the scorer never waits for the network, and the upload's state goes
// to the status bar, never to a message box.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "publish/Publication.h"
#include "publish/PublishSettings.h"
#include "settings/Settings.h"
#include "texts/Reporter.h"
#include "upload/SecretStore.h"
#include "upload/UploadWorker.h"

namespace zavgui {

struct UploadHooks {
    zav::SecretStore* secrets = nullptr;  // none: the password is asked once per run
    // Asks the user for the site's password; nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& site)> askPassword;
    // Every change of the upload's state, on the upload's thread.
    std::function<void(const zav::UploadStatus&)> status;
    std::string sshFolder;  // the user's ~/.ssh
};

class ResultsPublisher {
public:
    // The settings are read at each publication, so a change made in the
    // options applies to the next save.
    ResultsPublisher(zav::Settings settings, const zav::Reporter& reporter, UploadHooks hooks = {});
    ~ResultsPublisher();

    // After a save of the sheet whose publication source is `source` (a set
    // file or a sheet file): publishes it when publication is on.
    void AfterSave(const zav::PublishSource& source);
    // Publishes `source` whether publication is on or not, and says where the
    // pages went or why they did not. True when published.
    bool PublishNow(const zav::PublishSource& source);
    // At the start: uploads what the last run left waiting, if anything.
    void ResumeUploads();

    // The password the user gave for the site (Options): kept in the secret
    // store, else for this run only; false in that second case.
    bool SetPassword(const std::string& site, const std::string& password);

    bool UploadsWaiting() const;
    zav::UploadStatus UploadStatus() const;
    // Until nothing waits, at most `limit`; false when something still does.
    bool WaitForUploads(std::chrono::milliseconds limit);

private:
    // The failure's message (empty when published).
    std::string Publish(const zav::PublishSource& source);
    void Upload();
    std::string PasswordFor(const std::string& site, zav::UploadProtocol protocol);
    void MoveAddressPassword(zav::PublishSettings publish, const std::string& password);

    zav::Settings settings_;
    const zav::Reporter& reporter_;
    UploadHooks hooks_;
    std::string shownFailure_;
    std::map<std::string, std::string> runPasswords_;  // asked or not kept this run
    std::map<std::string, bool> asked_;
    std::unique_ptr<zav::UploadWorker> uploads_;
};

}  // namespace zavgui
