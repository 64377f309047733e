// Uploads on a thread of their own, so that a save never waits for the
// network: the latest publication waiting is uploaded, and a failure that may
// pass (network down, server stopped) is tried again after growing pauses
// until it works. A refused login or an untrusted server waits for the next
// publication instead, so a wrong password does not knock again and again.
#pragma once

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "upload/PublicationUpload.h"

namespace zav {

struct UploadStatus {
    enum class State { Idle, Uploading, Published, Failing };
    State state = State::Idle;
    std::time_t publishedAt = 0;   // the last complete upload of this run; 0: none
    std::time_t failingSince = 0;  // the first failed attempt since then
    std::time_t nextAttempt = 0;   // failing: when it is tried again; 0: not by itself
    UploadFailure failure;         // of the last attempt
    int failedAttempts = 0;        // since the last complete upload
    std::size_t filesDone = 0, filesToSend = 0;  // of the upload under way
    bool waiting = false;                        // an upload waits or is under way
    std::vector<std::string> notes;              // of the last complete upload
};

// "Published 14:32", "Not published since 14:10 (reason), next try 14:11",
// "Uploading the results…", or nothing before the first upload.
std::string StatusText(const UploadStatus& status, Language language);
// The same cut to what a status bar field holds: a failure's reason left out
// ("Not published since 14:10, next try 14:11:05"), for StatusText to tell
// in full on demand.
std::string StatusSummary(const UploadStatus& status, Language language);

// A save tries at once whatever the pause; the pause is the longest the site
// stays behind after the network comes back without a save.
struct RetryPauses {
    std::chrono::milliseconds first{std::chrono::seconds(5)};
    std::chrono::milliseconds most{std::chrono::minutes(1)};
};

// What uploads one publication: UploadPublication, or a test's stand-in.
using UploadFunction = std::function<UploadOutcome(
    const std::string&, const UploadDestination&, const std::atomic<bool>*, const UploadProgress&)>;

class UploadWorker {
public:
    // `listener` hears every change of the status, on the worker's thread;
    // what it throws is dropped there.
    explicit UploadWorker(std::function<void(const UploadStatus&)> listener,
                          RetryPauses pauses = {}, UploadFunction upload = UploadPublication);
    // Ends a transfer under way; what waits is left for the next start, which
    // the manifest beside the publication tells what to send.
    ~UploadWorker();
    UploadWorker(const UploadWorker&) = delete;
    UploadWorker& operator=(const UploadWorker&) = delete;

    // Uploads the publication in `folder` as soon as the worker is free; it
    // replaces one that was waiting (the newer publication holds it all).
    void Submit(std::string folder, UploadDestination destination);
    // Until nothing waits; false when `limit` passed first.
    bool WaitUntilDone(std::chrono::milliseconds limit);
    UploadStatus Status() const;

private:
    struct Job {
        std::string folder;
        UploadDestination destination;
    };
    void Run();
    void Tell(std::unique_lock<std::mutex>& lock);
    // The upload, with any exception turned into a failure: none may leave
    // the worker's thread, which would end the program.
    UploadOutcome Attempt(const Job& job);

    std::function<void(const UploadStatus&)> listener_;
    const UploadFunction upload_;
    const RetryPauses pauses_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> job_;
    unsigned submitted_ = 0;  // counts submissions, to tell a newer job from the one sent
    std::chrono::steady_clock::time_point nextAttempt_;
    std::chrono::milliseconds pause_;
    UploadStatus status_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace zav
