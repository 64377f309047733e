// Recovery files: what they hold, and which program may take them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "recovery/RecoveryStore.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

using namespace zav;

namespace {

RecoveryRecord SampleRecord(const std::string& file) {
    ScoreSheet sheet = zavtest::FullSampleSheet();
    sheet.sFullFileName = file;
    return RecoveryRecordOf(sheet, Language::French, 1700000000);
}

// A program that starts a session, writes `record` unless it is empty, and
// is killed: it never ends cleanly.
void KilledProgram(const std::string& folder, const RecoveryRecord* record) {
    const pid_t child = fork();
    if (child == 0) {
        auto session = RecoverySession::Start(folder);
        if (session && record) static_cast<void>(session->Write(*record));
        std::raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
}

}  // namespace

TEST(RecoveryFile, HoldsTheSheetWhereItBelongsAndWhen) {
    const RecoveryRecord record = SampleRecord("/heats/a\\b\nc/50% final.score");
    RecoveryRecord read;
    ASSERT_TRUE(ParseRecoveryFile(RecoveryFileBytes(record), read));
    EXPECT_EQ(read.SheetFile(), "/heats/a\\b\nc/50% final.score");
    EXPECT_EQ(read.name, "50% final.score");
    EXPECT_EQ(read.written, 1700000000);
    ScoreSheet sheet;
    RecordingMessageSink messages;
    ASSERT_TRUE(ParseSheet(sheet, read.sheetBytes, Reporter(Language::French, messages)));
    EXPECT_EQ(SheetFileBytes(sheet, Language::English),
              SheetFileBytes(zavtest::FullSampleSheet(), Language::English));
    EXPECT_FALSE(ParseRecoveryFile(read.sheetBytes, read));

    // The offer names the file, else the heat, else a new sheet.
    setenv("TZ", "UTC", 1);
    tzset();
    const struct {
        std::string file, title, offer;
    } offers[] = {
        {"/h/50% final.score", "Heat",
         "Restore the unsaved changes of 50% final.score from "
         "2023-11-14 22:13?"},
        {"", "Heat %s", "Restore the unsaved changes of Heat %s from 2023-11-14 22:13?"},
        {"", "", "Restore the unsaved changes of a new score sheet from 2023-11-14 22:13?"},
    };
    for (const auto& o : offers)
        EXPECT_EQ(RecoveryOffer(SampleRecord(o.file), o.title, Language::English), o.offer);
}

TEST(RecoveryStore, OnlyTheFilesOfEndedProgramsAreTaken) {
    zavtest::TempDir dir;
    const std::string folder = dir.File("state/zavscore");
    const RecoveryRecord record = SampleRecord("/heats/one.score");
    {
        auto running = RecoverySession::Start(folder);
        ASSERT_TRUE(running && running->Write(record));
        EXPECT_EQ(zavtest::ReadFile(running->RecoveryPath()), RecoveryFileBytes(record));
        EXPECT_TRUE(TakeLeftRecoveries(folder).empty());  // its program runs
        running->Remove();
    }
    EXPECT_EQ(zavtest::FilesIn(folder), 0u);         // a clean end leaves nothing
    zavtest::WriteFile(folder + "/other.lock", "");  // not ours: left alone

    KilledProgram(folder, &record);
    KilledProgram(folder, nullptr);  // killed before any change
    std::vector<LeftRecovery> left = TakeLeftRecoveries(folder);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Record().SheetFile(), "/heats/one.score");
    EXPECT_EQ(left[0].Record().sheetBytes, record.sheetBytes);
    // A second program starting at the same time does not offer it too.
    EXPECT_TRUE(TakeLeftRecoveries(folder).empty());
    left.clear();  // not answered: offered again next time
    left = TakeLeftRecoveries(folder);
    ASSERT_EQ(left.size(), 1u);
    left[0].Discard();
    EXPECT_EQ(zavtest::FilesIn(folder), 1u);
}
