// Undo and redo over whole sheet states.
#include <gtest/gtest.h>

#include "sheet/ResultEntry.h"
#include "sheetfile/SheetFile.h"
#include "support/TestFiles.h"
#include "undo/SheetHistory.h"

using namespace zav;

namespace {

std::string FileOf(const ScoreSheet& sheet) {
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
        ASSERT_TRUE(history.Undo(sheet));
        EXPECT_EQ(history.RedoLabel(), label);
    }
    EXPECT_EQ(FileOf(sheet), files[files.size() - 4]);
    EXPECT_EQ(sheet.iGamesRunning, 1);
    EXPECT_EQ(sheet.sFullFileName, "/heats/saved.score");
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(history.Redo(sheet));
    EXPECT_EQ(FileOf(sheet), entered);
    EXPECT_FALSE(history.Redo(sheet));

    // A new change after an undo: what was undone cannot come back.
    ASSERT_TRUE(history.Undo(sheet));
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
    while (history.Undo(sheet)) {
    }
    EXPECT_EQ(sheet.sTitle, "30");
    history.Clear();
    EXPECT_FALSE(history.CanUndo() || history.CanRedo());
}
