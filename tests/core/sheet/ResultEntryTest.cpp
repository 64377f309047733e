#include <gtest/gtest.h>

#include "sheet/ResultEntry.h"
#include "sheet/Scoring.h"

namespace zav {
namespace {

ScoreSheet SheetOf(int teams, int games) {
    ScoreSheet s;
    s.iTeamsNr = teams;
    s.iGamesNr = games;
    s.iScoring = teams;
    SetResultListPositions(s);
    return s;
}

TEST(ResultListTest, PlacesThenTheSpecialEntriesBothWays) {
    ScoreSheet s = SheetOf(4, 6);
    EXPECT_EQ(4, s.iRetElimin);
    EXPECT_EQ(5, s.iRetAbandon);
    EXPECT_EQ(6, s.iRetAbandonDef);
    // No result shows no entry, and no entry stores no result: a game not
    // run yet cannot be given places by an OK alone. A place beyond the
    // teams (a file written for a larger heat) cannot be shown either.
    for (int code : {kNoResult, 7}) EXPECT_EQ(-1, ResultListPosition(s, code)) << code;
    EXPECT_EQ(kNoResult, ResultCodeAt(s, -1));
    EXPECT_EQ(kAbandon, ResultCodeAt(s, 5));

    s = SheetOf(10, 12);
    for (int code : {1, 2, 5, 10, kElimination, kAbandon, kDefinitiveAbandon})
        EXPECT_EQ(code, ResultCodeAt(s, ResultListPosition(s, code))) << code;
}

TEST(GamesRunningTest, ProposalFollowsEntriesCorrectionsAndTieBreaks) {
    ScoreSheet s = SheetOf(4, 3);
    EXPECT_EQ(0, GameToPropose(s));
    for (int g = 0; g < 3; ++g) AfterGameResult(s);
    EXPECT_EQ(2, GameToPropose(s));  // last game again
    AfterGameResult(s);
    EXPECT_EQ(3, s.iGamesRunning);  // no further than the games number

    // Correcting an earlier game keeps the proposal.
    s = SheetOf(4, 6);
    s.iGamesRunning = 3;
    OnOtherGameChosen(s);
    AfterGameResult(s);
    EXPECT_EQ(3, s.iGamesRunning);
    s.iGamesRunning = 0;
    OnOtherGameChosen(s);
    EXPECT_EQ(0, s.iGamesRunning);

    s = SheetOf(4, 4);
    s.iGamesRunning = 4;
    AfterTieBreak(s);
    EXPECT_EQ(5, s.iGamesRunning);
    EXPECT_EQ(3, GameToPropose(s));
    s.iGamesRunning = -2;  // damaged file
    EXPECT_EQ(3, GameToPropose(s));
    EXPECT_EQ(0, GameToPropose(SheetOf(4, 0)));

    // A sheet read proposes the first game a team of the heat has no result
    // in; a finished one, its last game.
    s = SheetOf(3, 4);
    for (int t = 0; t < 3; ++t) s.iGamePlace[t][0] = s.iGamePlace[t][2] = t + 1;
    s.iGamePlace[1][1] = kAbandon;
    ProposeFirstGameToComplete(s);
    EXPECT_EQ(1, GameToPropose(s));
    for (int t = 0; t < 3; ++t) s.iGamePlace[t][1] = s.iGamePlace[t][3] = kElimination;
    ProposeFirstGameToComplete(s);
    EXPECT_EQ(4, s.iGamesRunning);
}

TEST(TieBreakChoiceTest, LevelTeamsChooseAmongTheirSharedPositions) {
    ScoreSheet s = SheetOf(4, 4);
    const int places[] = {1, 2, 2, 4};
    for (int t = 0; t < 4; ++t) s.iSetPlace[t] = places[t];

    const TieBreakChoice first = TieBreakChoiceFor(s, 0);
    EXPECT_FALSE(first.level);
    EXPECT_EQ(4u, first.entries.size());
    EXPECT_EQ(0, first.selected);  // shows "1"
    const TieBreakChoice last = TieBreakChoiceFor(s, 3);
    EXPECT_FALSE(last.level);
    EXPECT_EQ(3, last.selected);  // shows "4"

    const TieBreakChoice level = TieBreakChoiceFor(s, 1);
    EXPECT_TRUE(level.level);
    EXPECT_EQ((std::vector<int>{2, 3}), level.entries);
    EXPECT_EQ(0, level.selected);

    s.iTieBreakPlace[2] = 3;
    EXPECT_EQ(1, TieBreakChoiceFor(s, 2).selected);
    // A position stored before the results changed is not offered again.
    s.iTieBreakPlace[2] = 7;
    EXPECT_EQ(-1, TieBreakChoiceFor(s, 2).selected);

    // A stored position is matched whole, not as the prefix of a larger one.
    s = SheetOf(10, 4);
    for (int t = 0; t < 10; ++t) s.iSetPlace[t] = t + 1;
    s.iSetPlace[9] = 9;  // the last two level at 9: entries "9", "10"
    s.iTieBreakPlace[9] = 1;
    EXPECT_EQ((std::vector<int>{9, 10}), TieBreakChoiceFor(s, 9).entries);
    EXPECT_EQ(-1, TieBreakChoiceFor(s, 9).selected);
    s.iTieBreakPlace[9] = 10;
    EXPECT_EQ(1, TieBreakChoiceFor(s, 9).selected);

    // Three level teams from the scoring.
    s = SheetOf(4, 1);
    for (int t = 0; t < 4; ++t) s.iGamePlace[t][0] = t < 3 ? 1 : 4;
    ComputeScores(s);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), TieBreakChoiceFor(s, 2).entries);
    EXPECT_FALSE(TieBreakChoiceFor(s, 3).level);
    EXPECT_TRUE(TieBreakChoiceFor(s, 9).entries.empty());
}

TEST(PreviousScoreTextTest, WrittenZeroWholeOrDecimalReadLikeTheCLibrary) {
    const std::pair<float, const char*> written[] = {
        {0, "0"},        {10, " 10"},     {5, "  5"},    {7.5f, "7.5"},
        {12.5f, "12.5"}, {-3.5f, "-3.5"}, {1234, "1234"}};
    for (const auto& [value, text] : written) {
        EXPECT_EQ(text, PreviousScoreText(value));
        EXPECT_FLOAT_EQ(value, PreviousScoreFromText(PreviousScoreText(value)));
    }
    // Nine characters at most; whatever the user's locale, a comma ends the number.
    const std::pair<const char*, float> read[] = {
        {" 12.5", 12.5f}, {"abc", 0}, {"", 0}, {"7 points", 7}, {"1234567890", 123456789.f},
        {"12,5", 12}};
    for (const auto& [text, value] : read)
        EXPECT_FLOAT_EQ(value, PreviousScoreFromText(text)) << text;
    EXPECT_EQ(3, PlaceFromText("3"));
    EXPECT_EQ(0, PlaceFromText(""));
}

TEST(StaffRowsTest, AtLeastSixRowsThenOnePerTeam) {
    const std::pair<int, int> cases[] = {{4, 6}, {6, 6}, {8, 8}, {15, 10}};  // 15: damaged
    for (const auto& [teams, rows] : cases)
        EXPECT_EQ(rows, ARefereeRows(SheetOf(teams, 4))) << teams;
}

TEST(TeamLabelTest, NameAndColoursTheNameAloneOrNothing) {
    ScoreSheet s = SheetOf(3, 4);
    s.sTeamName[0] = "Orsay";
    s.sTeamColors[0] = "Bleu/Blanc";
    s.sTeamColors[1] = "Rouge";
    s.sTeamName[2] = "Lyon";
    EXPECT_EQ("Orsay     (Bleu/Blanc)", TeamLabel(s, 0));
    EXPECT_EQ("", TeamLabel(s, 1));
    EXPECT_EQ("Lyon", TeamLabel(s, 2));
}

}  // namespace
}  // namespace zav
