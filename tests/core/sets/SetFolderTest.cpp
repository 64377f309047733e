// A set's files on disk at their edges: sheet names, creation, copy, move and
// delete, and what a failure leaves; ordinary sets made and handled are the
// command-line test's.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/sets/SifTestData.h"
#include "paths/PathNames.h"
#include "sets/SetCreation.h"
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
using Names = std::vector<std::string>;
using Teams = std::vector<std::pair<std::string, std::string>>;

class SetFolder : public ::testing::Test {
protected:
    SifEntries Entries(const Teams& teams) {
        SifEntries entries;
        EXPECT_TRUE(ParseSif(zavtest::SifText(teams), "sif", entries, reporter));
        return entries;
    }
    SetPlan Grouped(const SifEntries& entries,
                    const std::vector<std::vector<std::size_t>>& sheets) {
        SetPlan plan = EmptyGrouping(entries);
        for (const auto& categories : sheets) EXPECT_TRUE(AddGroupedSheet(plan, categories));
        return plan;
    }
    bool Create(const SifEntries& entries, const SetPlan& plan, const std::string& setName) {
        ScoreSheet sheet;
        return CreateSet(entries, SetOptions{}, plan, dir.File(setName), sheet, reporter);
    }
    // A set of three sheets in ev/, each sheet file holding its own name,
    // beside a file the set does not list, and an empty folder target/.
    void MakeSet() {
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

TEST_F(SetFolder, StemsAreCutToEightyCharactersAndNeverRepeat) {
    Teams teams;
    for (const char* category : {"CPM1", "CPM2", "CPM3", "CAB1", "CAB2", "CABE", "CPC1"})
        teams.push_back({category, "T"});
    teams.push_back({"CPM1 autre libell\xC3\xA9", "U"});  // same display name as CPM1
    teams.push_back({"X/Y", "V"});
    const SifEntries entries = Entries(teams);
    SetPlan grouped = Grouped(entries, {{0, 1, 2, 3, 4, 5, 6}, {7, 8}});
    // The grouping dialog offers only what is still on no sheet.
    EXPECT_FALSE(AddGroupedSheet(grouped, {}) || AddGroupedSheet(grouped, {9}) ||
                 AddGroupedSheet(grouped, {8}));
    EXPECT_EQ(grouped.iFeuilleCat, 2);
    EXPECT_EQ(SheetStem("2026-05-12 r\xC3\xA9gional.mscore", entries, grouped, 1),
              "2026-05-12 r\xC3\xA9gional_Minime 1_Minime 2_Minime 3_Benjamin 1_Benjamin 2_"
              "Benjamin El");  // 80 characters, the accent counting as one
    EXPECT_EQ(SheetStem("plain", entries, grouped, 2), "plain_Minime 1_X_Y");

    const Names names = SheetFileNames("ev.mscore", entries, OneSheetPerCategory(entries));
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names[0] + names[7] + names[8],
              "ev_Minime 1.pscoreev_Minime 1_2.pscoreev_X_Y.pscore");

    // Two sheets cut to the same 80 characters keep the suffix inside them.
    const std::string radical(70, 'r');
    EXPECT_EQ(SheetFileNames(radical + ".mscore", entries, grouped),
              (Names{radical + "_Minime 1_.pscore", radical + "_Minime _2.pscore"}));
}

// A sheet that cannot be written: the older set, its sheets and the folder
// stay exactly as they were. Ten teams fit on a sheet.
TEST_F(SetFolder, AFailureLeavesTheFolderAsItWas) {
    Teams teams;
    for (int i = 0; i < 4; ++i) teams.push_back({"CPM1", "M" + std::to_string(i)});
    for (int i = 0; i < 6; ++i) teams.push_back({"CPM2 Minime", "N" + std::to_string(i)});
    teams.push_back({"COPE", "Open team"});
    const SifEntries ten = Entries(teams);
    WriteFile(dir.File("ev.mscore"), "older set");
    WriteFile(dir.File("ev_Minime 1.pscore"), "older sheet");

    const std::string second = dir.File("ev_Minime 2.pscore");
    fs::create_directory(second);  // its name is taken by a folder
    EXPECT_FALSE(Create(ten, OneSheetPerCategory(ten), "ev.mscore"));
    fs::remove(second);
    WriteFile(second, "protected sheet");
    fs::permissions(second, fs::perms(0444));
    EXPECT_FALSE(Create(ten, OneSheetPerCategory(ten), "ev.mscore"));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, English(TextId::ErrorCreating, second));
    EXPECT_EQ(messages.messages[1].text, English(TextId::FileReadOnly, second));
    EXPECT_EQ(ReadFile(dir.File("ev.mscore")), "older set");
    EXPECT_EQ(ReadFile(dir.File("ev_Minime 1.pscore")), "older sheet");
    EXPECT_EQ(FilesIn(dir.Path()), 3u);

    ASSERT_TRUE(Create(ten, Grouped(ten, {{0, 1}, {2}}), "ok.mscore"));
    ScoreSheet sheet;
    ASSERT_TRUE(LoadSheet(sheet, dir.File("ok_Minime 1_Minime 2.pscore"), reporter));
    EXPECT_EQ(sheet.iTeamsNr, 10);
}

TEST_F(SetFolder, TheSetsOwnFolderIsRefusedHoweverItIsWritten) {
    MakeSet();
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
TEST_F(SetFolder, ACopyThatFailsHalfWayStopsThere) {
    MakeSet();
    fs::create_directory(target + "/ev.mscore");  // the set file goes last
    EXPECT_FALSE(Run(SetOperation::Copy, target));
    EXPECT_EQ(Message(), English(TextId::ErrorCreating, PathInFolder(target, "ev.mscore")));
    fs::remove_all(target);
    fs::create_directory(target);

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
    EXPECT_FALSE(fs::exists(dir.File("copy")));
}

// A sheet already gone is no failure; one that cannot be removed is named; a
// folder is never removed, even an empty one the set names.
TEST_F(SetFolder, DeleteRemovesTheListedFilesAndReportsThoseItCouldNot) {
    MakeSet();
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
TEST_F(SetFolder, AnOpenSetIsFoundWhereTheOperationLeftIt) {
    const std::string other = dir.File("other.mscore");
    const struct {
        SetOperation code;
        bool done;
        std::string operated;
        std::string expected;
    } cases[] = {
        {SetOperation::Copy, true, path, path},
        {SetOperation::Move, true, path, PathInFolder("/target", "ev.mscore")},
        {SetOperation::Move, true, folder + "/../ev/ev.mscore",
         PathInFolder("/target", "ev.mscore")},
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
