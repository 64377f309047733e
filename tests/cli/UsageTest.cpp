#include <gtest/gtest.h>

#include "support/RunCli.h"
#include "support/TempDir.h"

namespace {

using zavtest::RunCli;
using zavtest::TempDir;

// A wrong command line ends with status 2 and the command's usage, before any
// file is read: a command that went on would fail on the missing files with 1.
TEST(CommandLine, WrongUsageExitsWithTwoAndShowsTheUsage) {
    TempDir dir;
    const std::string sheet = dir.File("a.score"), ini = dir.File("none.ini");
    const std::vector<std::vector<std::string>> wrong = {
        {"scores"},
        {"scores", sheet, "b"},
        {"scores", sheet, "--lang", "DE"},
        {"scores", sheet, "--colour"},
        {"convert", sheet},
        {"sif"},
        {"page", "results", sheet},
        {"page", "sheet"},
        {"page", "sheet", sheet, "--target", "screen"},
        {"page", "sheet", sheet, "--view", "all"},
        {"import-sif", "e.txt"},
        {"import-sif", "e.txt", "ev.mscore", "--games", "3"},
        {"import-sif", "e.txt", "ev.mscore", "--games", "13"},
        {"import-sif", "e.txt", "ev.mscore", "--games", "6x"},
        {"import-sif", "e.txt", "ev.mscore", "--games", "123456789012"},  // past int
        {"import-sif", "e.txt", "ev.mscore", "--rules", "French"},
        {"import-sif", "e.txt", "ev.mscore", "--group"},
        {"set-list"},
        {"set-move", "ev.mscore"},
        {"set-delete", "ev.mscore", "extra"},
        {"set-delete", "ev.mscore", "--replace"},
        {"publish", "ev.mscore"},
        {"publish", "ev.mscore", "www", "--refresh", "soon"},
        {"publish", "ev.mscore", "www", "--refresh", "-1"},
        {"publish", "ev.mscore", "www", "--refresh", "86401"},
    };
    for (const auto& args : wrong) {
        const auto r = RunCli(args, ini);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("Usage: zavscore-cli " + args[0] + ' '), std::string::npos)
            << ::testing::PrintToString(args) << r.err;
    }
    EXPECT_EQ(RunCli({"no-such-command"}, ini).status, 2);
    EXPECT_EQ(RunCli({"scores", "--"}, ini).status, 1);  // a file named "--", not an option
    const auto help = RunCli({"scores", "--help"}, ini);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: zavscore-cli scores ", 0), 0u);
}

}  // namespace
