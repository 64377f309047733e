#include <gtest/gtest.h>

#include <filesystem>

#include "core/report/PageInspect.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace {

using zavtest::CountOf;
using zavtest::ReadFile;
using zavtest::RunCli;
using zavtest::TempDir;
using zavtest::WriteFile;

const std::string kExamples = ZAV_EXAMPLES_DIR;

// The four-team example heat, scored by hand: shared second place, an
// elimination, an abandon, a blame and 10 points brought by Alpha.
TEST(ScoresCommand, PrintsTheComputedSheet) {
    TempDir dir;
    const auto r =
        RunCli({"scores", kExamples + "/heat-4-teams.score", "--lang", "EN"}, dir.File("none.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, R"({
  "title": "Regional championship",
  "subtitle": "Open - heat 1",
  "date": "12/05/2026",
  "ampm": "AM",
  "referee": "J. Martin",
  "colsuptitle": "",
  "challenge_title": "",
  "teams_nr": 4,
  "games_nr": 2,
  "scoring": 4,
  "elimination": 0,
  "challenge_scoring": 0,
  "games": ["Bank race", "Bottle shuttle"],
  "teams": [
    {"name": "Alpha", "colors": "red", "comment": "",
     "places": [1, -1], "blames": [0, 0],
     "game_scores": [4, 1],
     "heat_score": 5, "heat_position": 3, "tiebreak": 0, "previous": 10, "total": 15,
     "challenge": null},
    {"name": "Bravo", "colors": "blue", "comment": "",
     "places": [2, 1], "blames": [0, 0],
     "game_scores": [2.5, 4],
     "heat_score": 6.5, "heat_position": 1, "tiebreak": 0, "previous": 0, "total": 6.5,
     "challenge": null},
    {"name": "Charlie", "colors": "green", "comment": "",
     "places": [2, 2], "blames": [0, 1],
     "game_scores": [2.5, 3],
     "heat_score": 5.5, "heat_position": 2, "tiebreak": 0, "previous": 0, "total": 5.5,
     "challenge": null},
    {"name": "Delta", "colors": "yellow", "comment": "",
     "places": [-2, 3], "blames": [0, 0],
     "game_scores": [0, 2],
     "heat_score": 2, "heat_position": 4, "tiebreak": 0, "previous": 0, "total": 2,
     "challenge": null}
  ]
}
)");
}

TEST(ScoresCommand, ChallengeTeamsAndTranslatedNamesInUtf8) {
    TempDir dir;
    const auto r = RunCli({"scores", kExamples + "/nations-cup-semi-final.score", "--lang", "GE"},
                          dir.File("none.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    // Windows-1252 names of the file come out as UTF-8.
    EXPECT_NE(r.out.find("\"name\": \"\xC3\x89quipe de France\""), std::string::npos);
    EXPECT_NE(r.out.find("\"name\": \"\xC3\x96sterreich\""), std::string::npos);
    // 'Challenge' teams carry an object, the others null: six of ten.
    EXPECT_EQ(CountOf(r.out, "\"challenge\": {"), 6);
    EXPECT_EQ(CountOf(r.out, "\"challenge\": null"), 4);
    // English catalogue names are shown in the interface language.
    EXPECT_EQ(r.out.find("\"Bank race\""), std::string::npos);
}

TEST(ScoresCommand, LanguageComesFromTheSettingsFileWhenNotGiven) {
    TempDir dir;
    WriteFile(dir.File("z.ini"), "[General]\nLanguage=EN\n");
    const auto english = RunCli({"scores", dir.File("missing.score")}, dir.File("z.ini"));
    EXPECT_EQ(english.status, 1);
    EXPECT_EQ(english.err, "Error while opening file = " + dir.File("missing.score") + "\n");
    const auto french = RunCli({"scores", dir.File("missing.score")}, dir.File("none.ini"));
    EXPECT_EQ(french.status, 1);
    EXPECT_NE(french.err, english.err);
    EXPECT_NE(french.err.find(dir.File("missing.score")), std::string::npos);
}

// The set marker and the language are the command's own care; the rest is
// the reader's and writer's.
TEST(ConvertCommand, RewritesTheSheetInTheLanguageAndKeepsTheSetMarker) {
    TempDir dir;
    WriteFile(dir.File("in.pscore"),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<zavscore>\n<header>\n"
              "<language>EN</language>\n<multi>/events/spring.mscore</multi>\n"
              "<teamsnr>2</teamsnr>\n<gamesnr>1</gamesnr>\n<scoring>2</scoring>\n"
              "<gameslist>\n\t<game>Bank race</game>\n</gameslist>\n</header>\n<body>\n"
              "<team>\n\t<name>A &amp; B</name>\n\t<orders>\n\t\t<order>1</order>\n\t</orders>\n"
              "</team>\n<team>\n\t<name>C</name>\n\t<orders>\n\t\t<order>2 A</order>\n"
              "\t</orders>\n</team>\n</body>\n</zavscore>\n");
    const auto r =
        RunCli({"convert", dir.File("in.pscore"), dir.File("out.pscore"), "--lang", "GE"},
               dir.File("none.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string out = ReadFile(dir.File("out.pscore"));
    EXPECT_NE(out.find("<language>GE</language>\n"), std::string::npos);
    EXPECT_NE(out.find("<multi>/events/spring.mscore</multi>\n"), std::string::npos);
    EXPECT_NE(out.find("\t<name>A &amp; B</name>\n"), std::string::npos);
    EXPECT_NE(out.find("\t\t<order>2 A</order>\n"), std::string::npos);
    EXPECT_EQ(out.find("Bank race"), std::string::npos);  // a catalogue game, translated
}

TEST(ConvertCommand, RefusesAForeignFileAndWritesNothing) {
    TempDir dir;
    WriteFile(dir.File("in.txt"), "just some text\n");
    const auto r = RunCli({"convert", dir.File("in.txt"), dir.File("out.score"), "--lang", "EN"},
                          dir.File("none.ini"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Unknown encoding format.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.score")));
}

}  // namespace
