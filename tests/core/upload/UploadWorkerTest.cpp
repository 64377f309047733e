// No fault of an upload or of its listener leaves the worker's thread: it
// would end the program. It is a failure like any other, and retried.
#include <gtest/gtest.h>

#include <stdexcept>

#include "upload/UploadWorker.h"

namespace {

using namespace std::chrono_literals;

TEST(UploadWorker, AnUploadThatThrowsIsAFailureNamedAndRetried) {
    std::atomic<int> attempts{0};
    std::string firstFailure;  // as the status bar shows it
    zav::UploadWorker worker(
        [&](const zav::UploadStatus& status) {
            if (firstFailure.empty() && status.state == zav::UploadStatus::State::Failing)
                firstFailure = zav::StatusText(status, zav::Language::English);
            throw std::runtime_error("the window is gone");
        },
        {1ms, 1ms},
        [&](const std::string&, const zav::UploadDestination&, const std::atomic<bool>*,
            const zav::UploadProgress&) -> zav::UploadOutcome {
            if (++attempts < 3) throw std::runtime_error("disk on fire");
            return {};
        });
    worker.Submit("folder", {});
    ASSERT_TRUE(worker.WaitUntilDone(10s));
    EXPECT_EQ(attempts, 3);
    const zav::UploadStatus status = worker.Status();
    EXPECT_EQ(status.state, zav::UploadStatus::State::Published);
    EXPECT_EQ(status.failedAttempts, 0);
    EXPECT_EQ(status.nextAttempt, 0);
    EXPECT_NE(firstFailure.find("(The upload failed inside the program (disk on fire)), next try "),
              std::string::npos)
        << firstFailure;
}

}  // namespace
