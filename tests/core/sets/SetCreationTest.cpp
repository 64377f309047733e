// A set's sheet names and its failures at their edges; an ordinary set made
// from an entries file is the command-line test's (its golden sheet).
#include <gtest/gtest.h>

#include <filesystem>

#include "core/sets/SifTestData.h"
#include "sets/SetCreation.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace zav {
namespace {

namespace fs = std::filesystem;
using zavtest::ReadFile;
using Names = std::vector<std::string>;
using Teams = std::vector<std::pair<std::string, std::string>>;

class SetCreation : public ::testing::Test {
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

    zavtest::TempDir dir;
    RecordingMessageSink messages;
    const Reporter reporter{Language::English, messages};
};

// The grouping dialog offers only what is still on no sheet.
TEST_F(SetCreation, AGroupTakesOnlyExistingCategoriesOnNoSheetYet) {
    const SifEntries entries = Entries({{"CPM1", "A"}, {"CPM2", "B"}, {"COPE", "C"}});
    SetPlan plan = EmptyGrouping(entries);
    EXPECT_FALSE(AddGroupedSheet(plan, {}));
    EXPECT_FALSE(AddGroupedSheet(plan, {3}));
    ASSERT_TRUE(AddGroupedSheet(plan, {0, 2}));
    EXPECT_FALSE(AddGroupedSheet(plan, {1, 2}));
    EXPECT_EQ(plan.iCategory, (std::vector<int>{1, 0, 1}));
}

TEST_F(SetCreation, StemsAreCutToEightyCharactersAndNeverRepeat) {
    Teams teams;
    for (const char* category : {"CPM1", "CPM2", "CPM3", "CAB1", "CAB2", "CABE", "CPC1"})
        teams.push_back({category, "T"});
    teams.push_back({"CPM1 autre libell\xC3\xA9", "U"});  // same display name as CPM1
    teams.push_back({"X/Y", "V"});
    const SifEntries entries = Entries(teams);
    const SetPlan grouped = Grouped(entries, {{0, 1, 2, 3, 4, 5, 6}, {7, 8}});
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

// Eleven teams on a sheet, or a sheet that cannot be written: the older set,
// its sheets and the folder stay exactly as they were. Ten teams fit.
TEST_F(SetCreation, AFailureLeavesTheFolderAsItWas) {
    Teams teams;
    for (int i = 0; i < 4; ++i) teams.push_back({"CPM1", "M" + std::to_string(i)});
    for (int i = 0; i < 6; ++i) teams.push_back({"CPM2 Minime", "N" + std::to_string(i)});
    teams.push_back({"COPE", "Open team"});
    const SifEntries ten = Entries(teams);
    teams.push_back({"CPM2 Minime", "Eleventh"});
    const SifEntries eleven = Entries(teams);
    zavtest::WriteFile(dir.File("ev.mscore"), "older set");
    zavtest::WriteFile(dir.File("ev_Minime 1.pscore"), "older sheet");

    EXPECT_FALSE(Create(eleven, Grouped(eleven, {{2}, {0, 1}}), "ev.mscore"));
    const std::string second = dir.File("ev_Minime 2.pscore");
    fs::create_directory(second);  // its name is taken by a folder
    EXPECT_FALSE(Create(ten, OneSheetPerCategory(ten), "ev.mscore"));
    fs::remove(second);
    zavtest::WriteFile(second, "protected sheet");
    fs::permissions(second, fs::perms(0444));
    EXPECT_FALSE(Create(ten, OneSheetPerCategory(ten), "ev.mscore"));
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[0].text,
              "On score sheet 2, the maximum number of teams is reached with category CPM2.");
    EXPECT_EQ(messages.messages[1].text,
              FormatText(Text(Language::English, TextId::ErrorCreating), second));
    EXPECT_EQ(messages.messages[2].text,
              FormatText(Text(Language::English, TextId::ErrorWriting), second));
    EXPECT_EQ(ReadFile(dir.File("ev.mscore")), "older set");
    EXPECT_EQ(ReadFile(dir.File("ev_Minime 1.pscore")), "older sheet");
    EXPECT_EQ(zavtest::FilesIn(dir.Path()), 3u);

    ASSERT_TRUE(Create(ten, Grouped(ten, {{0, 1}, {2}}), "ok.mscore"));
    ScoreSheet sheet;
    ASSERT_TRUE(LoadSheet(sheet, dir.File("ok_Minime 1_Minime 2.pscore"), reporter));
    EXPECT_EQ(sheet.iTeamsNr, 10);
}

}  // namespace
}  // namespace zav
