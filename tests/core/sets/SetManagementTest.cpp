// Copy, move and delete at their edges; the ordinary runs are the
// command-line test's.
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
using zavtest::WriteFile;

// A set of three sheets in ev/, each sheet file holding its own name, beside
// a file the set does not list, and an empty folder target/.
class SetManagement : public ::testing::Test {
protected:
    SetManagement() {
        fs::create_directory(folder);
        fs::create_directory(target);
        WriteFile(path, SetFileBytes(sheets));
        for (const auto& name : sheets) WriteFile(folder + "/" + name, "sheet " + name);
        WriteFile(folder + "/other.pscore", "not in the set");
    }
    bool Run(SetOperation code, const std::string& to, bool answer = false) {
        messages = RecordingMessageSink(answer);
        return code == SetOperation::Delete
                   ? TraiteSetSheet(code, path, to, Reporter(Language::English, messages))
                   : CopyOrMoveSet(code, path, to, Reporter(Language::English, messages));
    }
    std::string Message(TextId id, const std::string& name) const {
        return FormatText(Text(Language::English, id), name);
    }

    zavtest::TempDir dir;
    const std::string folder = dir.File("ev"), target = dir.File("target");
    const std::string path = folder + "/ev.mscore";
    const std::vector<std::string> sheets = {"ev_A.pscore", "ev_B.pscore", "ev_C.pscore"};
    RecordingMessageSink messages;
};

TEST_F(SetManagement, AnExistingSetInTheTargetIsReplacedOnlyWhenTheUserAgrees) {
    WriteFile(target + "/ev.mscore", "older set");
    WriteFile(target + "/ev_A.pscore", "older sheet");
    EXPECT_FALSE(Run(SetOperation::Move, target, false));
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], Text(Language::English, TextId::SetExists));
    EXPECT_EQ(messages.questionIcons[0], MessageIcon::Error);  // the stop sign
    EXPECT_EQ(ReadFile(target + "/ev_A.pscore"), "older sheet");
    EXPECT_EQ(FilesIn(folder), 5u);

    ASSERT_TRUE(Run(SetOperation::Move, target, true));
    EXPECT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(ReadFile(target + "/ev.mscore"), SetFileBytes(sheets));
    EXPECT_EQ(ReadFile(target + "/ev_A.pscore"), "sheet ev_A.pscore");
    EXPECT_EQ(FilesIn(folder), 1u);  // only the file the set does not list
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SetManagement, TheSetsOwnFolderIsRefusedHoweverItIsWritten) {
    for (const std::string& same : {folder, folder + "/", folder + "/../ev/."}) {
        EXPECT_FALSE(Run(SetOperation::Move, same, true)) << same;
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, Text(Language::English, TextId::SameFolder));
        EXPECT_EQ(FilesIn(folder), 5u);
    }
    EXPECT_FALSE(IsSameFolder(folder, dir.Path()));
    EXPECT_FALSE(IsSameFolder(folder, dir.File("not-yet")));
}

TEST_F(SetManagement, ACopyThatFailsHalfWayStopsThere) {
    // The set file goes last: its own failure fails the copy too.
    fs::create_directory(target + "/ev.mscore");
    EXPECT_FALSE(Run(SetOperation::Copy, target, true));
    EXPECT_EQ(messages.messages.size(), 1u);
    fs::remove_all(target);
    fs::create_directory(target);

    // A target folder that does not exist: the first copy cannot create its file.
    EXPECT_FALSE(Run(SetOperation::Copy, dir.File("nowhere")));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              Message(TextId::ErrorCreating, dir.File("nowhere/ev_A.pscore")));

    WriteFile(folder + "/ev_B.pscore", std::string(32001, 'x'));
    EXPECT_FALSE(Run(SetOperation::Move, target));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "File too long = 32001 bytes");
    // A was moved; B (the failed one), C and the set file stay at home.
    EXPECT_TRUE(fs::exists(target + "/ev_A.pscore"));
    EXPECT_EQ(FilesIn(target), 1u);
    EXPECT_EQ(FilesIn(folder), 4u);
    EXPECT_FALSE(fs::exists(folder + "/ev_A.pscore"));
}

// Earlier versions named two categories with the same display name alike, so
// their sets may list a sheet twice. Texts full of markup characters take a
// sheet the program wrote past 32000 bytes; it opens, so its set must move
// with it.
TEST_F(SetManagement, ListedTwiceMovedOnceAndOwnLongSheetsMove) {
    ScoreSheet sheet;
    sheet.iTeamsNr = kMaxTeams;
    for (int t = 0; t < kMaxTeams; ++t)
        sheet.sTeamName[t] = sheet.sTeamColors[t] = sheet.sColSupContent[t] = std::string(254, '&');
    ASSERT_TRUE(SaveSheet(sheet, folder + "/ev_B.pscore", Reporter(Language::English, messages)));
    const std::string written = ReadFile(folder + "/ev_B.pscore");
    ASSERT_GT(written.size(), kMaxSheetFileBytes);
    WriteFile(path, SetFileBytes({"ev_A.pscore", "ev_B.pscore", "ev_A.pscore"}));
    ASSERT_TRUE(Run(SetOperation::Move, target));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(FilesIn(folder), 2u);  // C and the unlisted file
    EXPECT_EQ(FilesIn(target), 3u);
    EXPECT_EQ(ReadFile(target + "/ev_B.pscore"), written);

    // The same length without the sheet file's first lines is no sheet of ours.
    WriteFile(dir.File("foreign"), " " + written.substr(1));
    EXPECT_FALSE(
        CopyFileA(dir.File("foreign"), dir.File("copy"), Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, FormatText(Text(Language::English, TextId::FileTooLong),
                                                    static_cast<long>(written.size())));
    EXPECT_FALSE(fs::exists(dir.File("copy")));
}

// A sheet already gone is no failure; one that cannot be removed is named; a
// folder is never removed, even an empty one the set names.
TEST_F(SetManagement, DeleteRemovesTheListedFilesAndReportsThoseItCouldNot) {
    fs::remove(folder + "/ev_A.pscore");
    fs::remove(folder + "/ev_B.pscore");
    fs::create_directory(folder + "/ev_B.pscore");
    EXPECT_FALSE(Run(SetOperation::Delete, path));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, Message(TextId::FilesNotDeleted, folder + "/ev_B.pscore"));
    EXPECT_FALSE(fs::exists(path) || fs::exists(folder + "/ev_C.pscore"));
    EXPECT_TRUE(fs::is_directory(folder + "/ev_B.pscore"));
    EXPECT_TRUE(fs::exists(folder + "/other.pscore"));

    // An unreadable set file deletes nothing.
    WriteFile(path, "<zavscore> no entries");
    EXPECT_FALSE(Run(SetOperation::Delete, ""));
    EXPECT_EQ(messages.messages.at(0).text, Text(Language::English, TextId::UnknownEncoding));
    EXPECT_TRUE(fs::exists(path));
}

// The set on screen before a set tool ran: opened again where it now is.
TEST_F(SetManagement, AnOpenSetIsFoundWhereTheOperationLeftIt) {
    const std::string other = dir.File("other.mscore");
    const struct {
        SetOperation code;
        bool done;
        std::string operated;
        std::string expected;
    } cases[] = {
        {SetOperation::Copy, true, path, path},
        {SetOperation::Move, true, path, "/target/ev.mscore"},
        {SetOperation::Move, true, folder + "/../ev/ev.mscore", "/target/ev.mscore"},
        {SetOperation::Move, false, path, path},
        {SetOperation::Move, true, other, path},
        {SetOperation::Delete, true, path, ""},
        {SetOperation::Delete, false, path, path},
        {SetOperation::Delete, true, other, path},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenSetAfter(c.code, c.done, path, c.operated, "/target"), c.expected)
            << c.operated;
    EXPECT_EQ(OpenSetAfter(SetOperation::Delete, true, "", path, ""), "");
}

TEST_F(SetManagement, CopyFileReplacesItsTargetAndReportsEachFailure) {
    const Reporter reporter(Language::English, messages);
    WriteFile(dir.File("a"), std::string(32000, 'a'));
    WriteFile(dir.File("b"), "replaced");
    ASSERT_TRUE(CopyFileA(dir.File("a"), dir.File("b"), reporter));
    EXPECT_EQ(ReadFile(dir.File("b")), std::string(32000, 'a'));
    EXPECT_TRUE(messages.messages.empty());

    EXPECT_FALSE(CopyFileA(dir.File("none"), dir.File("c"), reporter));
    EXPECT_FALSE(fs::exists(dir.File("c")));
    EXPECT_FALSE(CopyFileA(dir.File("a"), dir.File("no/c"), reporter));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "Error while opening file = " + dir.File("none"));
    EXPECT_EQ(messages.messages[1].text, "Error while creating file = " + dir.File("no/c"));
    EXPECT_EQ(messages.messages[1].icon, MessageIcon::Information);

    EXPECT_TRUE(TestCibleExist(dir.File("none"), reporter));
    EXPECT_FALSE(TestCibleExist(dir.File("a"), reporter));
    EXPECT_EQ(messages.questions.size(), 1u);
}

}  // namespace
}  // namespace zav
