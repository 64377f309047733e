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
        a.iScoreSet = 1;
        EXPECT_EQ(SaveSheet(a, dir.File("a.pscore"), kLangEnglish, messages), 0);
        ScoreSheet b;
        b.sTitle = "Sheet B";
        EXPECT_EQ(SaveSheet(b, dir.File("b.pscore"), kLangEnglish, messages), 0);
        zavtest::WriteFile(dir.File("ev.mscore"), SetFileBytes({"a.pscore", "b.pscore"}));
        std::vector<std::string> names;
        EXPECT_EQ(LoadSetSheet(sheet, dir.File("ev.mscore"), names, kLangEnglish, messages), 0);
    }
};

TEST(SetSheetSwitch, ReadsTheNamedSheetBesideTheSetFileAndKeepsItInTheSet) {
    TwoSheetSet set;
    ASSERT_EQ(set.sheet.sTitle, "Sheet A");

    ASSERT_EQ(LoadSheetOfSet(set.sheet, "b.pscore", kLangEnglish, set.messages), 0);
    EXPECT_EQ(set.sheet.sTitle, "Sheet B");
    EXPECT_EQ(set.sheet.wxsMultiFileOpen, set.dir.File("b.pscore"));
    EXPECT_EQ(set.sheet.wxsFilePath, set.dir.File("b.pscore"));
    EXPECT_EQ(set.sheet.wxsMScoreOpen, set.dir.File("ev.mscore"));
    // Without the marker the reader says "single sheet"; a save of it must
    // still go to b.pscore, not to a file chosen from the set file's name.
    EXPECT_EQ(set.sheet.iScoreSet, 1);
    EXPECT_TRUE(set.sheet.wxsFullFileName.empty());
    EXPECT_TRUE(set.messages.messages.empty());
}

TEST(SetSheetSwitch, AMissingSheetIsReportedAndLeavesAnEmptySheetOfTheSet) {
    TwoSheetSet set;
    EXPECT_EQ(LoadSheetOfSet(set.sheet, "gone.pscore", kLangEnglish, set.messages), 1);
    ASSERT_EQ(set.messages.messages.size(), 1u);
    EXPECT_NE(set.messages.messages[0].text.find("gone.pscore"), std::string::npos);
    EXPECT_TRUE(set.sheet.sTitle.empty());
    EXPECT_EQ(set.sheet.wxsMultiFileOpen, set.dir.File("gone.pscore"));
    EXPECT_EQ(set.sheet.iScoreSet, 1);
}

// A registration export with records but no team line cannot make a set.
TEST(SetFromSif, AFileWithoutTeamsIsRefusedNamingIt) {
    RecordingMessageSink messages;
    SifEntries entries;
    ASSERT_EQ(ParseSif("4711;Championnat;2026\n4711;R1;CAVALIER;CPM1;rider\n", "e.txt", entries,
                       kLangEnglish, messages),
              0);
    EXPECT_EQ(CheckSifHasTeams(entries, "/in/e.txt", kLangEnglish, messages), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "The file [/in/e.txt] is not a SIF file or its format is unknown.");

    ASSERT_EQ(ParseSif(zavtest::SifText({{"CPM1", "A"}}), "e.txt", entries, kLangEnglish, messages),
              0);
    EXPECT_EQ(CheckSifHasTeams(entries, "/in/e.txt", kLangEnglish, messages), 0);
    EXPECT_EQ(messages.messages.size(), 1u);
}

}  // namespace
}  // namespace zav
