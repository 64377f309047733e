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
        WriteFile(path, SetFileBytes({"ev_A.pscore", "ev_B.pscore", "ev_C.pscore"}));
        for (const char* name : {"ev_A.pscore", "ev_B.pscore", "ev_C.pscore"})
            WriteFile(folder + "/" + name, name);
        WriteFile(folder + "/other.pscore", "not in the set");
    }
    bool Run(SetOperation code, const std::string& to) {
        messages.messages.clear();
        return code == SetOperation::Delete ? TraiteSetSheet(code, path, to, reporter)
                                            : CopyOrMoveSet(code, path, to, reporter);
    }
    // The only message of the last run.
    std::string Message() const {
        EXPECT_EQ(messages.messages.size(), 1u);
        return messages.messages.empty() ? "" : messages.messages[0].text;
    }
    std::string English(TextId id, const std::string& name) const {
        return FormatText(Text(Language::English, id), name);
    }

    zavtest::TempDir dir;
    const std::string folder = dir.File("ev"), target = dir.File("target");
    const std::string path = folder + "/ev.mscore";
    RecordingMessageSink messages{true};
    const Reporter reporter{Language::English, messages};
};

TEST_F(SetManagement, TheSetsOwnFolderIsRefusedHoweverItIsWritten) {
    for (const std::string& same : {folder, folder + "/", folder + "/../ev/."}) {
        EXPECT_FALSE(Run(SetOperation::Move, same)) << same;
        EXPECT_EQ(Message(), Text(Language::English, TextId::SameFolder));
    }
    EXPECT_EQ(FilesIn(folder), 5u);
    EXPECT_FALSE(IsSameFolder(folder, dir.Path()));
    EXPECT_FALSE(IsSameFolder(folder, dir.File("not-yet")));
}

// A move whose copy fails leaves that sheet, those after it and the set file
// at home; a sheet the program wrote past 32000 bytes still moves.
TEST_F(SetManagement, ACopyThatFailsHalfWayStopsThere) {
    fs::create_directory(target + "/ev.mscore");  // the set file goes last
    EXPECT_FALSE(Run(SetOperation::Copy, target));
    EXPECT_EQ(Message(), English(TextId::ErrorCreating, target + "/ev.mscore"));
    fs::remove_all(target);
    fs::create_directory(target);
    EXPECT_FALSE(Run(SetOperation::Copy, dir.File("nowhere")));
    EXPECT_EQ(Message(), English(TextId::ErrorCreating, dir.File("nowhere/ev_A.pscore")));

    WriteFile(folder + "/ev_B.pscore", std::string(32001, 'x'));
    EXPECT_FALSE(Run(SetOperation::Move, target));
    EXPECT_EQ(Message(), "File too long = 32001 bytes");
    EXPECT_EQ(FilesIn(target), 1u);
    EXPECT_EQ(FilesIn(folder), 4u);
    EXPECT_FALSE(fs::exists(folder + "/ev_A.pscore"));

    ScoreSheet sheet;
    sheet.iTeamsNr = kMaxTeams;
    for (int t = 0; t < kMaxTeams; ++t)
        sheet.sTeamName[t] = sheet.sTeamColors[t] = sheet.sColSupContent[t] = std::string(254, '&');
    ASSERT_TRUE(SaveSheet(sheet, folder + "/ev_B.pscore", reporter));
    const std::string written = ReadFile(folder + "/ev_B.pscore");
    ASSERT_GT(written.size(), kMaxSheetFileBytes);
    // Earlier versions listed a sheet twice when two categories shared a
    // display name: it moves once.
    WriteFile(path, SetFileBytes({"ev_B.pscore", "ev_C.pscore", "ev_B.pscore"}));
    ASSERT_TRUE(Run(SetOperation::Move, target));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(ReadFile(target + "/ev_B.pscore"), written);
    EXPECT_EQ(FilesIn(target), 4u);
    EXPECT_EQ(FilesIn(folder), 1u);  // the file the set does not list

    // The same length without the sheet file's first lines is no sheet of ours.
    WriteFile(dir.File("foreign"), " " + written.substr(1));
    EXPECT_FALSE(CopyFileA(dir.File("foreign"), dir.File("copy"), reporter));
    EXPECT_FALSE(CopyFileA(dir.File("none"), dir.File("copy"), reporter));
    EXPECT_FALSE(fs::exists(dir.File("copy")));
}

// A sheet already gone is no failure; one that cannot be removed is named; a
// folder is never removed, even an empty one the set names.
TEST_F(SetManagement, DeleteRemovesTheListedFilesAndReportsThoseItCouldNot) {
    fs::remove(folder + "/ev_A.pscore");
    fs::remove(folder + "/ev_B.pscore");
    fs::create_directory(folder + "/ev_B.pscore");
    EXPECT_FALSE(Run(SetOperation::Delete, path));
    EXPECT_EQ(Message(), English(TextId::FilesNotDeleted, folder + "/ev_B.pscore"));
    EXPECT_FALSE(fs::exists(path) || fs::exists(folder + "/ev_C.pscore"));
    EXPECT_TRUE(fs::is_directory(folder + "/ev_B.pscore"));
    EXPECT_TRUE(fs::exists(folder + "/other.pscore"));

    // An unreadable set file deletes nothing.
    WriteFile(path, "<zavscore> no entries");
    EXPECT_FALSE(Run(SetOperation::Delete, ""));
    EXPECT_EQ(Message(), Text(Language::English, TextId::UnknownEncoding));
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

}  // namespace
}  // namespace zav
