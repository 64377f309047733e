// zavscore-cli serve: the live pages of a sheet file, following its saves,
// without finish-line entry.
#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace {

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

TEST(ServeCommand, ServesTheSheetAndFollowsItsSaves) {
    zavtest::TempDir dir;
    const std::string sheetPath = dir.File("heat.score");
    zav::ScoreSheet sheet =
        zavtest::ReadSheet(std::string(ZAV_EXAMPLES_DIR) + "/heat-4-teams.score");
    zav::RecordingMessageSink messages;
    const zav::Reporter reporter(zav::Language::English, messages);
    ASSERT_TRUE(zav::SaveSheet(sheet, sheetPath, reporter));

    const std::string command =
        "ZAVSCORE_INI='" + dir.File("none.ini") + "' '" ZAV_CLI_PATH "' serve '" + sheetPath +
        "' --port 0 --bind 127.0.0.1 --lang EN --board ranking "
        "--board-seconds 5 >'" +
        dir.File("out") + "' 2>&1 </dev/null & echo $! >'" + dir.File("pid") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const pid_t pid = std::stoi(zavtest::ReadFile(dir.File("pid")));
    std::string address;
    ASSERT_TRUE(WaitFor([&] {
        address = zavtest::ReadFile(dir.File("out"));
        return address.find('\n') != std::string::npos;
    }));
    const int port = std::stoi(address.substr(address.rfind(':') + 1));
    httplib::Client client("127.0.0.1", port);
    EXPECT_NE(client.Get("/")->body.find(sheet.sTitle), std::string::npos);
    EXPECT_NE(client.Get("/sheet")->body.find("<table"), std::string::npos);
    EXPECT_EQ(client.Get("/entry")->status, 404);
    EXPECT_NE(client.Get("/board")->body.find("data-seconds=\"5\""), std::string::npos);

    sheet.sTitle = "Final & last";
    ASSERT_TRUE(zav::SaveSheet(sheet, sheetPath, reporter));
    EXPECT_TRUE(WaitFor([&] {
        const auto page = client.Get("/");
        return page && page->body.find("Final &amp; last") != std::string::npos;
    }));
    EXPECT_NE(client.Get("/board")->body.find("Final &amp; last"), std::string::npos);
    kill(pid, SIGTERM);
    EXPECT_TRUE(WaitFor([&] { return !client.Get("/"); }));
}

TEST(ServeCommand, RefusesABoardViewOrTimeItDoesNotKnow) {
    for (const char* options : {"--board scores", "--board-seconds 2", "--board-seconds 5s"}) {
        const std::string command =
            "'" ZAV_CLI_PATH "' serve heat.score --port 0 " + std::string(options) + " 2>/dev/null";
        EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 2) << options;
    }
}

}  // namespace
