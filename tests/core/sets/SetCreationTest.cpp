#include <gtest/gtest.h>

#include <filesystem>

#include "core/sets/SifTestData.h"
#include "sets/SetCreation.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/Golden.h"
#include "texts/Texts.h"

namespace zav {
namespace {

namespace fs = std::filesystem;
using zavtest::FilesIn;
using zavtest::ReadFile;
using zavtest::SifText;
using Names = std::vector<std::string>;
using Teams = std::vector<std::pair<std::string, std::string>>;

SifEntries Entries(const Teams& teams) {
    SifEntries entries;
    RecordingMessageSink messages;
    EXPECT_TRUE(
        ParseSif(SifText(teams), "entries.txt", entries, Reporter(Language::English, messages)));
    return entries;
}

SetPlan Grouped(const SifEntries& entries, const std::vector<std::vector<std::size_t>>& sheets) {
    SetPlan plan = EmptyGrouping(entries);
    for (const auto& categories : sheets) EXPECT_TRUE(AddGroupedSheet(plan, categories));
    return plan;
}

class SetCreation : public ::testing::Test {
protected:
    bool Create(const SifEntries& entries, const SetPlan& plan, const std::string& setName,
                bool french = true) {
        SetOptions options;
        options.sTitle = "Championnat r\xC3\xA9gional";
        options.sDate = "12/05/2026";
        options.sReferee = "J. Martin";
        options.iGamesNr = 8;
        options.bFrenchRules = french;
        ScoreSheet sheet;
        return CreateSet(entries, options, plan, dir.File(setName), sheet,
                         Reporter(Language::English, messages));
    }
    Names SheetsOf(const std::string& setName) {
        Names names;
        EXPECT_TRUE(ReadSetFile(dir.File(setName), EncodingMark::Required, names,
                                Reporter(Language::English, messages)));
        return names;
    }
    ScoreSheet Load(const std::string& name) {
        ScoreSheet sheet;
        EXPECT_TRUE(LoadSheet(sheet, dir.File(name), Reporter(Language::French, messages))) << name;
        return sheet;
    }
    // Each team row as "name:extra column".
    static std::string Rows(const ScoreSheet& s) {
        std::string rows;
        for (int t = 0; t < s.iTeamsNr; ++t)
            rows += s.sTeamName[t] + ":" + s.sColSupContent[t] + " ";
        return rows;
    }

    zavtest::TempDir dir;
    RecordingMessageSink messages;
};

// The set lists its sheets in the order the categories first occur; French
// rules score teams + 1 with the elimination rule, international ones the
// number of teams; grouped categories name each team's category.
TEST_F(SetCreation, SheetsPerCategoryOrPerGroupInFileOrder) {
    const SifEntries entries = Entries({{"CPM1", "A1"},
                                        {"CPM2", "B1"},
                                        {"COPE", "C1"},
                                        {"CPM1", "A2"},
                                        {"CAB1", "D1"},
                                        {"CL1", "E1"},
                                        {"XYZ Autre", "F1"}});
    ASSERT_TRUE(Create(entries, OneSheetPerCategory(entries), "1234.mscore"));
    const Names names = SheetsOf("1234.mscore");
    EXPECT_EQ(names,
              (Names{"1234_Minime 1.pscore", "1234_Minime 2.pscore", "1234_Open Elite.pscore",
                     "1234_Benjamin 1.pscore", "1234_Club 1.pscore", "1234_XYZ Autre.pscore"}));
    EXPECT_EQ(FilesIn(dir.Path()), 7u);
    const ScoreSheet first = Load(names[0]);
    EXPECT_EQ(Rows(first) + first.sColSupTitle, "A1: A2: ");
    EXPECT_EQ(first.iScoring * 10 + first.iEliminationRule, 31);
    EXPECT_EQ(Load(names[5]).sTeamName[0], "F1");  // a category without a known code

    EXPECT_EQ(OneSheetPerCategory(entries).iCategory, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    SetPlan plan = EmptyGrouping(entries);
    EXPECT_EQ(UnassignedCategories(plan), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(GroupChoiceLine(entries.sCategory[2]), "COPE - Open Elite");
    EXPECT_FALSE(AddGroupedSheet(plan, {}));
    EXPECT_FALSE(AddGroupedSheet(plan, {6}));       // no such category
    ASSERT_TRUE(AddGroupedSheet(plan, {0, 1, 4}));  // Minime 1, Minime 2, Club 1
    EXPECT_FALSE(AddGroupedSheet(plan, {2, 1}));    // Minime 2 already has a sheet
    EXPECT_EQ(UnassignedCategories(plan), (std::vector<std::size_t>{2, 3, 5}));
    ASSERT_TRUE(AddGroupedSheet(plan, {3, 2, 5}));
    EXPECT_TRUE(UnassignedCategories(plan).empty());
    EXPECT_EQ(plan.iFeuilleCat, 2);
    ASSERT_TRUE(Create(entries, plan, "ev.mscore", false));
    const Names grouped = SheetsOf("ev.mscore");
    EXPECT_EQ(grouped, (Names{"ev_Minime 1_Minime 2_Club 1.pscore",
                              "ev_Open Elite_Benjamin 1_XYZ Autre.pscore"}));
    // Its texts, its rules and each team's category, in the program's
    // single-byte code page; the set named without the folder it is in.
    std::string bytes = ReadFile(dir.File(grouped[0]));
    bytes.replace(bytes.find(dir.Path()), dir.Path().size(), "/events");
    zavtest::ExpectGolden("core/sets/golden/grouped-sheet.pscore", bytes);
    // Nothing of the first sheet's teams is carried into the second.
    EXPECT_EQ(Rows(Load(grouped[1])), "C1:Open Elite D1:Benjamin 1 F1:XYZ Autre ");
    EXPECT_TRUE(messages.messages.empty());
}

// "CPM1" begins the grouping line of "CPM1 Minime 1": choosing that line must
// not take "CPM1" off the sheet it is already on. Both display as "Minime 1":
// the second sheet gets a name of its own.
TEST_F(SetCreation, GroupingMovesOnlyTheChosenCategories) {
    const SifEntries entries =
        Entries({{"CPM1", "Short"}, {"CPM1 Minime 1", "Long"}, {"CPM1", "S2"}});
    ASSERT_EQ(GroupChoiceLine(entries.sCategory[1]).rfind(entries.sCategory[0], 0), 0u);
    const SetPlan plan = Grouped(entries, {{0}, {1}});
    EXPECT_EQ(plan.iCategory, (std::vector<int>{1, 2}));
    ASSERT_TRUE(Create(entries, plan, "ev.mscore"));
    EXPECT_EQ(Rows(Load("ev_Minime 1.pscore")) + Rows(Load("ev_Minime 1_2.pscore")),
              "Short:Minime 1 S2:Minime 1 Long:Minime 1 ");
}

TEST_F(SetCreation, StemsAreCutToEightyCharactersAndNeverRepeat) {
    Teams teams;
    for (const char* category : {"CPM1", "CPM2", "CPM3", "CAB1", "CAB2", "CABE", "CPC1"})
        teams.push_back({category, "T"});
    teams.push_back({"CPM1 autre libell\xC3\xA9", "U"});  // same display name as CPM1
    teams.push_back({"X/Y", "V"});
    const SifEntries entries = Entries(teams);
    const SetPlan grouped = Grouped(entries, {{0, 1, 2, 3, 4, 5, 6}, {7, 8}});
    const std::string setName = "2026-05-12 r\xC3\xA9gional.mscore";
    const std::string longStem = SheetStem(setName, entries, grouped, 1);
    EXPECT_EQ(longStem,
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

    ASSERT_TRUE(Create(entries, grouped, setName));
    EXPECT_TRUE(fs::exists(dir.File(longStem + ".pscore")));
    EXPECT_EQ(SheetsOf(setName)[0], longStem + ".pscore");
}

// Eleven teams on a sheet, or a sheet that cannot be written: the older set,
// its sheets and the folder stay exactly as they were.
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
    EXPECT_EQ(FilesIn(dir.Path()), 3u);

    // Exactly ten teams fit.
    ASSERT_TRUE(Create(ten, Grouped(ten, {{0, 1}, {2}}), "ok.mscore"));
    EXPECT_EQ(Load("ok_Minime 1_Minime 2.pscore").iTeamsNr, 10);
}

TEST_F(SetCreation, SetWithoutTeamsAndSetWithNamesBeyondWindows1252) {
    const SifEntries none = Entries({});
    ASSERT_TRUE(Create(none, OneSheetPerCategory(none), "empty.mscore"));
    EXPECT_EQ(ReadFile(dir.File("empty.mscore")), SetFileBytes({}));
    EXPECT_EQ(ReadFile(dir.File("empty.mscore")).find("<file>"), std::string::npos);

    const std::string snowman = "CL\xE2\x98\x83 Neige";  // no Windows-1252 form
    const SifEntries wide = Entries({{snowman, "A"}, {"CPM1", "B"}});
    ASSERT_TRUE(Create(wide, OneSheetPerCategory(wide), "w.mscore"));
    EXPECT_EQ(
        ReadFile(dir.File("w.mscore")).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0),
        0u);
    const Names names = SheetsOf("w.mscore");
    EXPECT_EQ(names, (Names{"w_" + snowman + ".pscore", "w_Minime 1.pscore"}));
    EXPECT_TRUE(fs::exists(dir.File(names[0])));
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace zav
