#include <gtest/gtest.h>

#include <filesystem>

#include "sets/SetFile.h"
#include "sets/SetManagement.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace zav {
namespace {

namespace fs = std::filesystem;
using zavtest::FilesIn;
using zavtest::ReadFile;
using zavtest::TempDir;
using zavtest::WriteFile;

// A set of three sheets in `folder`/ev, each sheet file holding its own name.
struct SampleSet {
    explicit SampleSet(const std::string& root)
        : folder(root + "/ev"), path(folder + "/ev.mscore") {
        fs::create_directory(folder);
        WriteFile(path, SetFileBytes(sheets));
        for (const auto& name : sheets) WriteFile(folder + "/" + name, "sheet " + name);
        WriteFile(folder + "/other.pscore", "not in the set");
    }
    std::string folder;
    std::string path;
    std::vector<std::string> sheets = {"ev_A.pscore", "ev_B.pscore", "ev_C.pscore"};
};

TEST(SetManagement, CopyCreatesEveryFileAndLeavesTheSourcesInPlace) {
    TempDir dir;
    SampleSet set(dir.Path());
    fs::create_directory(dir.File("copy"));
    RecordingMessageSink messages;
    ASSERT_TRUE(CopyOrMoveSet(SetOperation::Copy, set.path, dir.File("copy"),
                              Reporter(Language::English, messages)));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_EQ(FilesIn(dir.File("copy")), 4u);
    EXPECT_EQ(ReadFile(dir.File("copy/ev.mscore")), ReadFile(set.path));
    for (const auto& name : set.sheets) {
        EXPECT_EQ(ReadFile(dir.File("copy/" + name)), "sheet " + name);
        EXPECT_TRUE(fs::exists(set.folder + "/" + name));
    }
    EXPECT_EQ(FilesIn(set.folder), 5u);
}

TEST(SetManagement, AnExistingSetInTheTargetIsReplacedOnlyWhenTheUserAgrees) {
    TempDir dir;
    SampleSet set(dir.Path());
    fs::create_directory(dir.File("target"));
    WriteFile(dir.File("target/ev.mscore"), "older set");
    WriteFile(dir.File("target/ev_A.pscore"), "older sheet");

    RecordingMessageSink declines(false);
    EXPECT_FALSE(CopyOrMoveSet(SetOperation::Move, set.path, dir.File("target"),
                               Reporter(Language::English, declines)));
    ASSERT_EQ(declines.questions.size(), 1u);
    EXPECT_EQ(declines.questions[0], Text(Language::English, TextId::SetExists));
    EXPECT_EQ(declines.questionIcons[0], MessageIcon::Error);  // the stop sign
    EXPECT_EQ(ReadFile(dir.File("target/ev.mscore")), "older set");
    EXPECT_EQ(ReadFile(dir.File("target/ev_A.pscore")), "older sheet");
    EXPECT_EQ(FilesIn(set.folder), 5u);

    RecordingMessageSink agrees(true);
    ASSERT_TRUE(CopyOrMoveSet(SetOperation::Move, set.path, dir.File("target"),
                              Reporter(Language::English, agrees)));
    EXPECT_EQ(agrees.questions.size(), 1u);
    EXPECT_EQ(ReadFile(dir.File("target/ev.mscore")), SetFileBytes(set.sheets));
    EXPECT_EQ(ReadFile(dir.File("target/ev_A.pscore")), "sheet ev_A.pscore");
    EXPECT_EQ(FilesIn(set.folder), 1u);  // only the file the set does not list
    EXPECT_TRUE(fs::exists(set.folder + "/other.pscore"));
}

TEST(SetManagement, TheSetsOwnFolderIsRefusedHoweverItIsWritten) {
    TempDir dir;
    SampleSet set(dir.Path());
    for (const std::string& same : {set.folder, set.folder + "/", set.folder + "/../ev/."}) {
        RecordingMessageSink messages(true);
        EXPECT_FALSE(CopyOrMoveSet(SetOperation::Move, set.path, same,
                                   Reporter(Language::English, messages)))
            << same;
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, Text(Language::English, TextId::SameFolder));
        EXPECT_EQ(FilesIn(set.folder), 5u);
    }
    EXPECT_FALSE(IsSameFolder(set.folder, dir.Path()));
    EXPECT_FALSE(IsSameFolder(set.folder, dir.File("not-yet")));
}

TEST(SetManagement, ACopyThatFailsHalfWayStopsThereAndKeepsTheSetFile) {
    TempDir dir;
    SampleSet set(dir.Path());
    WriteFile(set.folder + "/ev_B.pscore", std::string(32001, 'x'));
    fs::create_directory(dir.File("target"));

    RecordingMessageSink messages;
    EXPECT_FALSE(CopyOrMoveSet(SetOperation::Move, set.path, dir.File("target"),
                               Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "File too long = 32001 bytes");
    // A was moved; B (the failed one), C and the set file stay at home.
    EXPECT_TRUE(fs::exists(dir.File("target/ev_A.pscore")));
    EXPECT_FALSE(fs::exists(set.folder + "/ev_A.pscore"));
    EXPECT_TRUE(fs::exists(set.folder + "/ev_B.pscore"));
    EXPECT_TRUE(fs::exists(set.folder + "/ev_C.pscore"));
    EXPECT_TRUE(fs::exists(set.path));
    EXPECT_EQ(FilesIn(dir.File("target")), 1u);

    // A target folder that does not exist: the first copy cannot create its file.
    fs::create_directory(dir.File("second"));
    SampleSet whole(dir.File("second"));
    RecordingMessageSink missing;
    EXPECT_FALSE(CopyOrMoveSet(SetOperation::Copy, whole.path, dir.File("nowhere"),
                               Reporter(Language::English, missing)));
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].text, FormatText(Text(Language::English, TextId::ErrorCreating),
                                                   dir.File("nowhere/ev_A.pscore")));
}

// Earlier versions named two categories with the same display name alike,
// so their sets may list a sheet twice.
TEST(SetManagement, AFileListedTwiceIsMovedOnce) {
    TempDir dir;
    fs::create_directory(dir.File("ev"));
    fs::create_directory(dir.File("target"));
    WriteFile(dir.File("ev/ev.mscore"),
              SetFileBytes({"ev_Minime 1.pscore", "ev_Open.pscore", "ev_Minime 1.pscore"}));
    WriteFile(dir.File("ev/ev_Minime 1.pscore"), "minime");
    WriteFile(dir.File("ev/ev_Open.pscore"), "open");
    RecordingMessageSink messages;
    ASSERT_TRUE(CopyOrMoveSet(SetOperation::Move, dir.File("ev/ev.mscore"), dir.File("target"),
                              Reporter(Language::English, messages)));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(FilesIn(dir.File("ev")), 0u);
    EXPECT_EQ(FilesIn(dir.File("target")), 3u);
    EXPECT_EQ(ReadFile(dir.File("target/ev_Minime 1.pscore")), "minime");
}

// Texts full of markup characters take a sheet the program wrote past 32000
// bytes; it opens, so its set must move with it.
TEST(SetManagement, OwnSheetsBeyond32000BytesMoveWithTheirSet) {
    TempDir dir;
    fs::create_directory(dir.File("ev"));
    fs::create_directory(dir.File("target"));
    ScoreSheet sheet;
    sheet.iTeamsNr = kMaxTeams;
    sheet.bScoreSet = 1;
    for (int t = 0; t < kMaxTeams; ++t) {
        sheet.sTeamName[t] = std::string(254, '&');
        sheet.sTeamColors[t] = std::string(254, '<');
        sheet.sColSupContent[t] = std::string(254, '>');
    }
    RecordingMessageSink messages;
    ASSERT_TRUE(
        SaveSheet(sheet, dir.File("ev/long.pscore"), Reporter(Language::English, messages)));
    const std::string written = ReadFile(dir.File("ev/long.pscore"));
    ASSERT_GT(written.size(), kMaxSheetFileBytes);
    WriteFile(dir.File("ev/ev.mscore"), SetFileBytes({"long.pscore"}));

    ASSERT_TRUE(CopyOrMoveSet(SetOperation::Move, dir.File("ev/ev.mscore"), dir.File("target"),
                              Reporter(Language::English, messages)));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(ReadFile(dir.File("target/long.pscore")), written);
    EXPECT_EQ(FilesIn(dir.File("ev")), 0u);

    // The same length without the sheet file's first lines is no sheet of ours.
    WriteFile(dir.File("foreign"), " " + written.substr(1));
    EXPECT_FALSE(
        CopyFileA(dir.File("foreign"), dir.File("copy"), Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, FormatText(Text(Language::English, TextId::FileTooLong),
                                                    static_cast<long>(written.size())));
    EXPECT_FALSE(fs::exists(dir.File("copy")));
}

TEST(SetManagement, DeleteRemovesTheListedFilesAndReportsThoseItCouldNot) {
    TempDir dir;
    SampleSet set(dir.Path());
    RecordingMessageSink messages;
    ASSERT_TRUE(TraiteSetSheet(SetOperation::Delete, set.path, set.path,
                               Reporter(Language::English, messages)));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(FilesIn(set.folder), 1u);
    EXPECT_TRUE(fs::exists(set.folder + "/other.pscore"));

    // A sheet already gone is no failure; one that cannot be removed is named.
    // A folder is never removed, even an empty one the set names.
    SampleSet again(dir.Path());
    fs::remove(again.folder + "/ev_A.pscore");
    fs::remove(again.folder + "/ev_B.pscore");
    fs::create_directory(again.folder + "/ev_B.pscore");
    RecordingMessageSink failure;
    EXPECT_FALSE(TraiteSetSheet(SetOperation::Delete, again.path, again.path,
                                Reporter(Language::English, failure)));
    ASSERT_EQ(failure.messages.size(), 1u);
    EXPECT_EQ(failure.messages[0].text, FormatText(Text(Language::English, TextId::FilesNotDeleted),
                                                   again.folder + "/ev_B.pscore"));
    EXPECT_FALSE(fs::exists(again.path));
    EXPECT_FALSE(fs::exists(again.folder + "/ev_C.pscore"));
    EXPECT_TRUE(fs::is_directory(again.folder + "/ev_B.pscore"));

    // An unreadable set file deletes nothing.
    WriteFile(dir.File("bad.mscore"), "<zavscore> no entries");
    RecordingMessageSink bad;
    EXPECT_FALSE(TraiteSetSheet(SetOperation::Delete, dir.File("bad.mscore"), "",
                                Reporter(Language::English, bad)));
    EXPECT_EQ(bad.messages.at(0).text, Text(Language::English, TextId::UnknownEncoding));
    EXPECT_TRUE(fs::exists(dir.File("bad.mscore")));
}

// The set on screen before a set tool ran: opened again where it now is.
TEST(SetManagement, AnOpenSetIsFoundWhereTheOperationLeftIt) {
    TempDir dir;
    const SampleSet set(dir.Path());
    const std::string other = dir.File("other.mscore");
    const struct {
        SetOperation code;
        bool done;
        std::string operated;
        std::string expected;
    } cases[] = {
        {SetOperation::Copy, true, set.path, set.path},
        {SetOperation::Move, true, set.path, "/target/ev.mscore"},
        {SetOperation::Move, true, set.folder + "/../ev/ev.mscore", "/target/ev.mscore"},
        {SetOperation::Move, false, set.path, set.path},
        {SetOperation::Move, true, other, set.path},
        {SetOperation::Delete, true, set.path, ""},
        {SetOperation::Delete, false, set.path, set.path},
        {SetOperation::Delete, true, other, set.path},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenSetAfter(c.code, c.done, set.path, c.operated, "/target"), c.expected)
            << c.operated;
    EXPECT_EQ(OpenSetAfter(SetOperation::Delete, true, "", set.path, ""), "");
}

TEST(SetManagement, CopyFileReportsEachFailure) {
    TempDir dir;
    WriteFile(dir.File("a"), std::string(32000, 'a'));
    RecordingMessageSink messages;
    ASSERT_TRUE(CopyFileA(dir.File("a"), dir.File("b"), Reporter(Language::English, messages)));
    EXPECT_EQ(ReadFile(dir.File("b")), std::string(32000, 'a'));
    WriteFile(dir.File("b"), "replaced");
    ASSERT_TRUE(CopyFileA(dir.File("a"), dir.File("b"), Reporter(Language::English, messages)));
    EXPECT_EQ(ReadFile(dir.File("b")).size(), 32000u);
    EXPECT_TRUE(messages.messages.empty());

    EXPECT_FALSE(CopyFileA(dir.File("none"), dir.File("c"), Reporter(Language::English, messages)));
    EXPECT_FALSE(fs::exists(dir.File("c")));
    EXPECT_FALSE(CopyFileA(dir.File("a"), dir.File("no/c"), Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "Error while opening file = " + dir.File("none"));
    EXPECT_EQ(messages.messages[1].text, "Error while creating file = " + dir.File("no/c"));
    EXPECT_EQ(messages.messages[1].icon, MessageIcon::Information);

    EXPECT_TRUE(TestCibleExist(dir.File("none"), Reporter(Language::English, messages)));
    EXPECT_FALSE(TestCibleExist(dir.File("a"), Reporter(Language::English, messages)));
    EXPECT_EQ(messages.questions.size(), 1u);
}

}  // namespace
}  // namespace zav
