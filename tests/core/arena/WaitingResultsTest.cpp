// "Accept at once" takes only what changes nothing the scorer or another
// judge entered, for the sheet on screen, in a heat not made official, and
// nothing while a dialog is open.
#include <gtest/gtest.h>

#include "arena/AcceptedResults.h"
#include "arena/WaitingResults.h"
#include "core/report/PageTesting.h"

namespace zav {
namespace {

FinishLineResult Sent(int id, int game, const std::string& sheetKey = "heat") {
    FinishLineResult result;
    result.id = id;
    result.game = game;
    result.sheetKey = sheetKey;
    for (int t = 0; t < 4; ++t) result.codes[t] = t + 1;
    return result;
}

TEST(WaitingResults, AcceptedAtOnceOnlyWhenNothingStandsInTheWay) {
    const ScoreSheet sheet = zavtest::Sample("small-heat.score");  // games 1 to 3 entered
    WaitingResults queue;
    queue.Arrive({Sent(1, 3), Sent(2, 0), Sent(3, 4, "other"), Sent(4, 5), Sent(5, 5)}, true);

    // Held while a dialog is open, then judged.
    EXPECT_FALSE(queue.NextToAccept(sheet, "heat", true));
    const auto first = queue.NextToAccept(sheet, "heat", false);
    ASSERT_TRUE(first);
    EXPECT_EQ(queue.Take(*first).id, 1);
    // Game 1 has a result, "other" is not on screen, two judges sent game 6:
    // all wait for the scorer, marked, and are not proposed again.
    EXPECT_FALSE(queue.NextToAccept(sheet, "heat", false));
    ASSERT_EQ(queue.Results().size(), 4u);
    EXPECT_EQ(queue.MarkOf(0, sheet, "heat"), WaitingMark::GameHasResult);
    EXPECT_EQ(queue.MarkOf(1, sheet, "heat"), WaitingMark::OtherSheet);
    EXPECT_EQ(queue.MarkOf(2, sheet, "heat"), WaitingMark::SameGameWaiting);
    queue.Take(3);
    EXPECT_EQ(queue.MarkOf(2, sheet, "heat"), WaitingMark::None);
    EXPECT_FALSE(queue.NextToAccept(sheet, "heat", false));

    // Without "accept at once" nothing goes in by itself.
    queue.Arrive({Sent(6, 4)}, false);
    EXPECT_FALSE(queue.NextToAccept(sheet, "heat", false));

    // Nor into an official heat: the scorer is asked first.
    ScoreSheet official = sheet;
    official.bOfficial = true;
    queue.Arrive({Sent(7, 3)}, true);
    EXPECT_EQ(queue.MarkOf(4, official, "heat"), WaitingMark::HeatOfficial);
    EXPECT_FALSE(queue.NextToAccept(official, "heat", false));
}

// The game as it stood once accepted: an undo takes the result back, a redo
// brings it back; a blame counts, and another sheet's results are left alone.
TEST(AcceptedResults, FollowTheirGameThroughUndoAndRedo) {
    ScoreSheet sheet = zavtest::Sample("small-heat.score");
    const ScoreSheet before = sheet;
    ApplyResult(Sent(7, 3), sheet);
    AcceptedResults accepted;
    accepted.Accepted(7, 3, "heat", sheet);
    const ScoreSheet after = sheet;
    EXPECT_TRUE(accepted.Follow(sheet, "heat").empty());
    using Changes = std::vector<std::pair<int, FinishLineStatus>>;
    EXPECT_EQ(accepted.Follow(before, "heat"), (Changes{{7, FinishLineStatus::Undone}}));
    EXPECT_TRUE(accepted.Follow(before, "heat").empty());
    EXPECT_TRUE(accepted.Follow(after, "other").empty());
    EXPECT_EQ(accepted.Follow(after, "heat"), (Changes{{7, FinishLineStatus::Accepted}}));
    sheet.bAvertissement[2][3] = true;
    EXPECT_EQ(accepted.Follow(sheet, "heat"), (Changes{{7, FinishLineStatus::Undone}}));
}

}  // namespace
}  // namespace zav
