// Recovery files: what they hold, and which program may take them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>

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

    // Only a whole file is read: one cut short, changed or of another
    // version is not. A first-version file (no length nor checksum) is read
    // when its sheet is there to its end mark.
    const std::string whole = RecoveryFileBytes(record);
    std::string changed = whole;
    changed[changed.size() / 2] ^= 1;
    const std::size_t header = whole.find("length=");
    std::string version1 = whole.substr(0, header) + read.sheetBytes;
    version1.replace(version1.find(" 2\n"), 3, " 1\n");
    const std::pair<std::string, bool> files[] = {
        {whole.substr(0, whole.size() - 1), false},
        {changed, false},
        {"ZAVscore recovery 3" + whole.substr(whole.find('\n')), false},
        {version1, true},
        {version1.substr(0, version1.size() - 2), false},
    };
    for (const auto& [bytes, readable] : files) EXPECT_EQ(ParseRecoveryFile(bytes, read), readable);

    // The offer names the file, else the heat, else a new sheet; when the
    // file was saved since, it says so, both times to the second.
    setenv("TZ", "UTC", 1);
    tzset();
    const struct {
        std::string file, title;
        std::time_t savedAt;
        std::string offer;
    } offers[] = {
        {"/h/50% final.score", "Heat", 0,
         "Restore the unsaved changes of 50% final.score from "
         "2023-11-14 22:13?"},
        {"", "Heat %s", 0, "Restore the unsaved changes of Heat %s from 2023-11-14 22:13?"},
        {"", "", 0, "Restore the unsaved changes of a new score sheet from 2023-11-14 22:13?"},
        {"/h/%s.score", "", 1700000061,
         "Restore the unsaved changes of %s.score from 2023-11-14 22:13:20?\n\nCaution: its file "
         "was saved since, at 2023-11-14 22:14:21. The restored sheet will be saved under a new "
         "name, never over that file."},
    };
    for (const auto& o : offers)
        EXPECT_EQ(RecoveryOffer(SampleRecord(o.file), o.title, o.savedAt, Language::English),
                  o.offer);
}

TEST(RecoveryStore, OnlyTheFilesOfEndedProgramsAreTaken) {
    zavtest::TempDir dir;
    const std::string folder = dir.File("state/zavscore"), sheetFile = dir.File("one.score");
    zavtest::WriteFile(sheetFile, "");  // saved before the changes, long after their stamp
    const RecoveryRecord record = SampleRecord(sheetFile);
    {
        auto running = RecoverySession::Start(folder);
        ASSERT_TRUE(running && running->Write(record));
        EXPECT_EQ(zavtest::ReadFile(running->RecoveryPath()), RecoveryFileBytes(record));
        EXPECT_TRUE(TakeLeftRecoveries(folder).offers.empty());  // its program runs
        running->Remove();
    }
    EXPECT_EQ(zavtest::FilesIn(folder), 0u);         // a clean end leaves nothing
    zavtest::WriteFile(folder + "/other.lock", "");  // not ours: left alone

    KilledProgram(folder, &record);
    KilledProgram(folder, nullptr);  // killed before any change
    std::vector<LeftRecovery> left = TakeLeftRecoveries(folder).offers;
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Record().SheetFile(), sheetFile);
    EXPECT_EQ(left[0].Record().sheetBytes, record.sheetBytes);
    // A second program starting at the same time does not offer it too.
    EXPECT_TRUE(TakeLeftRecoveries(folder).offers.empty());
    left.clear();  // not answered: offered again next time
    left = TakeLeftRecoveries(folder).offers;
    ASSERT_EQ(left.size(), 1u);
    // Newer work is told by the files' own times, not by the stamp written.
    EXPECT_EQ(left[0].SheetSavedSince(), 0);
    const auto later = std::filesystem::last_write_time(sheetFile) + std::chrono::seconds(10);
    std::filesystem::last_write_time(sheetFile, later);
    EXPECT_NE(left[0].SheetSavedSince(), 0);
    left[0].Discard();
    EXPECT_EQ(zavtest::FilesIn(folder), 1u);
}

// Files that cannot be offered (cut short, of another version, no plain file:
// a FIFO must not block) are moved once into the damaged folder, their locks
// removed; the start-up leaves no more files than it found. The newest of
// the others is offered first.
TEST(RecoveryStore, DamagedFilesArePutAsideAndTheNewestIsOfferedFirst) {
    zavtest::TempDir dir;
    const auto file = [&](const std::string& id) { return dir.File("recovery-" + id); };
    RecoveryRecord record = SampleRecord("/heats/one.score");
    zavtest::WriteFile(file("1-0.recovery"), RecoveryFileBytes(record));
    record.written += 60;
    const std::string newer = RecoveryFileBytes(record);
    zavtest::WriteFile(file("2-0.recovery"), newer);
    zavtest::WriteFile(file("3-0.recovery"), newer.substr(0, newer.size() / 2));
    zavtest::WriteFile(file("3-0.lock"), "");
    zavtest::WriteFile(file("4-0.recovery"), "ZAVscore recovery 3\n");
    ASSERT_EQ(::mkfifo(file("5-0.recovery").c_str(), 0600), 0);

    LeftRecoveries left = TakeLeftRecoveries(dir.Path());
    EXPECT_TRUE(left.putAside);
    ASSERT_EQ(left.offers.size(), 2u);
    EXPECT_EQ(left.offers[0].Record().written, record.written);
    EXPECT_EQ(zavtest::FilesIn(DamagedFolder(dir.Path())), 3u);
    left.offers[1].PutAside();
    left = {};
    EXPECT_EQ(zavtest::FilesIn(DamagedFolder(dir.Path())), 4u);
    // The newer file and the damaged folder, of the six files found.
    EXPECT_EQ(zavtest::FilesIn(dir.Path()), 2u);
    left = TakeLeftRecoveries(dir.Path());
    EXPECT_FALSE(left.putAside);
    EXPECT_EQ(left.offers.size(), 1u);
}
