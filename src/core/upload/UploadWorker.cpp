#include "upload/UploadWorker.h"

#include <exception>

#include "platform/NativeFile.h"

namespace zav {
namespace {

std::string ClockTime(std::time_t time, const char* format = "%H:%M") {
    struct tm local {};
    char text[16];
    LocalTime(time, local);
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

// "Not published since 14:10" and what follows it, with the reason or not.
std::string FailingText(const UploadStatus& status, Language language, bool withReason) {
    // The page on the site dates from the last upload; before any, from
    // nothing that this run knows of, so the first failure tells the time.
    const std::time_t since = status.publishedAt ? status.publishedAt : status.failingSince;
    std::string text = FormatText(Text(language, TextId::NotPublishedSince), ClockTime(since));
    if (withReason) text += " (" + DescribeFailure(status.failure, language) + ")";
    if (status.nextAttempt)
        text += ", " + FormatText(Text(language, TextId::NextUploadAttempt),
                                  ClockTime(status.nextAttempt, "%H:%M:%S"));
    return text;
}

}  // namespace

std::string StatusText(const UploadStatus& status, Language language) {
    switch (status.state) {
        case UploadStatus::State::Idle: return "";
        case UploadStatus::State::Uploading: return Text(language, TextId::UploadingNow);
        case UploadStatus::State::Published: {
            std::string text =
                FormatText(Text(language, TextId::PublishedAt), ClockTime(status.publishedAt));
            for (const std::string& note : status.notes) text += " (" + note + ")";
            return text;
        }
        case UploadStatus::State::Failing: break;
    }
    return FailingText(status, language, true);
}

std::string StatusSummary(const UploadStatus& status, Language language) {
    switch (status.state) {
        case UploadStatus::State::Published:
            return FormatText(Text(language, TextId::PublishedAt), ClockTime(status.publishedAt));
        case UploadStatus::State::Failing: return FailingText(status, language, false);
        default: return StatusText(status, language);
    }
}

UploadWorker::UploadWorker(std::function<void(const UploadStatus&)> listener, RetryPauses pauses,
                           UploadFunction upload)
    : listener_(std::move(listener)),
      upload_(std::move(upload)),
      pauses_(pauses),
      pause_(pauses.first) {
    thread_ = std::thread([this] { Run(); });
}

UploadWorker::~UploadWorker() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void UploadWorker::Submit(std::string folder, UploadDestination destination) {
    std::unique_lock<std::mutex> lock(mutex_);
    job_ = Job{std::move(folder), std::move(destination)};
    ++submitted_;
    nextAttempt_ = std::chrono::steady_clock::now();
    status_.waiting = true;
    changed_.notify_all();
}

bool UploadWorker::WaitUntilDone(std::chrono::milliseconds limit) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return !status_.waiting; });
}

UploadStatus UploadWorker::Status() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return status_;
}

// The listener is called without the lock, so that it may ask for the status.
void UploadWorker::Tell(std::unique_lock<std::mutex>& lock) {
    const UploadStatus status = status_;
    changed_.notify_all();
    lock.unlock();
    try {
        if (listener_) listener_(status);
    } catch (...) {
        // The window hears the next change; the worker goes on.
    }
    lock.lock();
}

UploadOutcome UploadWorker::Attempt(const Job& job) {
    const auto progress = [this](std::size_t done, std::size_t total) {
        std::unique_lock<std::mutex> lock(mutex_);
        status_.filesDone = done;
        status_.filesToSend = total;
        Tell(lock);
    };
    UploadOutcome outcome;
    try {
        return upload_(job.folder, job.destination, &stop_, progress);
    } catch (const std::exception& fault) {
        outcome.failure = {UploadError::ProgramFault, fault.what()};
    } catch (...) {
        outcome.failure = {UploadError::ProgramFault, ""};
    }
    return outcome;
}

void UploadWorker::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || job_; });
        if (stop_) return;
        // A pause before a retry, which a newer publication cuts short.
        const auto deadline = nextAttempt_;
        changed_.wait_until(lock, deadline,
                            [&] { return stop_.load() || nextAttempt_ != deadline; });
        if (stop_) return;
        if (nextAttempt_ != deadline || !job_) continue;
        const Job job = *job_;
        const unsigned sent = submitted_;
        status_.state = UploadStatus::State::Uploading;
        status_.filesDone = status_.filesToSend = 0;
        Tell(lock);

        lock.unlock();
        const UploadOutcome outcome = Attempt(job);
        lock.lock();

        if (outcome.failure.error == UploadError::Stopped) return;
        const bool newer = submitted_ != sent;
        if (!outcome.failure) {
            status_.state = UploadStatus::State::Published;
            status_.publishedAt = std::time(nullptr);
            status_.failingSince = 0;
            status_.failedAttempts = 0;
            status_.nextAttempt = 0;
            status_.notes = outcome.notes;
            pause_ = pauses_.first;
            if (!newer) job_.reset();
        } else {
            status_.state = UploadStatus::State::Failing;
            status_.failure = outcome.failure;
            if (status_.failedAttempts++ == 0) status_.failingSince = std::time(nullptr);
            status_.nextAttempt = 0;
            if (!IsRetried(outcome.failure.error)) {
                if (!newer) job_.reset();
            } else if (!newer) {
                nextAttempt_ = std::chrono::steady_clock::now() + pause_;
                status_.nextAttempt =
                    std::time(nullptr) +
                    std::chrono::duration_cast<std::chrono::seconds>(pause_).count();
                pause_ = std::min(pause_ * 2, pauses_.most);
            }
        }
        status_.waiting = job_.has_value();
        Tell(lock);
    }
}

}  // namespace zav
