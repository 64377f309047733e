// Undo and redo over whole sheet states, the official standing with them.
#include <gtest/gtest.h>

#include <functional>

#include "history/ResultHistory.h"
#include "official/Standing.h"
#include "sheet/ResultEntry.h"
#include "sheet/TeamWithdrawal.h"
#include "sheetfile/SheetFile.h"
#include "support/TestFiles.h"
#include "undo/SheetHistory.h"

using namespace zav;

namespace {

// The heat as saved, its record aside: undo puts the heat back, the record
// only grows.
std::string FileOf(ScoreSheet sheet) {
    sheet.history.clear();
    return SheetFileBytes(sheet, Language::English);
}

}  // namespace

TEST(SheetHistory, AHeatUndoneAndRedoneSavesTheSameBytes) {
    ScoreSheet sheet;
    SheetHistory history;
    std::vector<std::string> files{FileOf(sheet)};
    const auto change = [&](const std::string& label, auto&& edit) {
        ScoreSheet before = sheet;
        edit();
        history.Record(std::move(before), label);
        files.push_back(FileOf(sheet));
    };
    const ScoreSheet full = zavtest::FullSampleSheet();
    change("general data", [&] {
        SetNewSheetDefaults(sheet);
        sheet.sTitle = full.sTitle;
    });
    change("teams", [&] { std::copy_n(full.sTeamName, kMaxTeams, sheet.sTeamName); });
    change("games", [&] { std::copy_n(full.sGame, kMaxGames, sheet.sGame); });
    for (int g = 0; g < 4; ++g)
        change("game " + std::to_string(g + 1), [&] {
            for (int t = 0; t < sheet.iTeamsNr; ++t) sheet.iGamePlace[t][g] = (t + g) % 4 + 1;
            sheet.bAvertissement[g][g] = true;
            AfterGameResult(sheet);
        });
    const std::string entered = files.back();
    sheet.sFullFileName = "/heats/saved.score";  // saved as another file in between

    for (const char* label : {"game 4", "game 3", "game 2"}) {
        EXPECT_EQ(history.UndoLabel(), label);
        ASSERT_TRUE(history.Undo(sheet, "", ""));
        EXPECT_EQ(history.RedoLabel(), label);
    }
    EXPECT_EQ(FileOf(sheet), files[files.size() - 4]);
    EXPECT_EQ(sheet.iGamesRunning, 1);
    EXPECT_EQ(sheet.sFullFileName, "/heats/saved.score");
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(history.Redo(sheet, "", ""));
    EXPECT_EQ(FileOf(sheet), entered);
    EXPECT_FALSE(history.Redo(sheet, "", ""));

    // A new change after an undo: what was undone cannot come back.
    ASSERT_TRUE(history.Undo(sheet, "", ""));
    history.Record(sheet, "tie-break");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.RedoLabel(), "");
    EXPECT_EQ(history.UndoSteps(), 7u);
}

TEST(SheetHistory, KeepsTheLastHundredSteps) {
    ScoreSheet sheet;
    SheetHistory history;
    for (int step = 1; step <= 130; ++step) {
        ScoreSheet before = sheet;
        sheet.sTitle = std::to_string(step);
        history.Record(std::move(before), sheet.sTitle);
    }
    EXPECT_EQ(history.UndoSteps(), SheetHistory::kDefaultLimit);
    while (history.Undo(sheet, "", "")) {
    }
    EXPECT_EQ(sheet.sTitle, "30");
    history.Clear();
    EXPECT_FALSE(history.CanUndo() || history.CanRedo());
}

// How the window and the arena change a sheet: what touches an official heat
// makes it provisional, in the same step, and the record follows.
TEST(SheetHistory, AChangeMakesAnOfficialHeatProvisionalAndItsUndoOfficialAgain) {
    ScoreSheet sheet = zavtest::Sample("small-heat.score");
    SheetHistory history;
    const auto step = [&](const std::string& label, const std::function<void()>& edit) {
        const ScoreSheet before = sheet;
        edit();
        if (TouchesOfficialHeat(before, sheet)) MakeProvisional(sheet);
        ChangeSource source;
        source.step = label;
        source.at = label;
        RecordChanges(before, sheet, source);
        history.Record(before, label);
    };
    step("made official", [&] { MakeOfficial(sheet, "2026-05-12 11:40:00"); });
    step("presentation", [&] {
        sheet.sTitle = "Final";
        sheet.sTeamColors[0] = "green";
        sheet.sGame[5] = "Sack race";
        sheet.sColSupContent[1] = "club";
        sheet.sPlaceurName[0] = "Luc";
    });
    EXPECT_TRUE(sheet.bOfficial);

    const ScoreSheet official = sheet;
    const std::function<void(ScoreSheet&)> rankingChanges[] = {
        [](ScoreSheet& s) { s.iGamePlace[1][2] = kElimination; },
        [](ScoreSheet& s) { s.bAvertissement[0][0] = true; },
        [](ScoreSheet& s) { s.iTieBreakPlace[0] = 1; },
        [](ScoreSheet& s) { s.fPreviousScore[3] = 2.5f; },
        [](ScoreSheet& s) { s.iScoring = 5; },
        [](ScoreSheet& s) { s.sTeamName[2] = "Charlie B"; },
        [](ScoreSheet& s) { WithdrawTeam(s, 3); },
    };
    ScoreSheet provisional = official;
    MakeProvisional(provisional);
    for (const auto& change : rankingChanges) {
        ScoreSheet changed = official;
        change(changed);
        EXPECT_TRUE(TouchesOfficialHeat(official, changed));
        EXPECT_FALSE(TouchesOfficialHeat(provisional, changed));
    }

    step("result of game 4", [&] { sheet.iGamePlace[0][3] = 1; });
    EXPECT_FALSE(sheet.bOfficial);
    EXPECT_EQ(sheet.sOfficialAt, "");
    ASSERT_TRUE(history.Undo(sheet, "Marie", "undo 1"));
    EXPECT_TRUE(sheet.bOfficial);
    EXPECT_EQ(sheet.sOfficialAt, "2026-05-12 11:40:00");
    EXPECT_EQ(sheet.iGamePlace[0][3], kNoResult);
    ASSERT_TRUE(history.Undo(sheet, "Marie", "undo 2"));
    ASSERT_TRUE(history.Undo(sheet, "Marie", "undo 3"));
    EXPECT_FALSE(sheet.bOfficial);
    ASSERT_TRUE(history.Redo(sheet, "Marie", "redo"));
    EXPECT_TRUE(sheet.bOfficial);

    // Every change and every undo, none taken out.
    std::vector<std::string> record;
    for (const HistoryEntry& entry : sheet.history)
        record.push_back(entry.at + ": " +
                         (entry.subject == HistorySubject::Game
                              ? "game " + std::to_string(entry.game + 1)
                          : entry.official ? "official"
                                           : "provisional") +
                         (entry.origin == HistoryOrigin::Window ? "" : " of " + entry.step));
    EXPECT_EQ(
        record,
        (std::vector<std::string>{
            "made official: official", "result of game 4: game 4", "result of game 4: provisional",
            "undo 1: game 4 of result of game 4", "undo 1: official of result of game 4",
            "undo 3: provisional of made official", "redo: official of made official"}));
}
