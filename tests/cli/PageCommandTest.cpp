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
        ASSERT_EQ(zav::SaveSheet(zavtest::FullSheet(), sheetPath, zav::kLangEnglish, messages), 0);
        zavtest::WriteFile(settingsPath,
                           "[General]\nLogoPath=/srv/logos\nLogoName=club.png\n"
                           "[Colors]\nHeadFont=#000080\nTitleBkg=#DDDDFF\nBkgLine1=#FFFFFF\n"
                           "BkgLine2=#EEEEEE\nBWOnly=0\n");
    }

    CliResult Page(std::vector<std::string> args) {
        args.insert(args.begin(), "page");
        return RunCli(args, settingsPath);
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
    ASSERT_EQ(zav::LoadSheet(sheet, sheetPath, zav::kLangEnglish, messages), 0);
    const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(settingsPath));
    const std::string exported = zav::EncodePageBytes(
        zav::PrepareHtml(sheet, zav::ViewOnOpening(sheet), zav::OutputTarget::File, false,
                         zav::kLangEnglish, style));
    EXPECT_EQ(r.out, exported);
}

TEST_F(PageCommand, TargetsAndViews) {
    const CliResult window = Page({"sheet", sheetPath, "--target", "window", "--lang", "EN"});
    ASSERT_EQ(window.status, 0) << window.err;
    EXPECT_NE(window.out.find("src=\"/srv/logos/club.png\""), std::string::npos);
    EXPECT_NE(window.out.find("<b>Great Britain</b><br>red/white</td>"), std::string::npos);
    EXPECT_GT(CountOf(window.out, "size=\"12\""), 20);

    const CliResult printer = Page({"sheet", sheetPath, "--target", "printer", "--lang", "EN"});
    ASSERT_EQ(printer.status, 0) << printer.err;
    EXPECT_EQ(CountOf(printer.out, "<br>red/white</td>"), 0);
    EXPECT_GT(CountOf(printer.out, "size=\"12\""), 20);

    const CliResult competition = Page({"sheet", sheetPath, "--view", "competition"});
    ASSERT_EQ(competition.status, 0) << competition.err;
    EXPECT_EQ(CountOf(competition.out, "colspan"), 0);
    EXPECT_EQ(CountOf(competition.out, "<b>Norway</b>"), 1);

    // 'Challenge' only: no team rows, but the blames laid out when the sheet
    // was opened keep their footnote.
    const CliResult challenge = Page({"sheet", sheetPath, "--view", "challenge"});
    ASSERT_EQ(challenge.status, 0) << challenge.err;
    EXPECT_EQ(CountOf(challenge.out, "colspan=\"19\""), 1);
    EXPECT_EQ(CountOf(challenge.out, "<b>Norway</b>"), 0);
    EXPECT_EQ(CountOf(challenge.out, "<b>(*)</b>"), 1);
}

TEST_F(PageCommand, OtherPagesInTheChosenLanguage) {
    const CliResult staff = Page({"staff", sheetPath, "--lang", "EN"});
    ASSERT_EQ(staff.status, 0) << staff.err;
    EXPECT_EQ(CountOf(staff.out, "<tr bgcolor="), 1 + 10);

    const CliResult equipment = Page({"equipment", sheetPath, "--lang", "GE"});
    ASSERT_EQ(equipment.status, 0) << equipment.err;
    EXPECT_NE(equipment.out.find("<td>Luftballonstechen</b></td> <td>"), std::string::npos);

    const CliResult placement = Page({"placement", sheetPath, "--lang", "FR"});
    ASSERT_EQ(placement.status, 0) << placement.err;
    EXPECT_NE(placement.out.find("<img src=\"1140.png\">"), std::string::npos);
    EXPECT_NE(placement.out.find(" n\xB0"
                                 "1</b>"),
              std::string::npos);

    const CliResult print = Page({"placement-print", sheetPath, "--lang", "EN"});
    ASSERT_EQ(print.status, 0) << print.err;
    EXPECT_EQ(CountOf(print.out, "page-break-before:always;"), 12);
    EXPECT_NE(print.out.find("<img src=\"2140.png\" height=\"405\" width=\"540\">"),
              std::string::npos);
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
