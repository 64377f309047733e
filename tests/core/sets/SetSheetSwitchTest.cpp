#include <gtest/gtest.h>

#include "core/sets/SifTestData.h"
#include "sets/SetCreation.h"
#include "sets/SetFile.h"
#include "sets/SifFile.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace zav {
namespace {

using zavtest::TempDir;

// A set of two sheets, the second written without the set marker (a single
// sheet copied into the set's folder under a listed name).
struct TwoSheetSet {
    TempDir dir;
    RecordingMessageSink messages;
    ScoreSheet sheet;

    TwoSheetSet() {
        ScoreSheet a;
        a.sTitle = "Sheet A";
        a.bScoreSet = 1;
        EXPECT_TRUE(SaveSheet(a, dir.File("a.pscore"), Reporter(Language::English, messages)));
        ScoreSheet b;
        b.sTitle = "Sheet B";
        EXPECT_TRUE(SaveSheet(b, dir.File("b.pscore"), Reporter(Language::English, messages)));
        zavtest::WriteFile(dir.File("ev.mscore"), SetFileBytes({"a.pscore", "b.pscore"}));
        std::vector<std::string> names;
        EXPECT_TRUE(LoadSetSheet(sheet, dir.File("ev.mscore"), names,
                                 Reporter(Language::English, messages)));
    }
};

TEST(SetSheetSwitch, ReadsTheNamedSheetBesideTheSetFileAndKeepsItInTheSet) {
    TwoSheetSet set;
    ASSERT_EQ(set.sheet.sTitle, "Sheet A");

    ASSERT_TRUE(LoadSheetOfSet(set.sheet, "b.pscore", Reporter(Language::English, set.messages)));
    EXPECT_EQ(set.sheet.sTitle, "Sheet B");
    EXPECT_EQ(set.sheet.sMultiFileOpen, set.dir.File("b.pscore"));
    EXPECT_EQ(set.sheet.sFilePath, set.dir.File("b.pscore"));
    EXPECT_EQ(set.sheet.sMScoreOpen, set.dir.File("ev.mscore"));
    // Without the marker the reader says "single sheet"; a save of it must
    // still go to b.pscore, not to a file chosen from the set file's name.
    EXPECT_TRUE(set.sheet.bScoreSet);
    EXPECT_TRUE(set.sheet.sFullFileName.empty());
    EXPECT_TRUE(set.messages.messages.empty());
}

TEST(SetSheetSwitch, AMissingSheetIsReportedAndLeavesAnEmptySheetOfTheSet) {
    TwoSheetSet set;
    EXPECT_FALSE(
        LoadSheetOfSet(set.sheet, "gone.pscore", Reporter(Language::English, set.messages)));
    ASSERT_EQ(set.messages.messages.size(), 1u);
    EXPECT_NE(set.messages.messages[0].text.find("gone.pscore"), std::string::npos);
    EXPECT_TRUE(set.sheet.sTitle.empty());
    EXPECT_EQ(set.sheet.sMultiFileOpen, set.dir.File("gone.pscore"));
    EXPECT_TRUE(set.sheet.bScoreSet);
}

// A registration export with records but no team line cannot make a set.
TEST(SetFromSif, AFileWithoutTeamsIsRefusedNamingIt) {
    RecordingMessageSink messages;
    SifEntries entries;
    ASSERT_TRUE(ParseSif("4711;Championnat;2026\n4711;R1;CAVALIER;CPM1;rider\n", "e.txt", entries,
                         Reporter(Language::English, messages)));
    EXPECT_FALSE(CheckSifHasTeams(entries, "/in/e.txt", Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "The file [/in/e.txt] is not a SIF file or its format is unknown.");

    ASSERT_TRUE(ParseSif(zavtest::SifText({{"CPM1", "A"}}), "e.txt", entries,
                         Reporter(Language::English, messages)));
    EXPECT_TRUE(CheckSifHasTeams(entries, "/in/e.txt", Reporter(Language::English, messages)));
    EXPECT_EQ(messages.messages.size(), 1u);
}

}  // namespace
}  // namespace zav
