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
using zavtest::FilesIn;
using zavtest::ReadFile;
using zavtest::SifText;
using zavtest::TempDir;

SifEntries Entries(const std::string& text) {
    SifEntries entries;
    RecordingMessageSink messages;
    EXPECT_TRUE(ParseSif(text, "entries.txt", entries, Reporter(Language::English, messages)));
    return entries;
}

SetOptions Options(bool french = true) {
    SetOptions options;
    options.sTitle = "Championnat r\xC3\xA9gional";
    options.sDate = "12/05/2026";
    options.sReferee = "J. Martin";
    options.iGamesNr = 8;
    options.bFrenchRules = french;
    return options;
}

ScoreSheet Load(const std::string& path) {
    ScoreSheet sheet;
    RecordingMessageSink messages;
    EXPECT_TRUE(LoadSheet(sheet, path, Reporter(Language::English, messages))) << path;
    return sheet;
}

// The set lists its sheets in the order the categories first occur; French
// rules score teams + 1 with the elimination rule, international ones the
// number of teams; grouped categories name each team's category.
TEST(SetCreation, SheetsPerCategoryOrPerGroupInFileOrder) {
    TempDir dir;
    const SifEntries entries = Entries(SifText({{"CPM1", "A1"},
                                                {"CPM2", "B1"},
                                                {"COPE", "C1"},
                                                {"CPM1", "A2"},
                                                {"CAB1", "D1"},
                                                {"CL1", "E1"},
                                                {"XYZ Autre", "F1"}}));
    const std::string setPath = dir.File("1234.mscore");
    ScoreSheet sheet;
    RecordingMessageSink messages;
    ASSERT_TRUE(CreateSet(entries, Options(), OneSheetPerCategory(entries), setPath, sheet,
                          Reporter(Language::English, messages)));
    std::vector<std::string> names;
    ASSERT_TRUE(
        ReadSetFile(setPath, EncodingMark::Required, names, Reporter(Language::English, messages)));
    EXPECT_EQ(names, (std::vector<std::string>{"1234_Minime 1.pscore", "1234_Minime 2.pscore",
                                               "1234_Open Elite.pscore", "1234_Benjamin 1.pscore",
                                               "1234_Club 1.pscore", "1234_XYZ Autre.pscore"}));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(FilesIn(dir.Path()), 7u);
    const ScoreSheet first = Load(dir.File(names[0]));
    EXPECT_EQ(first.sTitle + "|" + first.sDate + "|" + first.sReferee + "|" + first.sSubTitle,
              "Championnat r\xC3\xA9gional|12/05/2026|J. Martin|Comp\xC3\xA9tition num\xC3\xA9ro "
              "12345 - Cat\xC3\xA9gorie(s) : Minime 1 - ");
    EXPECT_EQ(
        first.sTeamName[0] + first.sTeamName[1] + first.sColSupTitle + first.sColSupContent[0],
        "A1A2");
    EXPECT_EQ((std::vector<int>{first.iGamesNr, first.iTeamsNr, first.iScoring,
                                first.iEliminationRule, first.bScoreSet}),
              (std::vector<int>{8, 2, 3, 1, 1}));
    EXPECT_EQ(first.sScoreSetFileName, setPath);
    // The sheet file itself is written in the program's single-byte code page.
    EXPECT_NE(ReadFile(dir.File(names[0])).find("Comp\xE9tition num\xE9ro"), std::string::npos);
    // A category without a known code is shown whole.
    EXPECT_EQ(Load(dir.File(names[5])).sTeamName[0], "F1");

    SetPlan plan = EmptyGrouping(entries);
    EXPECT_EQ(UnassignedCategories(plan), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(GroupChoiceLine(entries.sCategory[2]), "COPE - Open Elite");
    EXPECT_FALSE(AddGroupedSheet(plan, {}));
    ASSERT_TRUE(AddGroupedSheet(plan, {0, 1, 4}));  // Minime 1, Minime 2, Club 1
    EXPECT_FALSE(AddGroupedSheet(plan, {2, 1}));    // Minime 2 already has a sheet
    EXPECT_EQ(UnassignedCategories(plan), (std::vector<std::size_t>{2, 3, 5}));
    ASSERT_TRUE(AddGroupedSheet(plan, {3, 2, 5}));
    EXPECT_TRUE(UnassignedCategories(plan).empty());
    EXPECT_EQ(plan.iFeuilleCat, 2);
    ASSERT_TRUE(CreateSet(entries, Options(false), plan, dir.File("ev.mscore"), sheet,
                          Reporter(Language::French, messages)));
    ASSERT_TRUE(ReadSetFile(dir.File("ev.mscore"), EncodingMark::Required, names,
                            Reporter(Language::French, messages)));
    EXPECT_EQ(names, (std::vector<std::string>{"ev_Minime 1_Minime 2_Club 1.pscore",
                                               "ev_Open Elite_Benjamin 1_XYZ Autre.pscore"}));
    const ScoreSheet grouped = Load(dir.File(names[0]));
    ASSERT_EQ(grouped.iTeamsNr, 4);
    std::string rows;
    for (int t = 0; t < 4; ++t)
        rows += grouped.sTeamName[t] + ":" + grouped.sColSupContent[t] + " ";
    EXPECT_EQ(rows, "A1:Minime 1 B1:Minime 2 A2:Minime 1 E1:Club 1 ");
    EXPECT_EQ(grouped.sColSupTitle, Text(Language::French, TextId::Category));
    EXPECT_EQ(grouped.iScoring * 10 + grouped.iEliminationRule, 40);
    EXPECT_EQ(grouped.sSubTitle,
              "Comp\xC3\xA9tition num\xC3\xA9ro 12345 - Cat\xC3\xA9gorie(s) : Minime 1 - Minime 2 "
              "- Club 1 - ");
    // Nothing of the first sheet's teams is carried into the second.
    const ScoreSheet second = Load(dir.File(names[1]));
    EXPECT_EQ(second.iTeamsNr, 3);
    EXPECT_EQ(
        second.sTeamName[0] + second.sTeamName[1] + second.sColSupContent[1] + second.sTeamName[3],
        "C1D1Benjamin 1");
}

// "CPM1" begins the grouping line of "CPM1 Minime 1": choosing that line must
// not take "CPM1" off the sheet it is already on.
TEST(SetCreation, GroupingMovesOnlyTheChosenCategories) {
    TempDir dir;
    const SifEntries entries =
        Entries(SifText({{"CPM1", "Short"}, {"CPM1 Minime 1", "Long"}, {"CPM1", "Short 2"}}));
    ASSERT_EQ(GroupChoiceLine(entries.sCategory[1]).rfind(entries.sCategory[0], 0), 0u);
    SetPlan plan = EmptyGrouping(entries);
    ASSERT_TRUE(AddGroupedSheet(plan, {0}));
    ASSERT_TRUE(AddGroupedSheet(plan, {1}));
    EXPECT_EQ(plan.iCategory, (std::vector<int>{1, 2}));

    ScoreSheet sheet;
    RecordingMessageSink messages;
    ASSERT_TRUE(CreateSet(entries, Options(), plan, dir.File("ev.mscore"), sheet,
                          Reporter(Language::English, messages)));
    // Both display as "Minime 1": the second sheet gets a name of its own.
    const ScoreSheet first = Load(dir.File("ev_Minime 1.pscore"));
    const ScoreSheet second = Load(dir.File("ev_Minime 1_2.pscore"));
    EXPECT_EQ(first.iTeamsNr, 2);
    EXPECT_EQ(first.sTeamName[1], "Short 2");
    EXPECT_EQ(second.iTeamsNr, 1);
    EXPECT_EQ(second.sTeamName[0], "Long");
}

TEST(SetCreation, StemsAreCutToEightyCharactersAndNeverRepeat) {
    std::vector<std::pair<std::string, std::string>> teams;
    for (const char* category : {"CPM1", "CPM2", "CPM3", "CAB1", "CAB2", "CABE", "CPC1"})
        teams.push_back({category, "T"});
    teams.push_back({"CPM1 autre libell\xC3\xA9", "U"});  // same display name as CPM1
    teams.push_back({"X/Y", "V"});
    const SifEntries entries = Entries(SifText(teams));

    SetPlan grouped = EmptyGrouping(entries);
    ASSERT_TRUE(AddGroupedSheet(grouped, {0, 1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(AddGroupedSheet(grouped, {7, 8}));
    const std::string longStem =
        SheetStem("2026-05-12 r\xC3\xA9gional.mscore", entries, grouped, 1);
    EXPECT_EQ(longStem,
              "2026-05-12 r\xC3\xA9gional_Minime 1_Minime 2_Minime 3_Benjamin 1_Benjamin 2_"
              "Benjamin El");  // 80 characters, the accent counting as one
    EXPECT_EQ(SheetStem("plain", entries, grouped, 2), "plain_Minime 1_X_Y");

    const SetPlan single = OneSheetPerCategory(entries);
    const std::vector<std::string> names = SheetFileNames("ev.mscore", entries, single);
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names[0], "ev_Minime 1.pscore");
    EXPECT_EQ(names[7], "ev_Minime 1_2.pscore");
    EXPECT_EQ(names[8], "ev_X_Y.pscore");

    // Two sheets cut to the same 80 characters keep the suffix inside them.
    const std::string radical(70, 'r');
    const auto cut = SheetFileNames(radical + ".mscore", entries, grouped);
    EXPECT_EQ(cut[0], radical + "_Minime 1_.pscore");
    EXPECT_EQ(cut[1], radical + "_Minime _2.pscore");

    TempDir dir;
    ScoreSheet sheet;
    RecordingMessageSink messages;
    ASSERT_TRUE(CreateSet(entries, Options(), grouped,
                          dir.File("2026-05-12 r\xC3\xA9gional.mscore"), sheet,
                          Reporter(Language::English, messages)));
    EXPECT_TRUE(fs::exists(dir.File(longStem + ".pscore")));
    EXPECT_NE(ReadFile(dir.File("2026-05-12 r\xC3\xA9gional.mscore"))
                  .find("\t<file>2026-05-12 r\xE9gional_Minime 1_Minime 2_Minime 3_Benjamin 1_"
                        "Benjamin 2_Benjamin El.pscore</file>\n"),
              std::string::npos);
}

TEST(SetCreation, ElevenTeamsOnASheetStopTheSetBeforeAnythingIsWritten) {
    std::vector<std::pair<std::string, std::string>> teams;
    for (int i = 0; i < 4; ++i) teams.push_back({"CPM1", "M" + std::to_string(i)});
    for (int i = 0; i < 6; ++i) teams.push_back({"CPM2 Minime", "N" + std::to_string(i)});
    teams.push_back({"COPE", "Open team"});
    teams.push_back({"CPM2 Minime", "Eleventh"});
    const SifEntries entries = Entries(SifText(teams));

    TempDir dir;
    zavtest::WriteFile(dir.File("ev.mscore"), "an older set of that name");
    SetPlan ten = EmptyGrouping(entries);
    ASSERT_TRUE(AddGroupedSheet(ten, {2}));     // COPE first, a sheet that fits
    ASSERT_TRUE(AddGroupedSheet(ten, {0, 1}));  // then 11 Minime teams
    ScoreSheet sheet;
    RecordingMessageSink messages;
    EXPECT_FALSE(CreateSet(entries, Options(), ten, dir.File("ev.mscore"), sheet,
                           Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "On score sheet 2, the maximum number of teams is reached with category CPM2.");
    EXPECT_EQ(ReadFile(dir.File("ev.mscore")), "an older set of that name");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);

    // Exactly ten teams fit.
    teams.pop_back();
    const SifEntries fitting = Entries(SifText(teams));
    SetPlan fits = EmptyGrouping(fitting);
    ASSERT_TRUE(AddGroupedSheet(fits, {0, 1}));
    ASSERT_TRUE(AddGroupedSheet(fits, {2}));
    ASSERT_TRUE(CreateSet(fitting, Options(), fits, dir.File("ok.mscore"), sheet,
                          Reporter(Language::English, messages)));
    EXPECT_EQ(Load(dir.File("ok_Minime 1_Minime 2.pscore")).iTeamsNr, 10);
}

// The files of a set are written as one: a sheet that cannot be written
// leaves the older set, its sheets and the folder exactly as they were.
TEST(SetCreation, AFailureLeavesTheFolderAsItWas) {
    const SifEntries entries = Entries(SifText({{"CPM1", "A"}, {"CPM2", "B"}}));
    for (const bool protectedSheet : {false, true}) {
        TempDir dir;
        zavtest::WriteFile(dir.File("ev.mscore"), "older set");
        zavtest::WriteFile(dir.File("ev_Minime 1.pscore"), "older sheet");
        const std::string second = dir.File("ev_Minime 2.pscore");
        if (protectedSheet) {
            zavtest::WriteFile(second, "protected sheet");
            fs::permissions(second, fs::perms(0444));
        } else {
            fs::create_directory(second);  // its name is taken by a folder
        }
        ScoreSheet sheet;
        RecordingMessageSink messages;
        EXPECT_FALSE(CreateSet(entries, Options(), OneSheetPerCategory(entries),
                               dir.File("ev.mscore"), sheet,
                               Reporter(Language::English, messages)));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text,
                  FormatText(Text(Language::English,
                                  protectedSheet ? TextId::ErrorWriting : TextId::ErrorCreating),
                             second));
        EXPECT_EQ(ReadFile(dir.File("ev.mscore")), "older set");
        EXPECT_EQ(ReadFile(dir.File("ev_Minime 1.pscore")), "older sheet");
        EXPECT_EQ(FilesIn(dir.Path()), 3u);
    }
}

TEST(SetCreation, SetWithoutTeamsAndSetWithNamesBeyondWindows1252) {
    TempDir dir;
    const SifEntries none = Entries("12345;no team lines\n");
    ScoreSheet sheet;
    RecordingMessageSink messages;
    ASSERT_TRUE(CreateSet(none, Options(), OneSheetPerCategory(none), dir.File("empty.mscore"),
                          sheet, Reporter(Language::English, messages)));
    EXPECT_EQ(ReadFile(dir.File("empty.mscore")), SetFileBytes({}));
    EXPECT_EQ(ReadFile(dir.File("empty.mscore")).find("<file>"), std::string::npos);

    const std::string snowman = "CL\xE2\x98\x83 Neige";  // no Windows-1252 form
    const SifEntries wide = Entries(SifText({{snowman, "A"}, {"CPM1", "B"}}));
    ASSERT_TRUE(CreateSet(wide, Options(), OneSheetPerCategory(wide), dir.File("w.mscore"), sheet,
                          Reporter(Language::English, messages)));
    EXPECT_EQ(
        ReadFile(dir.File("w.mscore")).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0),
        0u);
    std::vector<std::string> names;
    ASSERT_TRUE(ReadSetFile(dir.File("w.mscore"), EncodingMark::Required, names,
                            Reporter(Language::English, messages)));
    EXPECT_EQ(names, (std::vector<std::string>{"w_" + snowman + ".pscore", "w_Minime 1.pscore"}));
    EXPECT_TRUE(fs::exists(dir.File(names[0])));
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace zav
