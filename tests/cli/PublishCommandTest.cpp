#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "core/report/PageTesting.h"
#include "platform/NativePath.h"
#include "report/PageExport.h"
#include "report/ScoreSheetPage.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using zavtest::ReadFile;
using zavtest::RunCli;

// A set of three sheets (one with a blank and an accent in its file name),
// saved as the program saves them, and settings with colours and a logo.
class PublishCommand : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(dir.File("logos"));
        zavtest::WriteFile(dir.File("logos/club.png"), logo);
        zavtest::WriteFile(settings, "[General]\nLogoPath=" + dir.File("logos") +
                                         "\nLogoName=club.png\n[Colors]\nHeadFont=#000080\n"
                                         "TitleBkg=#DDDDFF\nBkgLine1=#FFFFFF\nBkgLine2=#EEEEEE\n");
        zav::ScoreSheet sheets[] = {zavtest::Sample("full-heat.score"),
                                    zavtest::Sample("small-heat.score"), zavtest::StaffSheet(6)};
        // As set creation names a sheet's categories.
        sheets[2].sSubTitle =
            "Comp\xC3\xA9tition num\xC3\xA9ro 2611 - Cat\xC3\xA9gorie(s) : "
            "Minime 1 - Cadet 1 - ";
        for (int k = 0; k < 3; ++k) ASSERT_TRUE(zav::SaveSheet(sheets[k], Sheet(k), quiet));
        zavtest::WriteFile(set, zav::SetFileBytes(names));
    }

    std::string Sheet(int k) const { return dir.File(names[k]); }
    zavtest::CliResult Publish(const std::string& source, std::vector<std::string> options = {}) {
        options.insert(options.begin(), {"publish", source, www, "--lang", "EN"});
        return RunCli(options, settings);
    }
    // The bytes the window's Export writes of sheet k right after opening it.
    std::string Exported(int k) {
        zav::ScoreSheet sheet;
        EXPECT_TRUE(zav::LoadSheet(sheet, Sheet(k), quiet));
        const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(settings));
        const zav::SheetView view = zav::ShowOnOpening(sheet, zav::Language::English, style);
        const std::string path = dir.File("export.html");
        EXPECT_EQ(zav::ExportPage(zav::PrepareHtml(sheet, view, zav::OutputTarget::File, false,
                                                   zav::Language::English, style),
                                  path, style, quiet),
                  zav::ExportResult::Written);
        return ReadFile(path);
    }
    // The page published for sheet k.
    std::string Page(int k) const {
        return www + "/" + names[k].substr(0, names[k].size() - 7) + ".html";
    }

    zavtest::TempDir dir;
    zav::RecordingMessageSink messages;
    const zav::Reporter quiet{zav::Language::English, messages};
    const std::string settings = dir.File("ZAVscore.ini");
    const std::string set = dir.File("event.mscore");
    const std::string www = dir.File("www");
    const std::string logo = std::string(300, 'L');
    const std::vector<std::string> names = {"semi-final.pscore", "Open \xC3\xA9lite.pscore",
                                            "staff.pscore"};
};

TEST_F(PublishCommand, PagesAreTheExportPlusTheRefreshLineAndTheLinksResolve) {
    const auto r = Publish(set, {"--refresh", "15"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "semi-final.html\nsemi-final.phone.html\nOpen \xC3\xA9lite.html\nOpen "
              "\xC3\xA9lite.phone.html\nstaff.html\nstaff.phone.html\nclub.png\nindex.html\n");
    // The refresh line, right after the page's style.
    const std::string style = "</style>\n", line = "<meta http-equiv=\"refresh\" content=\"15\">\n";
    for (int k = 0; k < 3; ++k) {
        std::string page = ReadFile(Page(k));
        const std::size_t at = page.find(style + line);
        ASSERT_NE(at, std::string::npos) << k;
        EXPECT_EQ(page.erase(at + style.size(), line.size()), Exported(k)) << k;
    }
    EXPECT_EQ(ReadFile(www + "/club.png"), logo);
    // Each sheet's phone page, UTF-8, links back to its exact page, and the
    // index lists it on a phone by its sub-title, a set's sheet by its
    // categories alone.
    const std::string phone = ReadFile(www + "/Open \xC3\xA9lite.phone.html");
    EXPECT_NE(phone.find(line), std::string::npos);
    EXPECT_NE(phone.find("charset=\"utf-8\""), std::string::npos);
    EXPECT_NE(phone.find("href=\"Open%20%C3%A9lite.html\""), std::string::npos);
    const std::string index = ReadFile(www + "/index.html");
    EXPECT_EQ(zavtest::CountOf(index, "href="), 6);
    EXPECT_NE(index.find("<a href=\"Open%20%C3%A9lite.phone.html\">" +
                         zavtest::Sample("small-heat.score").sSubTitle + "<small>"),
              std::string::npos);
    EXPECT_NE(index.find("staff.phone.html\">Minime 1, Cadet 1<small>"), std::string::npos);
    EXPECT_NE(index.find(line), std::string::npos);
    EXPECT_NE(index.find("src=\"club.png\""), std::string::npos);
}

TEST_F(PublishCommand, WhatCannotBeReadIsSaidAndTheRestPublished) {
    zavtest::WriteFile(set, zav::SetFileBytes({names[0], "missing.pscore", names[1], names[2]}));
    const std::string missing = "Error while opening file = " + dir.File("missing.pscore");
    struct Case {
        std::string source;
        bool folderIsAFile;
        int status;
        std::string message;  // on standard error and, for a sheet, in the index
        std::string heading;  // of the index: the sheets' common title, else the file's name
        int links;
    };
    const Case cases[] = {
        {set, false, 1, missing, "event", 3},
        {dir.File("none.mscore"), false, 1, "Error while opening file = " + dir.File("none.mscore"),
         "", 0},
        {set, true, 1, "Error while creating file = " + www, "", 0},
        {Sheet(1), false, 0, "", "Regional championship", 1},
    };
    for (const Case& c : cases) {
        fs::remove_all(www);
        if (c.folderIsAFile) zavtest::WriteFile(www, "");
        const auto r = Publish(c.source, {"--refresh", "0"});  // 0: no refresh line
        EXPECT_EQ(r.status, c.status) << c.source;
        EXPECT_EQ(r.err, c.message.empty() ? "" : c.message + "\n") << c.source;
        if (!c.links) {
            EXPECT_FALSE(fs::is_directory(www)) << c.source;
            continue;
        }
        const std::string index = ReadFile(www + "/index.html");
        EXPECT_NE(index.find("<title>" + c.heading + "</title>"), std::string::npos);
        // The public page names a sheet by its file name, never by where it
        // lies on this computer.
        EXPECT_EQ(index.find(dir.Path()), std::string::npos);
        if (!c.message.empty()) {
            EXPECT_NE(index.find("Error while opening file = missing.pscore"), std::string::npos);
        }
        EXPECT_EQ(zavtest::CountOf(index, "href="), 2 * c.links);  // the page and the phone's
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(fs::exists(zav::NativePath(Page(k))), c.links == 3 || k == 1) << k;
        EXPECT_EQ(ReadFile(Page(1)), Exported(1));
    }
}

TEST_F(PublishCommand, ASecondRunRewritesOnlyWhatChanged) {
    ASSERT_EQ(Publish(set).status, 0);
    // Every published file dated back to a known time, in whole seconds,
    // which every file system keeps (the file clock is the system clock
    // shifted by whole seconds).
    std::tm date{};
    date.tm_year = 2026 - 1900, date.tm_mon = 4, date.tm_mday = 12, date.tm_hour = 10;
    date.tm_isdst = -1;
    const auto sinceThen = std::chrono::system_clock::now() -
                           std::chrono::system_clock::from_time_t(std::mktime(&date));
    const fs::file_time_type then =
        std::chrono::round<std::chrono::seconds>(fs::file_time_type::clock::now() - sinceThen);
    for (const auto& file : fs::directory_iterator(www)) fs::last_write_time(file.path(), then);
    const auto dated = [&](const std::string& name) {
        std::error_code error;
        return fs::last_write_time(zav::NativePath(www + "/" + name), error) == then && !error;
    };

    zav::ScoreSheet changed = zavtest::Sample("small-heat.score");
    changed.iGamePlace[0][3] = 1;
    ASSERT_TRUE(zav::SaveSheet(changed, Sheet(1), quiet));
    const auto second = Publish(set);
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "Open \xC3\xA9lite.html\nOpen \xC3\xA9lite.phone.html\nindex.html\n");
    EXPECT_TRUE(dated("semi-final.html") && dated("staff.html") && dated("club.png"));
    // The unchanged sheets keep the time they were published.
    const std::string index = ReadFile(www + "/index.html");
    EXPECT_EQ(zavtest::CountOf(index, "2026-05-12 10:00:00"), 2 * 2);  // table and phone list

    const auto third = Publish(set);
    EXPECT_EQ(third.out, "");
    EXPECT_EQ(ReadFile(www + "/index.html"), index);

    // A link in the folder is replaced by a file, even one that names a file
    // holding the same bytes; nothing outside the folder is written.
    const std::string outside = dir.File("outside.html"), same = dir.File("same.html");
    zavtest::WriteFile(outside, "not a page");
    std::error_code noLinks;
    fs::create_symlink(outside, dir.File("link"), noLinks);
    if (noLinks) return;  // Windows lets no ordinary user make links
    fs::rename(www + "/staff.html", same);
    fs::remove(www + "/index.html");
    fs::create_symlink(outside, www + "/index.html");
    fs::create_symlink(same, www + "/staff.html");
    EXPECT_EQ(Publish(set).out, "staff.html\nindex.html\n");
    EXPECT_EQ(ReadFile(outside), "not a page");
    EXPECT_TRUE(dated("../same.html"));
    for (const char* name : {"index.html", "staff.html"})
        EXPECT_FALSE(fs::is_symlink(www + "/" + name)) << name;
}

// The pages are written first; an upload that fails says why and ends in 1.
TEST_F(PublishCommand, AFailedUploadIsSaidAfterTheLocalPublication) {
    const auto closed = Publish(set, {"--upload", "http://127.0.0.1:1/results/"});
    EXPECT_EQ(closed.status, 1);
    EXPECT_NE(closed.err.find("The results could not be published: Server not reached"),
              std::string::npos)
        << closed.err;
    EXPECT_TRUE(fs::exists(www + "/index.html"));
    const auto wrong = Publish(set, {"--upload", "www.example.org/results"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("Upload address not understood"), std::string::npos) << wrong.err;
}

}  // namespace
