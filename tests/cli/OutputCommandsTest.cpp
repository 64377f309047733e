// What the commands print or write: the computed sheet, the pages and the
// converted sheet, compared with reviewed files or with the core's own pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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
    using zav::Language;
    using zav::OutputTarget;
    const auto WithFile = OutputTarget::File, ForWindow = OutputTarget::WindowOrPrinter;
    using Build = std::function<std::string(zav::ScoreSheet&, const zav::PageStyle&)>;
    const struct {
        std::vector<std::string> args;
        Language language;
        Build page;
    } cases[] = {
        {{"sheet"},
         Language::French,
         [&](auto& s, auto& st) {
             return PrepareHtml(s, zav::ViewOnOpening(s), WithFile, false, Language::French, st);
         }},
        {{"sheet", "--target", "window", "--view", "both", "--lang", "EN"},
         Language::English,
         [&](auto& s, auto& st) {
             return PrepareHtml(s, {true, true}, ForWindow, true, Language::English, st);
         }},
        {{"sheet", "--target", "printer", "--view", "competition", "--lang", "EN"},
         Language::English,
         [&](auto& s, auto& st) {
             return PrepareHtml(s, {true, false}, ForWindow, false, Language::English, st);
         }},
        {{"sheet", "--target", "file", "--view", "challenge", "--lang", "EN"},
         Language::English,
         [&](auto& s, auto& st) {
             return PrepareHtml(s, {false, true}, WithFile, false, Language::English, st);
         }},
        {{"staff", "--lang", "EN"},
         Language::English,
         [&](auto& s, auto& st) { return PrepareHtmlStaff(s, WithFile, Language::English, st); }},
        {{"equipment", "--lang", "GE"},
         Language::German,
         [&](auto& s, auto& st) { return PrepareHtmlEquip(s, WithFile, Language::German, st); }},
        {{"placement", "--target", "window", "--lang", "IT"},
         Language::Italian,
         [&](auto& s, auto& st) {
             return PrepareHtmlPlacement(s, ForWindow, Language::Italian, st);
         }},
        {{"placement-print", "--lang", "EN"},
         Language::English,
         [&](auto& s, auto&) { return PrintHtmlPlacementDocument(s, Language::English); }},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"page", c.args[0], sheetPath};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const auto r = RunCli(args, ini);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        zav::ScoreSheet sheet = zavtest::Sample("full-heat.score", c.language);
        const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(ini));
        zav::PrepareHtml(sheet, {}, ForWindow, true, c.language, style);
        EXPECT_TRUE(r.out == zav::EncodePageBytes(c.page(sheet, style)))
            << c.args[0] << c.args.size();
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

TEST(OutputCommands, JsonEscapesEveryControlCharacter) {
    EXPECT_EQ(zavcli::JsonString("\"\\\n\r\t\b\f\x01\x1F é"),
              "\"\\\"\\\\\\n\\r\\t\\b\\f\\u0001\\u001f é\"");
    EXPECT_EQ(zavcli::JsonNumber(12.5f), "12.5");
    EXPECT_EQ(zavcli::JsonNumber(-0.0f), "0");
    EXPECT_EQ(zavcli::JsonNumber(std::numeric_limits<double>::infinity()), "null");
}

}  // namespace
