// zavscore-cli championship, and the table published with a set whose
// sheets are heats of one championship.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/RunCli.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace {

using zavtest::ReadFile;
using zavtest::RunCli;

// Two heats of one game in a set; Alpha and Bravo finish in turn first.
class ChampionshipCommand : public ::testing::Test {
protected:
    void SetUp() override {
        const char* heats[][3] = {{"Alpha", "Bravo", "Charlie"}, {"Bravo", "ALPHA", "Delta"}};
        for (int h = 0; h < 2; ++h) {
            zav::ScoreSheet s;
            s.sTitle = "Cup";
            s.sSubTitle = "Heat " + std::to_string(h + 1);
            s.iTeamsNr = 3;
            s.iGamesNr = 1;
            s.iScoring = 3;
            for (int t = 0; t < 3; ++t) {
                s.sTeamName[t] = heats[h][t];
                s.iGamePlace[t][0] = t + 1;
            }
            zav::RecordingMessageSink quiet;
            ASSERT_TRUE(zav::SaveSheet(s, dir.File(names[h]),
                                       zav::Reporter(zav::Language::English, quiet)));
        }
        zavtest::WriteFile(dir.File("cup.mscore"), zav::SetFileBytes(names));
    }
    zavtest::TempDir dir;
    const std::vector<std::string> names = {"heat1.pscore", "heat2.pscore"};
};

TEST_F(ChampionshipCommand, PrintsTheTableAsTextJsonOrPage) {
    const std::string settings = dir.File("none.ini");
    zavtest::CliResult r =
        RunCli({"championship", dir.File("cup.mscore"), "--lang", "EN"}, settings);
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_EQ(
        "Rank\tTeam\tHeat 1\tHeat 2\tTotal score\n"
        "1 =\tAlpha\t3\t2\t5\n1 =\tBravo\t2\t3\t5\n3 =\tCharlie\t1\t\t1\n3 =\tDelta\t\t1\t1\n",
        r.out);

    // The page alone: written, nothing printed; a page that cannot be written fails.
    r = RunCli({"championship", dir.File("cup.mscore"), "--html", dir.File("table.html")},
               settings);
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_EQ("", r.out);
    EXPECT_NE(std::string::npos, ReadFile(dir.File("table.html")).find("Alpha"));
    EXPECT_EQ(1, RunCli({"championship", dir.File("cup.mscore"), "--html",
                         dir.File("no-folder/table.html")},
                        settings)
                     .status);

    r = RunCli({"championship", dir.File(names[1]), dir.File("missing.score"), "--json", "--html",
                dir.File("table.html"), "--lang", "EN"},
               settings);
    EXPECT_EQ(1, r.status);  // a sheet left out is a failure, named, in the table's notes too
    EXPECT_NE(std::string::npos, r.err.find("missing.score"));
    const auto tables = nlohmann::json::parse(r.out);
    ASSERT_EQ(1u, tables.size()) << r.out;
    const auto& table = tables[0];
    EXPECT_EQ(nullptr, table["category"]);
    EXPECT_NE(std::find(table["teams"].begin(), table["teams"].end(),
                        nlohmann::json::parse(R"({"rank": 2, "shared": false, "name": "ALPHA",
                                                  "points": [2], "total": 2})")),
              table["teams"].end())
        << r.out;
    EXPECT_NE(std::string::npos, table["notes"].dump().find("missing.score"));
    EXPECT_NE(std::string::npos, ReadFile(dir.File("table.html")).find("Championship table"));
    // So is a set that cannot be read: not a table without its heats.
    r = RunCli({"championship", dir.File("gone.mscore"), dir.File(names[0]), "--lang", "EN"},
               settings);
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.err.find("gone.mscore"));

    EXPECT_EQ(2, RunCli({"championship", "--json"}, settings).status);
}

// Two days of one event, each a set of one sheet per category: a table per
// category, its heats told apart by their dates.
TEST_F(ChampionshipCommand, RanksEachCategoryApart) {
    const std::string settings = dir.File("none.ini");
    for (const char* day : {"14", "15"}) {
        const zavtest::CliResult made = RunCli(
            {"import-sif", zavtest::TestFile("cli/data/entries.txt"),
             dir.File(std::string("day") + day + ".mscore"), "--date", day + std::string("/06")},
            settings);
        ASSERT_EQ(0, made.status) << made.err;
    }
    zavtest::CliResult r =
        RunCli({"championship", dir.File("day14.mscore"), dir.File("day15.mscore"), "--lang", "EN"},
               settings);
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_EQ(
        "Minime 1\nRank\tTeam\t14/06\t15/06\tTotal score\n1 =\tLes \"Fous\"\t0\t0\t0\n"
        "1 =\tÉcurie\t0\t0\t0\n\n"
        "Open Elite\nRank\tTeam\t14/06\t15/06\tTotal score\n1\tOpen One\t0\t0\t0\n\n"
        "Minime 2\nRank\tTeam\t14/06\t15/06\tTotal score\n1\tMini Two\t0\t0\t0\n",
        r.out);
    r = RunCli({"championship", dir.File("day14.mscore"), "--json"}, settings);
    EXPECT_EQ(0, r.status) << r.err;
    const auto tables = nlohmann::json::parse(r.out);
    ASSERT_EQ(3u, tables.size()) << r.out;
    EXPECT_EQ("Open Elite", tables[1]["category"]);
    EXPECT_EQ("Open One", tables[1]["teams"][0]["name"]);
    EXPECT_EQ(1u, tables[1]["teams"].size());
}

TEST_F(ChampionshipCommand, PublishedWithASetOfHeats) {
    const zavtest::CliResult r = RunCli(
        {"publish", dir.File("cup.mscore"), dir.File("www"), "--lang", "EN"}, dir.File("none.ini"));
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_EQ(
        "heat1.html\nheat1.phone.html\nheat2.html\nheat2.phone.html\nchampionship.html\n"
        "index.html\n",
        r.out);
    EXPECT_NE(std::string::npos, ReadFile(dir.File("www/index.html")).find("championship.html"));
}

}  // namespace
