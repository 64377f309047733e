// The sheet document's rules without a window: the save question, the saves
// and automatic save, opening sheets and sets, and moving between a set's
// sheets. The user is a script; an answer the script lacks fails the test.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <deque>

#include "core/sets/SifTestData.h"
#include "document/SheetDocument.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace {

using zavgui::SaveAnswer;
using zavgui::SaveChooser;
using zavgui::SheetState;

struct ChooserSeen {
    SaveChooser chooser;
    std::string folder;
    std::string fileName;
};

class ScriptedUser : public zavgui::DocumentUser {
public:
    SaveAnswer AskSaveChanges() override {
        ++questions;
        if (answers.empty()) ADD_FAILURE() << "unexpected save question";
        return Next(answers, SaveAnswer::DontSave);
    }
    std::string ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                               const std::string& fileName) override {
        choosers.push_back({chooser, folder, fileName});
        if (files.empty()) ADD_FAILURE() << "unexpected save chooser";
        return Next(files, std::string());
    }
    zav::MessageSink& Messages() override { return messages; }

    std::deque<SaveAnswer> answers;
    std::deque<std::string> files;  // an empty one cancels the chooser
    int questions = 0;
    std::vector<ChooserSeen> choosers;
    zav::RecordingMessageSink messages;

private:
    template <class T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

class SheetDocumentTest : public ::testing::Test {
protected:
    std::string Example(const std::string& name) {
        const std::string path = temp.File(name);
        zavtest::WriteFile(path, zavtest::ReadFile(ZAV_EXAMPLES_DIR "/" + name));
        return path;
    }

    // An accepted change: the title becomes `title`.
    void Change(const std::string& title) {
        document.EditSheet().sTitle = title;
        document.SheetChanged();
    }

    zav::ScoreSheet Read(const std::string& path) {
        zav::ScoreSheet sheet;
        zav::RecordingMessageSink messages;
        EXPECT_EQ(0, zav::LoadSheet(sheet, path, zav::kLangEnglish, messages)) << path;
        return sheet;
    }

    // A set "ev.mscore" with one sheet per category, listed in the order
    // Open 1, Benjamin 1, Minime 1.
    std::string MakeSet(const std::string& name = "ev.mscore",
                        const std::vector<std::string>& categories = {"COP1", "CAB1", "CPM1"}) {
        std::vector<std::pair<std::string, std::string>> teams;
        for (const std::string& category : categories)
            for (const char* team : {" 1", " 2"}) teams.emplace_back(category, category + team);
        zav::SifEntries entries;
        zav::RecordingMessageSink messages;
        EXPECT_EQ(
            0, zav::ParseSif(zavtest::SifText(teams), "sif", entries, zav::kLangEnglish, messages));
        zav::ScoreSheet scratch;
        const std::string path = temp.File(name);
        EXPECT_EQ(0, zav::CreateSet(entries, zav::SetOptions{}, zav::OneSheetPerCategory(entries),
                                    path, scratch, zav::kLangEnglish, messages));
        return path;
    }

    zavtest::TempDir temp;
    ScriptedUser user;
    zavgui::SheetDocument document{zav::kLangEnglish, user, false};
};

TEST_F(SheetDocumentTest, NewSheetHasItsDefaultsAndIsOpenOnceDescribed) {
    document.OpenSheet(Example("heat-4-teams.score"));
    const unsigned before = document.Replacements();
    document.NewSheet();
    EXPECT_EQ(document.State(), SheetState::NoSheet);
    EXPECT_GT(document.Replacements(), before);
    EXPECT_TRUE(document.TitleFileName().empty());
    const zav::ScoreSheet& sheet = document.Sheet();
    EXPECT_EQ((std::vector<int>{sheet.iGamesNr, sheet.iTeamsNr, sheet.iScoring}),
              (std::vector<int>{8, 4, 4}));
    EXPECT_TRUE(sheet.wxsFullFileName.empty());

    document.EditSheet().iGamesRunning = 3;
    document.NewSheetDescribed();
    EXPECT_EQ(document.State(), SheetState::Changed);
    EXPECT_EQ(sheet.iGamesRunning, 0);
    // Never saved: automatic save has nowhere to write, and asks nothing.
    document.SetSaveAutoOn(true);
    Change("Spring cup");
    EXPECT_TRUE(user.messages.messages.empty());
    EXPECT_EQ(zavtest::FilesIn(temp.Path()), 1u);
}

TEST_F(SheetDocumentTest, OpeningASheetMakesItTheFileOfTheDocument) {
    const std::string path = Example("heat-4-teams.score");
    document.OpenSheet(path);
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(document.Sheet().wxsFullFileName, path);
    EXPECT_EQ(document.Sheet().wxsFilePath, temp.Path());
    EXPECT_EQ(document.TitleFileName(), "heat-4-teams.score");
    EXPECT_EQ(document.ChosenFile(), path);
    EXPECT_FALSE(document.IsSheetOfSet());

    const std::string other = temp.File("notes.score");
    zavtest::WriteFile(other, "<html>not a sheet</html>");
    document.OpenSheet(other);
    ASSERT_EQ(user.messages.messages.size(), 1u);
    EXPECT_EQ(user.messages.messages[0].text, "Unknown encoding format.");
    EXPECT_EQ(document.State(), SheetState::NoSheet);
    EXPECT_TRUE(document.TitleFileName().empty());
}

TEST_F(SheetDocumentTest, FirstSaveAsksForAFileAndTheNextOneDoesNot) {
    document.NewSheet();
    document.NewSheetDescribed();
    const std::string path = temp.File("spring.score");
    user.files = {path};
    document.SaveSheet();
    ASSERT_EQ(user.choosers.size(), 1u);
    EXPECT_EQ(user.choosers[0].chooser, SaveChooser::FirstSave);
    EXPECT_EQ(user.choosers[0].folder + user.choosers[0].fileName, "");
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(document.Sheet().wxsFullFileName, path);
    EXPECT_EQ(document.TitleFileName(), "spring.score");

    Change("Ponies");
    EXPECT_NE(Read(path).sTitle, "Ponies");
    document.SaveSheet();  // no chooser: the script has no file left
    EXPECT_EQ(Read(path).sTitle, "Ponies");
    EXPECT_EQ(document.State(), SheetState::Unchanged);
}

TEST_F(SheetDocumentTest, AFailedSaveKeepsTheSheetChangedAndItsFile) {
    const std::string folder = temp.File("event");
    ASSERT_EQ(0, mkdir(folder.c_str(), 0755));
    const std::string path = folder + "/heat.score";
    zavtest::WriteFile(path, zavtest::ReadFile(ZAV_EXAMPLES_DIR "/heat-4-teams.score"));
    document.OpenSheet(path);
    Change("Ponies");
    ASSERT_EQ(0, std::remove(path.c_str()));
    ASSERT_EQ(0, rmdir(folder.c_str()));

    document.SaveSheet();
    EXPECT_EQ(user.messages.messages.size(), 1u);
    EXPECT_EQ(document.State(), SheetState::Changed);

    user.files = {temp.File("nowhere/copy.score")};
    EXPECT_FALSE(document.SaveFileAndDialog());
    EXPECT_EQ(document.State(), SheetState::Changed);
    EXPECT_EQ(document.Sheet().wxsFullFileName, path);
    EXPECT_EQ(document.TitleFileName(), "heat.score");
}

// What the step before a replacement does with each state and answer.
TEST_F(SheetDocumentTest, QuitTestOffersTheSaveOfAChangedSingleSheetOnly) {
    struct Case {
        bool changed;
        std::deque<SaveAnswer> answers;
        std::deque<std::string> files;
        bool written;
        SheetState after;
    };
    const std::string copy = temp.File("copy.score");
    const Case cases[] = {
        {false, {}, {}, false, SheetState::Unchanged},
        {true, {SaveAnswer::DontSave}, {}, false, SheetState::Changed},
        {true, {SaveAnswer::Save}, {""}, false, SheetState::Changed},  // chooser cancelled
        {true, {SaveAnswer::Save}, {copy}, true, SheetState::Unchanged},
    };
    for (const Case& c : cases) {
        ScriptedUser script;
        zavgui::SheetDocument tested(zav::kLangEnglish, script, false);
        const std::string path = Example("heat-4-teams.score");
        tested.OpenSheet(path);
        if (c.changed) {
            tested.EditSheet().sTitle = "Ponies";
            tested.SheetChanged();
        }
        script.answers = c.answers;
        script.files = c.files;
        std::remove(copy.c_str());
        EXPECT_TRUE(tested.QuitTest());
        EXPECT_EQ(script.questions, c.changed ? 1 : 0);
        EXPECT_EQ(tested.State(), c.after);
        EXPECT_NE(Read(path).sTitle, "Ponies");
        EXPECT_EQ(zavtest::FilesIn(temp.Path()), c.written ? 2u : 1u);
        // Save as proposes the sheet's own folder and name.
        for (const ChooserSeen& seen : script.choosers) {
            EXPECT_EQ(seen.chooser, SaveChooser::SaveAs);
            EXPECT_EQ(seen.folder, temp.Path());
            EXPECT_EQ(seen.fileName, "heat-4-teams.score");
        }
    }
}

TEST_F(SheetDocumentTest, AutomaticSaveWritesEveryAcceptedChangeAndTheSheetStaysChanged) {
    const std::string path = Example("heat-4-teams.score");
    document.OpenSheet(path);
    document.SetSaveAutoOn(true);
    Change("Ponies");
    EXPECT_EQ(Read(path).sTitle, "Ponies");
    EXPECT_EQ(document.State(), SheetState::Changed);
    // A withdrawal is not saved automatically.
    document.EditSheet().sTitle = "Withdrawn";
    document.MarkChanged();
    EXPECT_EQ(Read(path).sTitle, "Ponies");
}

TEST_F(SheetDocumentTest, OpeningASetShowsItsFirstSheetAndListsTheOthers) {
    const std::string setPath = MakeSet();
    document.OpenSet(setPath);
    EXPECT_EQ(document.SetSheetNames(),
              (std::vector<std::string>{"ev_Open 1.pscore", "ev_Benjamin 1.pscore",
                                        "ev_Minime 1.pscore"}));
    EXPECT_EQ(document.SetSheetShown(), "ev_Open 1.pscore");
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(document.TitleFileName(), "ev.mscore");
    EXPECT_EQ(document.Sheet().wxsFullFileName, setPath);
    EXPECT_EQ(document.Sheet().wxsMultiFileOpen, temp.File("ev_Open 1.pscore"));
    EXPECT_EQ(document.Sheet().sTeamName[1], "COP1 2");
    EXPECT_TRUE(document.IsSheetOfSet());
}

TEST_F(SheetDocumentTest, MovingWithinASetSavesTheChangedSheetSilently) {
    const std::string setPath = MakeSet();
    const std::string setBytes = zavtest::ReadFile(setPath);
    document.OpenSet(setPath);
    Change("Kept");
    document.ShowSetSheet("ev_Minime 1.pscore");  // no question may come up
    EXPECT_EQ(Read(temp.File("ev_Open 1.pscore")).sTitle, "Kept");
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(document.SetSheetShown(), "ev_Minime 1.pscore");
    EXPECT_EQ(document.Sheet().sTeamName[0], "CPM1 1");
    EXPECT_EQ(document.TitleFileName(), "ev.mscore");

    // Back again: the sheet comes from its file; the set file is never written.
    document.ShowSetSheet("ev_Open 1.pscore");
    EXPECT_EQ(document.Sheet().sTitle, "Kept");
    EXPECT_TRUE(document.IsSheetOfSet());
    EXPECT_EQ(zavtest::ReadFile(setPath), setBytes);
    EXPECT_EQ(user.questions, 0);
}

TEST_F(SheetDocumentTest, ASetSheetThatCannotBeSavedIsNotLeftForAnotherOne) {
    document.OpenSet(MakeSet());
    Change("Typed but not saved");
    const std::string file = temp.File("ev_Open 1.pscore");
    ASSERT_EQ(0, std::remove(file.c_str()));
    ASSERT_EQ(0, mkdir(file.c_str(), 0755));  // no file can replace it
    const unsigned before = document.Replacements();
    document.ShowSetSheet("ev_Minime 1.pscore");
    ASSERT_EQ(user.messages.messages.size(), 1u);
    EXPECT_NE(user.messages.messages[0].text.find("ev_Open 1.pscore"), std::string::npos);
    EXPECT_EQ(document.Sheet().sTitle, "Typed but not saved");
    EXPECT_EQ(document.State(), SheetState::Changed);
    EXPECT_EQ(document.SetSheetShown(), "ev_Open 1.pscore");
    EXPECT_EQ(document.Replacements(), before);
}

TEST_F(SheetDocumentTest, SaveAndAutomaticSaveWriteASetSheetToItsOwnFile) {
    const std::string setPath = MakeSet();
    const std::string setBytes = zavtest::ReadFile(setPath);
    document.OpenSet(setPath);
    document.ShowSetSheet("ev_Benjamin 1.pscore");
    const std::string own = temp.File("ev_Benjamin 1.pscore");

    document.SetSaveAutoOn(true);
    Change("Automatic");
    EXPECT_EQ(Read(own).sTitle, "Automatic");
    document.SetSaveAutoOn(false);
    Change("By command");
    document.SaveSheet();  // no chooser may come up
    EXPECT_EQ(Read(own).sTitle, "By command");
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(zavtest::ReadFile(setPath), setBytes);

    // A sheet file of another set opened alone goes back to its own file.
    MakeSet("other.mscore", {"CSE1"});
    const std::string alone = temp.File("other_Senior 1.pscore");
    document.OpenSheet(alone);
    ASSERT_TRUE(document.IsSheetOfSet());
    Change("Alone");
    document.SaveSheet();
    EXPECT_EQ(Read(alone).sTitle, "Alone");
    EXPECT_EQ(Read(own).sTitle, "By command");
}

// After New, the set's sheets are still offered: moving to one asks the
// save question of the new sheet first.
TEST_F(SheetDocumentTest, ANewSheetIsNotDroppedByAMoveToASheetOfTheSet) {
    document.OpenSet(MakeSet());
    ASSERT_TRUE(document.QuitTest());
    document.NewSheet();
    document.NewSheetDescribed();
    EXPECT_FALSE(document.IsSheetOfSet());
    EXPECT_EQ(document.SetSheetNames().size(), 3u);
    user.answers = {SaveAnswer::DontSave};
    document.ShowSetSheet("ev_Minime 1.pscore");
    EXPECT_EQ(user.questions, 1);
    EXPECT_EQ(document.Sheet().wxsMultiFileOpen, temp.File("ev_Minime 1.pscore"));
    EXPECT_TRUE(document.IsSheetOfSet());
    EXPECT_EQ(document.TitleFileName(), "ev.mscore");
}

TEST_F(SheetDocumentTest, AnotherSetOrASingleSheetReplacesTheSetAfterTheSilentSave) {
    const std::string first = MakeSet();
    const std::string second = MakeSet("other.mscore", {"CSE1"});
    document.OpenSet(first);
    Change("Kept");
    ASSERT_TRUE(document.QuitTest());
    document.OpenSet(second);
    EXPECT_EQ(Read(temp.File("ev_Open 1.pscore")).sTitle, "Kept");
    EXPECT_EQ(document.SetSheetNames(), (std::vector<std::string>{"other_Senior 1.pscore"}));
    EXPECT_EQ(document.TitleFileName(), "other.mscore");

    document.OpenSheet(Example("heat-4-teams.score"));
    EXPECT_TRUE(document.SetSheetNames().empty());
    EXPECT_EQ(user.questions, 0);
}

TEST_F(SheetDocumentTest, ASetFileThatCannotBeReadLeavesNothingOpen) {
    document.OpenSet(MakeSet());
    const std::string bad = temp.File("bad.mscore");
    zavtest::WriteFile(bad, "<zavscore><file>a.pscore</file></zavscore>");  // no encoding
    document.OpenSet(bad);
    ASSERT_EQ(user.messages.messages.size(), 1u);
    EXPECT_EQ(user.messages.messages[0].text, "Unknown encoding format.");
    EXPECT_EQ(document.State(), SheetState::NoSheet);
    EXPECT_TRUE(document.SetSheetNames().empty());
    EXPECT_TRUE(document.TitleFileName().empty());
}

TEST_F(SheetDocumentTest, CreatingASetOpensItAndAFailureLeavesNothingOpen) {
    std::vector<std::pair<std::string, std::string>> teams;
    for (int t = 1; t <= 11; ++t)
        teams.emplace_back(t < 3 ? "CAB1" : "CPM1", "T" + std::to_string(t));
    zav::SifEntries entries;
    ASSERT_EQ(0, zav::ParseSif(zavtest::SifText(teams), "sif", entries, zav::kLangEnglish,
                               user.messages));
    const zav::SetPlan plan = zav::OneSheetPerCategory(entries);
    document.CreateSet(entries, zav::SetOptions{}, plan, temp.File("ok.mscore"));
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(document.SetSheetNames().size(), 2u);
    EXPECT_EQ(document.TitleFileName(), "ok.mscore");

    zav::SetPlan oneSheet = zav::EmptyGrouping(entries);
    ASSERT_EQ(0, zav::AddGroupedSheet(oneSheet, {0, 1}));  // 11 teams on one sheet
    document.CreateSet(entries, zav::SetOptions{}, oneSheet, temp.File("full.mscore"));
    EXPECT_EQ(user.messages.messages.size(), 1u);
    EXPECT_EQ(document.State(), SheetState::NoSheet);
    EXPECT_TRUE(document.SetSheetNames().empty());
}

}  // namespace
