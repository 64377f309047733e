#include <gtest/gtest.h>

#include "core/report/PageInspect.h"
#include "core/report/SampleSheets.h"
#include "report/PageBytes.h"
#include "report/ScoreSheetPage.h"
#include "sheetfile/SheetFile.h"
#include "support/RunCli.h"
#include "support/TempDir.h"
#include "texts/Messages.h"

namespace {

using zavtest::CliResult;
using zavtest::CountOf;
using zavtest::RunCli;
using zavtest::TempDir;

// A folder with the full test heat saved as the program saves it and a
// settings file with colours and a logo.
class PageCommand : public ::testing::Test {
protected:
    void SetUp() override {
        zav::RecordingMessageSink messages;
        ASSERT_TRUE(zav::SaveSheet(zavtest::FullSheet(), sheetPath,
                                   zav::Reporter(zav::Language::English, messages)));
        zavtest::WriteFile(settingsPath,
                           "[General]\nLogoPath=/srv/logos\nLogoName=club.png\n"
                           "[Colors]\nHeadFont=#000080\nTitleBkg=#DDDDFF\nBkgLine1=#FFFFFF\n"
                           "BkgLine2=#EEEEEE\nBWOnly=0\n");
    }

    CliResult Page(std::vector<std::string> args) {
        args.insert(args.begin(), "page");
        return RunCli(args, settingsPath);
    }
    // The page printed by a run that must succeed.
    std::string PageOut(std::vector<std::string> args) {
        const CliResult r = Page(std::move(args));
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    TempDir dir;
    const std::string sheetPath = dir.File("semi-final.score");
    const std::string settingsPath = dir.File("ZAVscore.ini");
};

TEST_F(PageCommand, ExportIsTheBytesTheProgramWrites) {
    const CliResult r = Page({"sheet", sheetPath, "--lang", "EN"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    ASSERT_TRUE(zav::LoadSheet(sheet, sheetPath, zav::Reporter(zav::Language::English, messages)));
    const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(settingsPath));
    const std::string exported = zav::EncodePageBytes(
        zav::PrepareHtml(sheet, zav::ViewOnOpening(sheet), zav::OutputTarget::File, false,
                         zav::Language::English, style));
    EXPECT_EQ(r.out, exported);
}

TEST_F(PageCommand, TargetsAndViews) {
    const std::string window = PageOut({"sheet", sheetPath, "--target", "window", "--lang", "EN"});
    EXPECT_NE(window.find("src=\"/srv/logos/club.png\""), std::string::npos);
    EXPECT_NE(window.find("<b>Great Britain</b><br>red/white</td>"), std::string::npos);
    EXPECT_GT(CountOf(window, "size=\"12\""), 20);

    const std::string printer =
        PageOut({"sheet", sheetPath, "--target", "printer", "--lang", "EN"});
    EXPECT_EQ(CountOf(printer, "<br>red/white</td>"), 0);
    EXPECT_GT(CountOf(printer, "size=\"12\""), 20);

    const std::string competition = PageOut({"sheet", sheetPath, "--view", "competition"});
    EXPECT_EQ(CountOf(competition, "colspan"), 0);
    EXPECT_EQ(CountOf(competition, "<b>Norway</b>"), 1);

    // 'Challenge' only: no team rows, but the blames laid out when the sheet
    // was opened keep their footnote.
    const std::string challenge = PageOut({"sheet", sheetPath, "--view", "challenge"});
    EXPECT_EQ(CountOf(challenge, "colspan=\"19\""), 1);
    EXPECT_EQ(CountOf(challenge, "<b>Norway</b>"), 0);
    EXPECT_EQ(CountOf(challenge, "<b>(*)</b>"), 1);
}

TEST_F(PageCommand, OtherPagesInTheChosenLanguage) {
    const std::string staff = PageOut({"staff", sheetPath, "--lang", "EN"});
    EXPECT_EQ(CountOf(staff, "<tr bgcolor="), 1 + 10);

    const std::string equipment = PageOut({"equipment", sheetPath, "--lang", "GE"});
    EXPECT_NE(equipment.find("<td>Luftballonstechen</b></td> <td>"), std::string::npos);

    const std::string placement = PageOut({"placement", sheetPath, "--lang", "FR"});
    EXPECT_NE(placement.find("<img src=\"1140.png\">"), std::string::npos);

    const std::string print = PageOut({"placement-print", sheetPath, "--lang", "EN"});
    EXPECT_EQ(CountOf(print, "page-break-before:always;"), 12);
    EXPECT_NE(print.find("<img src=\"2140.png\" height=\"405\" width=\"540\">"), std::string::npos);
}

TEST_F(PageCommand, SettingsOptionNamesTheFileForThisRun) {
    zavtest::WriteFile(dir.File("bw.ini"), "[Colors]\nBWOnly=1\n");
    CliResult r = RunCli({"page", "sheet", sheetPath, "--settings", dir.File("bw.ini")},
                         dir.File("absent.ini"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(CountOf(r.out, "#FF0000"), 0);
    EXPECT_EQ(CountOf(r.out, "<img"), 0);
    EXPECT_GT(CountOf(r.out, "#000000"), 20);
}

TEST_F(PageCommand, AMissingSheetIsReportedAndNothingPrinted) {
    const CliResult missing = Page({"sheet", dir.File("none.score"), "--lang", "EN"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("Error while opening file = " + dir.File("none.score")),
              std::string::npos);
}

}  // namespace
