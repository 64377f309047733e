// What the commands print or write: the computed sheet, the pages and the
// converted sheet, compared with reviewed files or with the core's own pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "Json.h"
#include "report/EquipmentPage.h"
#include "report/PageBytes.h"
#include "report/PlacementPage.h"
#include "report/ScoreSheetPage.h"
#include "report/StaffPage.h"
#include "support/Golden.h"
#include "support/RunCli.h"

namespace {

using zavtest::RunCli;
using zavtest::TestFile;

const std::string kExamples = ZAV_EXAMPLES_DIR;

TEST(OutputCommands, ScoresAndConvertWriteTheReviewedBytes) {
    zavtest::TempDir dir;
    const std::string none = dir.File("none.ini");
    // Shared places, an elimination, an abandon, a blame, a previous score.
    auto r = RunCli({"scores", kExamples + "/heat-4-teams.score", "--lang", "EN"}, none);
    EXPECT_EQ(r.status, 0) << r.err;
    zavtest::ExpectGolden("cli/golden/heat-4-teams.json", r.out);
    // The 'Challenge' teams, Windows-1252 names as UTF-8, games translated.
    r = RunCli({"scores", kExamples + "/nations-cup-semi-final.score", "--lang", "GE"}, none);
    EXPECT_EQ(r.status, 0) << r.err;
    zavtest::ExpectGolden("cli/golden/nations-cup-german.json", r.out);

    // An old set sheet: the set marker kept, the games translated.
    r = RunCli({"convert", TestFile("cli/data/old-set-sheet.pscore"), dir.File("out.pscore"),
                "--lang", "GE"},
               none);
    EXPECT_EQ(r.status, 0) << r.err;
    zavtest::ExpectGolden("cli/golden/converted.pscore", zavtest::ReadFile(dir.File("out.pscore")));

    zavtest::WriteFile(dir.File("in.txt"), "just some text\n");
    r = RunCli({"convert", dir.File("in.txt"), dir.File("out.score"), "--lang", "EN"}, none);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Unknown encoding format.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.score")));
}

// The record of a heat: as JSON for other programs (reviewed), as text for
// the scorer; a sheet of an older version is provisional and tells its
// results' origin as not recorded.
TEST(OutputCommands, HistoryTellsWhereEachResultCameFrom) {
    zavtest::TempDir dir;
    const std::string none = dir.File("none.ini");
    const std::string recorded = TestFile("core/sheetfile/golden/record.score");
    auto r = RunCli({"history", recorded, "--json"}, none);
    EXPECT_EQ(r.status, 0) << r.err;
    zavtest::ExpectGolden("cli/golden/history.json", r.out);

    r = RunCli({"history", recorded, "--lang", "EN"}, none);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "Regional championship - Open - heat 1 - Official 2026-05-12 11:40");
    EXPECT_NE(r.out.find("History of game 4\n  2026-05-12 10:31:02  Alpha 1, Bravo 2*"),
              std::string::npos);
    r = RunCli({"history", TestFile("data/small-heat.score"), "--lang", "EN"}, none);
    EXPECT_EQ(r.out,
              "Regional championship - Open - heat 1 - Provisional\n"
              "History of game 1\n"
              "  Alpha 1, Bravo 2, Charlie 2, Delta E: origin not recorded (entered before the "
              "sheet kept its history)\n"
              "History of game 2\n"
              "  Alpha A, Bravo 1, Charlie 2, Delta 3: origin not recorded (entered before the "
              "sheet kept its history)\n"
              "History of game 3\n"
              "  Alpha 1, Bravo 2, Charlie 3, Delta 4: origin not recorded (entered before the "
              "sheet kept its history)\n");
}

// The page command prints the page the program builds for that target and
// view, after opening the sheet as the window does (a blame laid out then
// keeps its footnote on every later page).
TEST(OutputCommands, PagesAreThoseOfTheProgram) {
    zavtest::TempDir dir;
    const std::string sheetPath = TestFile("data/full-heat.score");
    const std::string ini = dir.File("ZAVscore.ini");
    zavtest::WriteFile(ini,
                       "[General]\nLogoPath=/srv/logos\nLogoName=club.png\n"
                       "[Colors]\nHeadFont=#000080\nTitleBkg=#DDDDFF\nBWOnly=0\n");
    zavtest::WriteFile(dir.File("bw.ini"), "[Colors]\nBWOnly=1\n");
    const auto FR = zav::Language::French, EN = zav::Language::English, DE = zav::Language::German,
               IT = zav::Language::Italian;
    const auto F = zav::OutputTarget::File, W = zav::OutputTarget::WindowOrPrinter;
    const struct {
        std::vector<std::string> args;
        zav::Language language;
        zav::SheetView view;  // of the sheet page
        zav::OutputTarget target;
        bool colours = false;
    } cases[] = {
        {{"sheet"}, FR, {1, 1}, F},  // the view on opening: both parts
        {{"sheet", "--target", "window", "--view", "both", "--lang", "EN"}, EN, {1, 1}, W, true},
        {{"sheet", "--target", "printer", "--view", "competition", "--lang", "EN"}, EN, {1, 0}, W},
        {{"sheet", "--target", "file", "--view", "challenge", "--lang", "EN"}, EN, {0, 1}, F},
        {{"staff", "--lang", "EN"}, EN, {}, F},
        {{"equipment", "--lang", "GE"}, DE, {}, F},
        {{"placement", "--target", "window", "--lang", "IT"}, IT, {}, W},
        {{"placement-print", "--lang", "EN"}, EN, {}, F},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"page", c.args[0], sheetPath};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const auto r = RunCli(args, ini);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        zav::ScoreSheet s = zavtest::Sample("full-heat.score", c.language);
        const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(ini));
        zav::PrepareHtml(s, {}, W, true, c.language, style);
        const std::string& kind = c.args[0];
        const std::string page =
            kind == "sheet"       ? PrepareHtml(s, c.view, c.target, c.colours, c.language, style)
            : kind == "staff"     ? PrepareHtmlStaff(s, c.target, c.language, style)
            : kind == "equipment" ? PrepareHtmlEquip(s, c.target, c.language, style)
            : kind == "placement" ? PrepareHtmlPlacement(s, c.target, c.language, style)
                                  : PrintHtmlPlacementDocument(s, c.language);
        EXPECT_TRUE(r.out == zav::EncodePageBytes(page)) << kind << c.args.size();
    }

    // --settings names the settings file of the run.
    auto r = RunCli({"page", "sheet", sheetPath, "--settings", dir.File("bw.ini")}, ini);
    EXPECT_EQ(r.out.find("#FF0000"), std::string::npos);
    EXPECT_NE(r.out.find("#000000"), std::string::npos);

    r = RunCli({"page", "sheet", dir.File("none.score"), "--lang", "EN"}, ini);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Error while opening file = " + dir.File("none.score") + "\n");
}

// Scores as the shortest number that reads back the same; a name that is not
// UTF-8 (a sheet of an older program) still gives JSON a reader accepts.
TEST(OutputCommands, JsonScoresAreShortAndTextIsAlwaysUtf8) {
    const zavcli::Json values = {zavcli::JsonNumber(12.5f),
                                 zavcli::JsonNumber(0.1f),
                                 zavcli::JsonNumber(-0.0f),
                                 zavcli::JsonNumber(3.0),
                                 zavcli::JsonNumber(std::numeric_limits<double>::infinity()),
                                 "Ar\xe8ne \"1\"\n"};
    EXPECT_EQ(zavcli::PrintJson(values),
              "[\n  12.5,\n  0.1,\n  0,\n  3,\n  null,\n  \"Ar\xef\xbf\xbdne \\\"1\\\"\\n\"\n]\n");
}

}  // namespace
