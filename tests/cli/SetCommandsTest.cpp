// The SIF entries file read, a set created from it, and whole sets copied,
// moved and deleted, with what each command prints and the files it leaves.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/Golden.h"
#include "support/RunCli.h"
#include "texts/Texts.h"

namespace {

namespace fs = std::filesystem;
using zavtest::FilesIn;
using zavtest::ReadFile;
using zavtest::RunCli;
using zavtest::WriteFile;
using Lines = std::vector<std::string>;

// Four teams in three categories, Windows-1252, no last line end.
const std::string kEntries = zavtest::TestFile("cli/data/entries.txt");

class SetCommands : public ::testing::Test {
protected:
    zavtest::CliResult Run(const std::vector<std::string>& args) {
        return RunCli(args, dir.File("none.ini"));
    }
    // A sheet file as written, its set's folder shown as /events.
    std::string SheetBytes(const std::string& name) const {
        std::string bytes = ReadFile(dir.File(name));
        return bytes.replace(bytes.find(dir.Path()), dir.Path().size(), "/events");
    }

    zavtest::TempDir dir;
};

TEST_F(SetCommands, SifPrintsTheEntriesAsJson) {
    const auto r = Run({"sif", kEntries});
    EXPECT_EQ(r.status, 0) << r.err;
    zavtest::ExpectGolden("cli/golden/entries.json", r.out);
}

TEST_F(SetCommands, ImportMakesOneSheetPerCategoryOrPerGroup) {
    // Defaults: one sheet per category in the order they first occur, French
    // rules, six games; texts in the program's single-byte code page.
    auto r = Run({"import-sif", kEntries, dir.File("4711.mscore")});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string names =
        "4711_Minime 1.pscore\n4711_Open Elite.pscore\n4711_Minime 2.pscore\n";
    EXPECT_EQ(r.out, names);
    EXPECT_EQ(Run({"set-list", dir.File("4711.mscore")}).out, names);
    zavtest::ExpectGolden("cli/golden/category-sheet.pscore", SheetBytes("4711_Minime 1.pscore"));
    // Existing files, the set file or only sheet files of the same names (a
    // set of that name elsewhere, moved in), are replaced only when asked to;
    // the refusal lists them.
    for (const char* name : {"4711_Minime 1.pscore", "4711_Minime 2.pscore"})
        fs::remove(dir.File(name));
    WriteFile(dir.File("4711.mscore"), "older set");
    WriteFile(dir.File("4711_Open Elite.pscore"), "older sheet");
    const auto refusal = [](const Lines& paths) {
        std::string list;
        for (const std::string& path : paths) list += (list.empty() ? "" : "\n") + path;
        return zav::FormatText(zav::Text(zav::Language::English, zav::TextId::FilesExist), list) +
               "\n";
    };
    const Lines existing = {dir.File("4711_Open Elite.pscore"), dir.File("4711.mscore")};
    for (const Lines& paths : {existing, Lines{existing[0]}}) {
        if (paths.size() == 1) fs::remove(dir.File("4711.mscore"));
        r = Run({"import-sif", kEntries, dir.File("4711.mscore"), "--lang", "EN"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, refusal(paths));
        EXPECT_EQ(ReadFile(dir.File("4711_Open Elite.pscore")), "older sheet");
    }
    EXPECT_EQ(Run({"import-sif", kEntries, dir.File("4711.mscore"), "--replace"}).status, 0);
    EXPECT_NE(ReadFile(dir.File("4711_Open Elite.pscore")), "older sheet");

    // Groups name categories by field or code, blanks around them ignored;
    // the dialogs' answers as options; each team's category in the extra column.
    r = Run({"import-sif", kEntries, dir.File("ev.mscore"), "--group", " CPM2 ,CPM1", "--group",
             "COPE", "--games", "12", "--rules", "international", "--title", "Finale", "--date",
             "1/6", "--referee", "R. Arbitre", "--lang", "GE"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ev_Minime 1_Minime 2.pscore\nev_Open Elite.pscore\n");
    zavtest::ExpectGolden("cli/golden/grouped-sheet.pscore",
                          SheetBytes("ev_Minime 1_Minime 2.pscore"));

    // A code names every category with that code, unless it is the whole
    // field of a category: then that one only. Alike display names get a suffix.
    WriteFile(dir.File("codes.txt"),
              "99;h\n99;1;NOM_EQU;CPM2 Poney A;c;r;A1\n99;2;NOM_EQU;CPM1;c;r;Plain\n"
              "99;3;NOM_EQU;CPM2 Poney B;c;r;B1\n99;4;NOM_EQU;CPM1 Minime 1;c;r;Long\n");
    r = Run({"import-sif", dir.File("codes.txt"), dir.File("c.mscore"), "--group", "CPM2",
             "--group", "CPM1", "--group", "CPM1 Minime 1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "c_Minime 2_Minime 2.pscore\nc_Minime 1.pscore\nc_Minime 1_2.pscore\n");
}

// Every failure: the program's message, status 1, and no set file written.
TEST_F(SetCommands, ImportFailuresWriteNothing) {
    std::string eleven = "5;h\n5;x;NOM_EQU;CPM1;c;r;A\n";
    for (int t = 0; t < 11; ++t) eleven += "5;" + std::to_string(t) + ";NOM_EQU;COPE Elite;c;r;T\n";
    WriteFile(dir.File("eleven.txt"), eleven);
    WriteFile(dir.File("empty.txt"), "5;h\n");
    const auto english = [](zav::TextId id, const std::string& name) {
        return zav::FormatText(zav::Text(zav::Language::English, id), name);
    };
    const struct {
        Lines args;
        std::string err;
    } failures[] = {
        {{dir.File("eleven.txt"), "--lang", "EN"},
         "On score sheet 2, the maximum number of teams is reached with category COPE."},
        {{dir.File("none.txt")},  // no --lang and no settings: French
         zav::FormatText(zav::Text(zav::Language::French, zav::TextId::ErrorOpening),
                         dir.File("none.txt"))},
        {{dir.File("empty.txt"), "--lang", "EN"},
         english(zav::TextId::NotSifFile, dir.File("empty.txt"))},
        {{kEntries, "--group", "CPM1,COPE", "--lang", "EN"},
         english(zav::TextId::CategoryOnNoSheet, "CPM2")},
        {{kEntries, "--group", "CPM1", "--group", "CPM1,COPE,CPM2", "--lang", "EN"},
         english(zav::TextId::CategoryAlreadyGrouped, "CPM1 Minime 1")},
        {{kEntries, "--group", "CPM1,COPE,CPM2,CAB9", "--lang", "EN"},
         english(zav::TextId::NoSuchCategory, "CAB9")},
        {{kEntries, "--group", "CPM1,COPE,", "--lang", "EN"},
         english(zav::TextId::NoSuchCategory, "")},
    };
    for (const auto& failure : failures) {
        Lines args = {"import-sif", failure.args[0], dir.File("ev.mscore")};
        args.insert(args.end(), failure.args.begin() + 1, failure.args.end());
        const auto r = Run(args);
        EXPECT_EQ(r.status, 1) << failure.err;
        EXPECT_EQ(r.err, failure.err + "\n");
    }
    EXPECT_EQ(FilesIn(dir.Path()), 2u);
}

TEST_F(SetCommands, CopyMoveAndDeleteAWholeSet) {
    fs::create_directories(dir.File("home"));
    fs::create_directories(dir.File("away"));
    const std::string set = dir.File("home/4711.mscore");
    ASSERT_EQ(Run({"import-sif", kEntries, set}).status, 0);

    // An existing set in the target is replaced only with --replace.
    WriteFile(dir.File("away/4711.mscore"), "an older set");
    auto r = Run({"set-copy", set, dir.File("away"), "--lang", "EN"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, zav::Text(zav::Language::English, zav::TextId::SetExists) + "\n");
    EXPECT_EQ(ReadFile(dir.File("away/4711.mscore")), "an older set");
    r = Run({"set-copy", set, dir.File("away"), "--replace", "--lang", "EN"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Score sheet set correctly copied.\n");
    EXPECT_EQ(ReadFile(dir.File("away/4711.mscore")), ReadFile(set));
    EXPECT_EQ(FilesIn(dir.File("away")), 4u);

    r = Run({"set-delete", dir.File("away/4711.mscore"), "--lang", "IT"});
    EXPECT_EQ(r.out, zav::Text(zav::Language::Italian, zav::TextId::SetDeleted) + "\n");
    EXPECT_EQ(FilesIn(dir.File("away")), 0u);
    r = Run({"set-move", set, dir.File("away"), "--lang", "FR"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, zav::Text(zav::Language::French, zav::TextId::SetMoved) + "\n");
    EXPECT_EQ(FilesIn(dir.File("home")), 0u);
    EXPECT_EQ(FilesIn(dir.File("away")), 4u);
}

}  // namespace
