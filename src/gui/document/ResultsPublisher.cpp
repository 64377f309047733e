#include "document/ResultsPublisher.h"

#include "publish/Publication.h"
#include "publish/PublishSettings.h"
#include "report/PageStyle.h"

namespace zavgui {

ResultsPublisher::ResultsPublisher(zav::Settings settings, const zav::Reporter& reporter)
    : settings_(std::move(settings)), reporter_(reporter) {}

void ResultsPublisher::AfterSave(const zav::PublishSource& source) {
    if (!zav::ReadPublishSettings(settings_).on) return;
    const std::string failure = Publish(source);
    if (failure != shownFailure_ && !failure.empty())
        reporter_.ShowText(zav::MessageIcon::Information, failure);
    shownFailure_ = failure;
}

bool ResultsPublisher::PublishNow(const zav::PublishSource& source) {
    const std::string failure = Publish(source);
    shownFailure_ = failure;
    if (!failure.empty()) {
        reporter_.ShowText(zav::MessageIcon::Information, failure);
        return false;
    }
    reporter_.Show(zav::MessageIcon::Information, zav::TextId::PublishedIn,
                   zav::ReadPublishSettings(settings_).folder);
    return true;
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

}  // namespace zavgui
