#include <gtest/gtest.h>

#include <filesystem>

#include "sheetfile/SheetFile.h"
#include "support/RunCli.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace {

namespace fs = std::filesystem;
using zavtest::FilesIn;
using zavtest::ReadFile;
using zavtest::RunCli;
using zavtest::TempDir;
using zavtest::WriteFile;

const std::string kSif =
    "4711;Championnat r\xE9gional;2026\r\n"
    "4711;1;NOM_EQU;CPM1 Minime 1;Club;Rider;Les \"Fous\"\r\n"
    "4711;2;NOM_EQU;COPE;Club;Rider;Open One\r\n"
    "4711;3;NOM_EQU;CPM2;Club;Rider;Mini Two\r\n"
    "4711;4;NOM_EQU;CPM1 Minime 1;Club;Rider;\xC9"
    "curie";  // Windows-1252, no last line end

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

zav::ScoreSheet Load(const std::string& path) {
    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    EXPECT_TRUE(zav::LoadSheet(sheet, path, zav::Reporter(zav::Language::English, messages)))
        << path;
    return sheet;
}

TEST(SifCommand, PrintsTheEntriesAsJson) {
    TempDir dir;
    WriteFile(dir.File("e.txt"), kSif);
    const auto r = RunCli({"sif", dir.File("e.txt")}, dir.File("none.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, R"({
  "competition": "4711",
  "categories": [
    {"field": "CPM1 Minime 1", "code": "CPM1", "name": "Minime 1"},
    {"field": "COPE", "code": "COPE", "name": "Open Elite"},
    {"field": "CPM2", "code": "CPM2", "name": "Minime 2"}
  ],
  "teams": [
    {"category": "CPM1 Minime 1", "name": "Les \"Fous\""},
    {"category": "COPE", "name": "Open One"},
    {"category": "CPM2", "name": "Mini Two"},
    {"category": "CPM1 Minime 1", "name": "Écurie"}
  ]
}
)");

    WriteFile(dir.File("bad.txt"), "not a SIF file at all;x\n");
    const auto bad = RunCli({"sif", dir.File("bad.txt"), "--lang", "FR"}, dir.File("none.ini"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, zav::FormatText(zav::Text(zav::Language::French, zav::TextId::NotSifFile),
                                       dir.File("bad.txt")) +
                           "\n");
}

TEST(ImportSifCommand, OneSheetPerCategoryWithTheDefaultAnswers) {
    TempDir dir;
    WriteFile(dir.File("e.txt"), kSif);
    const std::string set = dir.File("4711.mscore");
    const auto r = RunCli({"import-sif", dir.File("e.txt"), set}, dir.File("none.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> names = {"4711_Minime 1.pscore", "4711_Open Elite.pscore",
                                            "4711_Minime 2.pscore"};
    EXPECT_EQ(Lines(r.out), names);
    const auto list = RunCli({"set-list", set}, dir.File("none.ini"));
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(Lines(list.out), names);

    // French rules and six games unless told otherwise.
    const zav::ScoreSheet first = Load(dir.File(names[0]));
    EXPECT_EQ(first.iGamesNr, 6);
    EXPECT_EQ(first.iEliminationRule, 1);
    EXPECT_EQ(first.iScoring, 3);

    // An existing set is replaced only when asked to.
    WriteFile(set, "older set");
    const auto refused =
        RunCli({"import-sif", dir.File("e.txt"), set, "--lang", "EN"}, dir.File("none.ini"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, zav::Text(zav::Language::English, zav::TextId::SetExists) + "\n");
    EXPECT_EQ(ReadFile(set), "older set");
    EXPECT_EQ(
        RunCli({"import-sif", dir.File("e.txt"), set, "--replace"}, dir.File("none.ini")).status,
        0);
    EXPECT_NE(ReadFile(set), "older set");
}

TEST(ImportSifCommand, GroupsNameCategoriesByFieldOrCode) {
    TempDir dir;
    WriteFile(dir.File("e.txt"), kSif);
    const std::string set = dir.File("ev.mscore");
    const auto r = RunCli({"import-sif", dir.File("e.txt"), set, "--group", "CPM2,CPM1", "--group",
                           "COPE", "--games", "10", "--rules", "international", "--title", "Finale",
                           "--date", "1/6", "--referee", "R. Arbitre", "--lang", "GE"},
                          dir.File("none.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{"ev_Minime 1_Minime 2.pscore", "ev_Open Elite.pscore"}));
    const zav::ScoreSheet first = Load(dir.File("ev_Minime 1_Minime 2.pscore"));
    EXPECT_EQ(first.sTitle, "Finale");
    EXPECT_EQ(first.sDate, "1/6");
    EXPECT_EQ(first.sReferee, "R. Arbitre");
    EXPECT_EQ(first.iGamesNr, 10);
    EXPECT_EQ(first.iEliminationRule, 0);
    EXPECT_EQ(first.iScoring, 3);
    EXPECT_EQ(first.sColSupTitle, zav::Text(zav::Language::German, zav::TextId::Category));
}

// A code names every category with that code, unless it is itself the whole
// field of a category: then it names that one only.
TEST(ImportSifCommand, ACodeNamesEveryCategoryOfThatCodeAWholeFieldOnlyItself) {
    TempDir dir;
    WriteFile(dir.File("e.txt"),
              "99;h\n"
              "99;1;NOM_EQU;CPM2 Poney A;c;r;A1\n"
              "99;2;NOM_EQU;CPM1;c;r;Plain\n"
              "99;3;NOM_EQU;CPM2 Poney B;c;r;B1\n"
              "99;4;NOM_EQU;CPM1 Minime 1;c;r;Long\n");
    const auto r = RunCli({"import-sif", dir.File("e.txt"), dir.File("ev.mscore"), "--group",
                           "CPM2", "--group", "CPM1", "--group", "CPM1 Minime 1"},
                          dir.File("none.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{"ev_Minime 2_Minime 2.pscore", "ev_Minime 1.pscore",
                                        "ev_Minime 1_2.pscore"}));

    // "CPM1" alone leaves "CPM1 Minime 1" on no sheet.
    const auto missing = RunCli({"import-sif", dir.File("e.txt"), dir.File("x.mscore"), "--group",
                                 "CPM2", "--group", "CPM1", "--lang", "GE"},
                                dir.File("none.ini"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              zav::FormatText(zav::Text(zav::Language::German, zav::TextId::CategoryOnNoSheet),
                              std::string("CPM1 Minime 1")) +
                  "\n");
    EXPECT_FALSE(fs::exists(dir.File("x.mscore")));
}

// Failures met while reading the file or filling the sheets: the program's
// message in the chosen language, status 1, and nothing written.
TEST(ImportSifCommand, FailuresOfTheImportLeaveNoSetFile) {
    TempDir dir;
    std::string eleven = "5;h\n";
    for (int t = 0; t < 11; ++t) eleven += "5;" + std::to_string(t) + ";NOM_EQU;COPE;c;r;T\n";
    WriteFile(dir.File("eleven.txt"), eleven);
    const auto full =
        RunCli({"import-sif", dir.File("eleven.txt"), dir.File("ev.mscore"), "--lang", "IT"},
               dir.File("none.ini"));
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, zav::FormatText(zav::FormatText(zav::Text(zav::Language::Italian,
                                                                  zav::TextId::TooManyTeamsOnSheet),
                                                        1L),
                                        std::string("COPE")) +
                            "\n");

    const auto noSif =
        RunCli({"import-sif", dir.File("none.txt"), dir.File("ev.mscore")}, dir.File("none.ini"));
    EXPECT_EQ(noSif.status, 1);
    EXPECT_EQ(noSif.err,
              zav::FormatText(zav::Text(zav::Language::French, zav::TextId::ErrorOpening),
                              dir.File("none.txt")) +
                  "\n");  // no --lang and no settings: French
    // An entries file without a team line would give a set that names no sheet.
    WriteFile(dir.File("empty.txt"), "5;h\n");
    const auto noTeam =
        RunCli({"import-sif", dir.File("empty.txt"), dir.File("ev.mscore"), "--lang", "EN"},
               dir.File("none.ini"));
    EXPECT_EQ(noTeam.status, 1);
    EXPECT_EQ(noTeam.err,
              zav::FormatText(zav::Text(zav::Language::English, zav::TextId::NotSifFile),
                              dir.File("empty.txt")) +
                  "\n");
    // Nothing beside the entries files.
    EXPECT_EQ(FilesIn(dir.Path()), 2u);
}

TEST(ImportSifCommand, RefusesGroupsThatDoNotCoverTheCategoriesOnceAndWritesNothing) {
    TempDir dir;
    WriteFile(dir.File("e.txt"), kSif);
    const std::string set = dir.File("ev.mscore");
    struct Failure {
        std::vector<std::string> options;
        std::string err;
    };
    const Failure failures[] = {
        {{"--group", "CPM1,COPE"}, "The category [CPM2] is on no score sheet.\n"},
        {{"--group", "CPM1", "--group", "CPM1,COPE,CPM2"},
         "The category [CPM1 Minime 1] is already on an earlier score sheet.\n"},
        {{"--group", "CPM1,COPE,CPM2,CAB9"}, "No category of the SIF file is named [CAB9].\n"},
    };
    for (const Failure& failure : failures) {
        std::vector<std::string> args = {"import-sif", dir.File("e.txt"), set, "--lang", "EN"};
        args.insert(args.end(), failure.options.begin(), failure.options.end());
        const auto r = RunCli(args, dir.File("none.ini"));
        EXPECT_EQ(r.status, 1) << failure.err;
        EXPECT_EQ(r.err, failure.err);
    }
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

class SetOperationCommands : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.File("home"));
        fs::create_directories(dir.File("away"));
        WriteFile(dir.File("e.txt"), kSif);
        const auto r = RunCli({"import-sif", dir.File("e.txt"), set}, ini());
        ASSERT_EQ(r.status, 0) << r.err;
    }
    std::string ini() const { return dir.File("none.ini"); }

    TempDir dir;
    const std::string set = dir.File("home/4711.mscore");
};

TEST_F(SetOperationCommands, CopyAsksBeforeReplacingAnExistingSet) {
    WriteFile(dir.File("away/4711.mscore"), "an older set");
    const auto refused = RunCli({"set-copy", set, dir.File("away"), "--lang", "EN"}, ini());
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, zav::Text(zav::Language::English, zav::TextId::SetExists) + "\n");
    EXPECT_EQ(ReadFile(dir.File("away/4711.mscore")), "an older set");
    EXPECT_EQ(FilesIn(dir.File("away")), 1u);

    const auto replaced =
        RunCli({"set-copy", set, dir.File("away"), "--replace", "--lang", "EN"}, ini());
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.out, "Score sheet set correctly copied.\n");
    EXPECT_EQ(ReadFile(dir.File("away/4711.mscore")), ReadFile(set));
    EXPECT_EQ(FilesIn(dir.File("away")), 4u);

    const auto same = RunCli({"set-copy", set, dir.File("home/."), "--lang", "EN"}, ini());
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(same.err, zav::Text(zav::Language::English, zav::TextId::SameFolder) + "\n");
}

TEST_F(SetOperationCommands, MoveThenDeleteTheWholeSet) {
    const auto moved = RunCli({"set-move", set, dir.File("away"), "--lang", "FR"}, ini());
    ASSERT_EQ(moved.status, 0) << moved.err;
    EXPECT_EQ(moved.out, zav::Text(zav::Language::French, zav::TextId::SetMoved) + "\n");
    EXPECT_EQ(FilesIn(dir.File("home")), 0u);
    EXPECT_EQ(FilesIn(dir.File("away")), 4u);

    const auto deleted =
        RunCli({"set-delete", dir.File("away/4711.mscore"), "--lang", "IT"}, ini());
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(deleted.out, zav::Text(zav::Language::Italian, zav::TextId::SetDeleted) + "\n");
    EXPECT_EQ(FilesIn(dir.File("away")), 0u);

    const auto gone = RunCli({"set-delete", dir.File("away/4711.mscore"), "--lang", "EN"}, ini());
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.err, "Error while opening file = " + dir.File("away/4711.mscore") + "\n");
}

}  // namespace
