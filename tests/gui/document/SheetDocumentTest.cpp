// The sheet document's rules without a window: the save question, the saves,
// opening sheets and sets, moving between a set's sheets, undo, recovery.
// The user is a script; a question or chooser it does not expect fails.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <deque>
#include <filesystem>

#include "core/sets/SifTestData.h"
#include "document/SheetDocument.h"
#include "platform/NativePath.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace {

using zavgui::SaveAnswer;
using zavgui::SaveChooser;
using zavgui::SheetState;

// The next scripted answer, or `none` when the script has none left.
template <class T>
T Take(std::deque<T>& queue, T none) {
    if (queue.empty()) return none;
    T next = queue.front();
    queue.pop_front();
    return next;
}

class ScriptedUser : public zavgui::DocumentUser {
public:
    SaveAnswer AskSaveChanges() override {
        ++questions;
        EXPECT_FALSE(answers.empty()) << "unexpected save question";
        return Take(answers, SaveAnswer::DontSave);
    }
    // Remembers "kind:folder/name" of each chooser shown.
    std::string ChooseSaveFile(SaveChooser chooser, const std::string& folder,
                               const std::string& fileName) override {
        choosers.push_back((chooser == SaveChooser::SaveAs ? "as:" : "first:") + folder + "/" +
                           fileName);
        EXPECT_FALSE(files.empty()) << "unexpected save chooser";
        return Take(files, std::string());
    }
    const zav::Reporter& Reporter() override { return reporter; }

    std::deque<SaveAnswer> answers;
    std::deque<std::string> files;  // an empty one cancels the chooser
    int questions = 0;
    std::vector<std::string> choosers;
    zav::RecordingMessageSink messages;
    zav::Reporter reporter{zav::Language::English, messages};
};

class SheetDocumentTest : public ::testing::Test {
protected:
    std::string Example() {
        const std::string path = temp.File("heat-4-teams.score");
        zavtest::WriteFile(path, zavtest::ReadFile(ZAV_EXAMPLES_DIR "/heat-4-teams.score"));
        return path;
    }

    // An accepted change: the title becomes `title`.
    void Change(const std::string& title) {
        document.EditSheet().sTitle = title;
        document.SheetChanged("title " + title);
    }

    static std::string TitleIn(const std::string& path) { return zavtest::ReadSheet(path).sTitle; }

    // One sheet per category, listed in category order: by default
    // ev_Open 1, ev_Benjamin 1, ev_Minime 1.
    std::string MakeSet(const std::string& name = "ev.mscore",
                        const std::vector<std::string>& categories = {"COP1", "CAB1", "CPM1"}) {
        std::vector<std::pair<std::string, std::string>> teams;
        for (const std::string& category : categories)
            for (const char* team : {" 1", " 2"}) teams.emplace_back(category, category + team);
        zav::SifEntries entries;
        EXPECT_TRUE(zav::ParseSif(zavtest::SifText(teams), "sif", entries, user.reporter));
        zav::ScoreSheet scratch;
        const std::string path = temp.File(name);
        EXPECT_TRUE(zav::CreateSet(entries, zav::SetOptions{}, zav::OneSheetPerCategory(entries),
                                   path, scratch, user.reporter));
        return path;
    }

    // A folder in place of the file at `path`: no save can replace it.
    static void Block(const std::string& path) {
        ASSERT_TRUE(std::filesystem::remove(zav::NativePath(path)));
        ASSERT_TRUE(std::filesystem::create_directory(zav::NativePath(path)));
    }

    zavtest::TempDir temp;
    ScriptedUser user;
    zavgui::SheetDocument document{user, false};
};

TEST_F(SheetDocumentTest, OpeningNewAndAutomaticSaveOfASingleSheet) {
    const std::string path = Example();
    document.OpenSheet(path);
    EXPECT_EQ(document.ChosenFile(), path);
    EXPECT_EQ(document.LastWritten(), 0);
    document.SetSaveAutoOn(true);
    Change("Ponies");
    EXPECT_EQ(TitleIn(path), "Ponies");
    // The window says the change is on disk, and how it got there.
    EXPECT_GT(document.LastWritten(), 0);
    EXPECT_TRUE(document.LastWrittenAutomatically());
    EXPECT_TRUE(document.SaveSheet());
    EXPECT_FALSE(document.LastWrittenAutomatically());
    document.EditSheet().sTitle = "Withdrawn";  // a withdrawal is not saved at once
    document.MarkChanged("withdrawal");
    EXPECT_EQ(TitleIn(path), "Ponies");

    const unsigned before = document.Replacements();
    document.NewSheet();
    EXPECT_EQ(document.State(), SheetState::NoSheet);
    EXPECT_EQ(document.LastWritten(), 0);
    EXPECT_GT(document.Replacements(), before);
    EXPECT_EQ(document.TitleFileName() + document.Sheet().sFullFileName, "");
    document.EditSheet().iGamesRunning = 3;
    document.NewSheetDescribed();
    EXPECT_EQ(document.State(), SheetState::Changed);
    EXPECT_EQ(document.Sheet().iGamesRunning, 0);
    // Never saved: automatic save has nowhere to write, and asks nothing.
    Change("Spring cup");
    EXPECT_EQ(zavtest::FilesIn(temp.Path()), 1u);

    const std::string other = temp.File("notes.score");
    zavtest::WriteFile(other, "<html>not a sheet</html>");
    document.OpenSheet(other);
    EXPECT_EQ(user.messages.messages.size(), 1u);
    EXPECT_EQ(document.State(), SheetState::NoSheet);
    EXPECT_EQ(document.TitleFileName(), "");
}

TEST_F(SheetDocumentTest, SavesAskForAFileOnlyOnceAndAFailureKeepsTheSheetChanged) {
    document.NewSheet();
    document.NewSheetDescribed();
    const std::string path = temp.File("spring.score");
    user.files = {path};
    document.SaveSheet();
    EXPECT_EQ(user.choosers, (std::vector<std::string>{"first:/"}));
    EXPECT_EQ(document.TitleFileName(), "spring.score");
    Change("Ponies");
    document.SaveSheet();  // no chooser: the script has no file left
    EXPECT_EQ(TitleIn(path), "Ponies");
    EXPECT_EQ(document.State(), SheetState::Unchanged);

    // A failed Save as keeps the sheet changed and on its own file.
    Change("Lost");
    user.files = {temp.File("nowhere/copy.score")};
    EXPECT_FALSE(document.SaveFileAndDialog());
    EXPECT_EQ(user.messages.messages.size(), 1u);
    EXPECT_EQ(document.State(), SheetState::Changed);
    EXPECT_EQ(document.Sheet().sFullFileName, path);
}

// What the step before a replacement does with each state and answer: the
// command goes on only when nothing typed can be lost.
TEST_F(SheetDocumentTest, QuitTestGoesOnOnlyWhenNothingIsLost) {
    enum class Sheet { Filed, FileProtected, NeverSaved };
    struct Case {
        Sheet sheet;
        bool changed;
        std::deque<SaveAnswer> answers;
        std::deque<std::string> files;  // the save chooser's answers
        bool goesOn;
        SheetState after;
        bool savedToItsFile;
    };
    const std::string copy = temp.File("copy.score");
    const Case cases[] = {
        {Sheet::Filed, false, {}, {}, true, SheetState::Unchanged, false},
        {Sheet::Filed, true, {SaveAnswer::DontSave}, {}, true, SheetState::Changed, false},
        {Sheet::Filed, true, {SaveAnswer::Cancel}, {}, false, SheetState::Changed, false},
        // Yes writes a filed sheet straight to its file, without a chooser.
        {Sheet::Filed, true, {SaveAnswer::Save}, {}, true, SheetState::Unchanged, true},
        {Sheet::FileProtected, true, {SaveAnswer::Save}, {}, false, SheetState::Changed, false},
        {Sheet::NeverSaved, true, {SaveAnswer::Save}, {""}, false, SheetState::Changed, false},
        {Sheet::NeverSaved, true, {SaveAnswer::Save}, {copy}, true, SheetState::Unchanged, false},
    };
    for (const Case& c : cases) {
        ScriptedUser script;
        zavgui::SheetDocument tested(script, false);
        const std::string path = Example();
        if (c.sheet == Sheet::NeverSaved) {
            tested.NewSheet();
            tested.NewSheetDescribed();
        } else {
            tested.OpenSheet(path);
        }
        if (c.sheet == Sheet::FileProtected) chmod(path.c_str(), 0444);
        tested.EditSheet().sTitle = "Ponies";
        if (c.changed) tested.SheetChanged("title");
        script.answers = c.answers;
        script.files = c.files;
        std::remove(copy.c_str());
        EXPECT_EQ(tested.QuitTest(), c.goesOn);
        EXPECT_EQ(script.questions, c.changed ? 1 : 0);
        EXPECT_EQ(script.choosers.size(), c.files.size());
        EXPECT_EQ(tested.State(), c.after);
        EXPECT_EQ(TitleIn(path) == "Ponies", c.savedToItsFile);
        EXPECT_EQ(zavtest::FilesIn(temp.Path()),
                  c.files == std::deque<std::string>{copy} ? 2u : 1u);
        chmod(path.c_str(), 0644);
    }
}

// A changed sheet of a set goes to its own file, without a question, by
// automatic save, by Save and before another sheet or set replaces it; the
// set file is never written.
TEST_F(SheetDocumentTest, SetSheetsAreSavedSilentlyToTheirOwnFiles) {
    const std::string setPath = MakeSet(), second = MakeSet("other.mscore", {"CSE1"});
    const std::string setBytes = zavtest::ReadFile(setPath);
    const std::string open = temp.File("ev_Open 1.pscore"),
                      minime = temp.File("ev_Minime 1.pscore");
    document.OpenSet(setPath);  // on its first sheet, ev_Open 1
    document.SetSaveAutoOn(true);
    Change("Automatic");
    EXPECT_EQ(TitleIn(open), "Automatic");
    document.SetSaveAutoOn(false);

    Change("Kept");
    document.ShowSetSheet("ev_Minime 1.pscore");  // no question may come up
    EXPECT_EQ(TitleIn(open), "Kept");
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(document.OwnFile(), minime);  // what a PDF is named after
    EXPECT_EQ(document.Sheet().sTeamName[0], "CPM1 1");
    Change("By command");
    document.SaveSheet();  // no chooser may come up
    EXPECT_EQ(TitleIn(minime), "By command");
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    document.ShowSetSheet("ev_Open 1.pscore");
    EXPECT_EQ(document.Sheet().sTitle, "Kept");
    EXPECT_EQ(zavtest::ReadFile(setPath), setBytes);

    Change("Before another set");
    ASSERT_TRUE(document.QuitTest());
    document.OpenSet(second);
    EXPECT_EQ(TitleIn(open), "Before another set");
    EXPECT_EQ(document.SetSheetNames(), (std::vector<std::string>{"other_Senior 1.pscore"}));
    // A set's sheet opened alone is still saved to its own file.
    const std::string alone = temp.File("ev_Benjamin 1.pscore");
    document.OpenSheet(Example());
    EXPECT_TRUE(document.SetSheetNames().empty());
    document.OpenSheet(alone);
    ASSERT_TRUE(document.IsSheetOfSet());
    Change("Alone");
    document.SaveSheet();
    EXPECT_EQ(TitleIn(alone), "Alone");
    EXPECT_EQ(user.questions + user.choosers.size(), 0u);

    // After New the set's sheets are still offered: moving to one asks the
    // save question of the new sheet first.
    document.OpenSet(setPath);
    document.NewSheet();
    document.NewSheetDescribed();
    EXPECT_FALSE(document.IsSheetOfSet());
    user.answers = {SaveAnswer::DontSave};
    document.ShowSetSheet("ev_Minime 1.pscore");
    EXPECT_EQ(user.questions, 1);
    EXPECT_EQ(document.SetSheetShown(), "ev_Minime 1.pscore");
    EXPECT_TRUE(document.IsSheetOfSet());
}

TEST_F(SheetDocumentTest, ASetSheetThatCannotBeSavedIsNotLeftForAnotherOne) {
    document.OpenSet(MakeSet());
    Change("Typed but not saved");
    Block(temp.File("ev_Open 1.pscore"));
    const unsigned before = document.Replacements();
    document.ShowSetSheet("ev_Minime 1.pscore");
    ASSERT_EQ(user.messages.messages.size(), 1u);
    EXPECT_NE(user.messages.messages[0].text.find("ev_Open 1.pscore"), std::string::npos);
    EXPECT_EQ(document.Sheet().sTitle, "Typed but not saved");
    EXPECT_EQ(document.SetSheetShown(), "ev_Open 1.pscore");
    EXPECT_EQ(document.Replacements(), before);
    // Nor for any other sheet or set, nor at the end of the program.
    EXPECT_FALSE(document.QuitTest());
    EXPECT_EQ(document.State(), SheetState::Changed);
}

TEST_F(SheetDocumentTest, ACreatedSetIsOpenAndAFailedCreationOrOpeningLeavesNothingOpen) {
    std::vector<std::pair<std::string, std::string>> teams;
    for (int t = 1; t <= 11; ++t)
        teams.emplace_back(t < 3 ? "CAB1" : "CPM1", "T" + std::to_string(t));
    zav::SifEntries entries;
    ASSERT_TRUE(zav::ParseSif(zavtest::SifText(teams), "sif", entries, user.reporter));
    document.CreateSet(entries, zav::SetOptions{}, zav::OneSheetPerCategory(entries),
                       temp.File("ok.mscore"));
    EXPECT_EQ(document.State(), SheetState::Unchanged);
    EXPECT_EQ(document.SetSheetNames().size(), 2u);
    EXPECT_EQ(document.TitleFileName(), "ok.mscore");

    zav::SetPlan oneSheet = zav::EmptyGrouping(entries);
    ASSERT_TRUE(zav::AddGroupedSheet(oneSheet, {0, 1}));  // 11 teams on one sheet
    const std::string bad = temp.File("bad.mscore");
    zavtest::WriteFile(bad, "<zavscore><file>a.pscore</file></zavscore>");  // no encoding
    for (const bool creating : {true, false}) {
        document.OpenSet(temp.File("ok.mscore"));
        if (creating)
            document.CreateSet(entries, zav::SetOptions{}, oneSheet, temp.File("full.mscore"));
        else
            document.OpenSet(bad);
        EXPECT_EQ(document.State(), SheetState::NoSheet) << creating;
        EXPECT_TRUE(document.SetSheetNames().empty()) << creating;
        EXPECT_EQ(document.TitleFileName(), "") << creating;
    }
    EXPECT_EQ(user.messages.messages.size(), 2u);
}

// Undo and redo restore the sheet as a change does, writing nothing
// themselves; another sheet starts a new history.
TEST_F(SheetDocumentTest, UndoIsAChangeAndAnotherSheetStartsANewHistory) {
    const std::string path = Example();
    document.OpenSheet(path);
    const std::string opened = document.Sheet().sTitle;
    Change("Ponies");
    Change("Horses");
    document.SaveSheet();
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.Sheet().sTitle, "Ponies");
    EXPECT_EQ(document.State(), SheetState::Changed);
    EXPECT_EQ(TitleIn(path), "Horses");
    document.SetSaveAutoOn(true);  // written as after any change
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(TitleIn(path), opened);
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(TitleIn(path), "Ponies");

    document.OpenSheet(path);
    EXPECT_FALSE(document.CanUndo() || document.CanRedo());
}

// Each change is kept in this program's recovery file until it is saved; a
// program that ended without saving or giving up its changes leaves it, and
// the next one offers it: No removes it, Yes opens the sheet changed and
// belonging to its own file, a sheet of a set within its set.
TEST_F(SheetDocumentTest, UnsavedChangesSurviveInTheRecoveryFileUntilSaved) {
    const std::string state = temp.File("state");
    const auto recoveries = [&] {
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(state))
            files += entry.path().extension() == ".recovery";
        return files;
    };
    const std::string single = Example(), setFile = MakeSet();
    const std::string set = temp.File("ev_Open 1.pscore");
    const std::pair<std::string, bool> cases[] = {{single, false}, {single, true}, {set, true}};
    for (const auto& [file, restore] : cases) {
        {
            zavgui::SheetDocument crashed(user, false);
            crashed.KeepRecoveryIn(state);
            file == set ? crashed.OpenSet(setFile) : crashed.OpenSheet(file);
            crashed.EditSheet().sTitle = "Typed";
            crashed.SheetChanged("title");
            EXPECT_EQ(recoveries(), 1);
            crashed.SaveSheet();
            EXPECT_EQ(recoveries(), 0);
            crashed.EditSheet().sTitle = "Typed again";
            crashed.SheetChanged("title");
        }
        ScriptedUser next;
        next.messages = zav::RecordingMessageSink(restore);
        zavgui::SheetDocument restarted(next, false);
        restarted.KeepRecoveryIn(state);
        EXPECT_EQ(restarted.OfferRecoveries(), restore);
        EXPECT_EQ(next.messages.questions.size(), 1u);
        EXPECT_EQ(recoveries(), restore ? 1 : 0);
        if (!restore) continue;
        EXPECT_EQ(restarted.State(), SheetState::Changed);
        EXPECT_EQ(restarted.SetSheetNames().size(), file == set ? 3u : 0u);
        restarted.SaveSheet();
        EXPECT_EQ(TitleIn(file), "Typed again");
        EXPECT_EQ(recoveries(), 0);
        restarted.EditSheet().sTitle = "Given up";
        restarted.SheetChanged("title");
        restarted.Ended();
        EXPECT_EQ(recoveries(), 0);
        EXPECT_TRUE(next.messages.messages.empty());
    }
}

// A recovery file older than its sheet's file (another program saved newer
// work since) is offered saying so, opening on No; restored, the sheet
// belongs to no file and its first save asks for a name, proposing the
// file's. A damaged recovery file is put aside with one message.
TEST_F(SheetDocumentTest, RestoringOverNewerWorkAsksForANewName) {
    const std::string state = temp.File("state"), single = Example();
    const std::string newer = TitleIn(single);
    {
        zavgui::SheetDocument crashed(user, false);
        crashed.KeepRecoveryIn(state);
        crashed.OpenSheet(single);
        crashed.EditSheet().sTitle = "Typed";
        crashed.SheetChanged("title");
    }
    // Saved ten seconds after the recovery file was written.
    std::filesystem::last_write_time(
        zav::NativePath(single),
        std::filesystem::file_time_type::clock::now() + std::chrono::seconds(10));
    zavtest::WriteFile(state + "/recovery-1-0.recovery", "ZAVscore recovery 2\nfolder=");
    ScriptedUser next;
    next.messages = zav::RecordingMessageSink(true);
    next.files = {temp.File("restored.score")};
    zavgui::SheetDocument restarted(next, false);
    restarted.KeepRecoveryIn(state);
    ASSERT_TRUE(restarted.OfferRecoveries());
    ASSERT_EQ(next.messages.questionKinds.size(), 1u);
    EXPECT_EQ(next.messages.questionKinds[0], zav::QuestionKind::Destructive);
    EXPECT_NE(next.messages.questions[0].find("was saved since"), std::string::npos);
    ASSERT_EQ(next.messages.messages.size(), 1u);
    EXPECT_NE(next.messages.messages[0].text.find(zav::DamagedFolder(state)), std::string::npos);
    restarted.SetSaveAutoOn(true);
    restarted.EditSheet().sSubTitle = "Automatic save has no file";
    restarted.SheetChanged("sub-title");
    EXPECT_TRUE(restarted.SaveSheet());
    EXPECT_EQ(next.choosers,
              std::vector<std::string>{"first:" + temp.Path() + "/heat-4-teams.score"});
    EXPECT_EQ(TitleIn(single), newer);
    EXPECT_EQ(TitleIn(temp.File("restored.score")), "Typed");
}

}  // namespace
