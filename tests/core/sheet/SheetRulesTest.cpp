// The reset, the new sheet, the clearing and coherence of the 'Challenge', the
// withdrawal of a team and the game catalogue rules.
#include <gtest/gtest.h>

#include "sheet/GameCatalogue.h"
#include "sheet/ResultEntry.h"
#include "sheet/TeamWithdrawal.h"
#include "texts/Texts.h"

namespace zav {
namespace {

TEST(SetDataToZero, ClearsInputsAndScoresButKeepsSetContext) {
    ScoreSheet s;
    s.sTitle = "Heat";
    s.iTeamsNr = 4;
    s.iGamesNr = 6;
    s.iScoring = 5;
    s.iEliminationRule = 1;
    s.iChallengeScoring = 3;
    s.bFlagAvertissement = 1;
    s.sFullFileName = "/a/b.score";
    s.sFilePath = "/a";
    s.bScoreSet = 1;
    s.sMultiFileOpen = "/a/x.pscore";
    s.languageSheet = Language::German;
    s.sTeamName[9] = "last";
    s.sPlaceurName[9] = "p";
    s.iGamePlace[9][11] = 3;
    s.fGameScore[9][11] = 3;
    s.fPreviousScoreSave[2] = 4;
    SetDataToZero(s);

    EXPECT_TRUE(s.sTitle.empty());
    EXPECT_EQ(s.iTeamsNr, 0);
    EXPECT_EQ(s.iScoring, 0);
    EXPECT_EQ(s.iChallengeScoring, 0);
    EXPECT_FALSE(s.bFlagAvertissement);
    EXPECT_TRUE(s.sFullFileName.empty());
    EXPECT_FALSE(s.bScoreSet);
    EXPECT_TRUE(s.sTeamName[9].empty());
    EXPECT_TRUE(s.sPlaceurName[9].empty());
    EXPECT_EQ(s.iGamePlace[9][11], 0);
    EXPECT_EQ(s.fGameScore[9][11], 0);
    // What a set or an open dialog still relies on stays.
    EXPECT_EQ(s.iEliminationRule, 1);
    EXPECT_EQ(s.sFilePath, "/a");
    EXPECT_EQ(s.sMultiFileOpen, "/a/x.pscore");
    EXPECT_EQ(s.languageSheet, Language::German);
    EXPECT_EQ(s.fPreviousScoreSave[2], 4);
}

ScoreSheet FiveTeams() {
    ScoreSheet s;
    s.iTeamsNr = 5;
    s.iGamesNr = 4;
    s.iScoring = 6;
    for (int t = 0; t < 5; ++t) {
        s.sTeamName[t] = "T" + std::to_string(t + 1);
        s.sTeamColors[t] = "C" + std::to_string(t + 1);
        s.bChallengeTeam[t] = t % 2;
        s.fPreviousScore[t] = t + 0.5f;
        s.fChallengePreviousScore[t] = t * 2.0f;
        s.iTieBreakPlace[t] = t;
        s.sColSupContent[t] = "X" + std::to_string(t + 1);
        s.sARefereeName[t] = "AR" + std::to_string(t + 1);
        s.sARefereeTeam[t] = "ART" + std::to_string(t + 1);
        s.sPlaceurName[t] = "AP" + std::to_string(t + 1);
        for (int g = 0; g < 4; ++g) s.bAvertissement[t][g] = (t + g) % 2;
    }
    s.sARefereeName[5] = "AR6";  // assistant referees past the teams
    s.sARefereeName[9] = "AR10";
    return s;
}

TEST(NewSheet, ProposesFourTeamsEightGamesAndFourPoints) {
    ScoreSheet s;
    SetNewSheetDefaults(s);
    EXPECT_EQ(s.iTeamsNr, 4);
    EXPECT_EQ(s.iGamesNr, 8);
    EXPECT_EQ(s.iScoring, 4);
}

TEST(Challenge, ClearedForTheTeamsOfTheHeatAndWarnedWhenTooManyTakePart) {
    ScoreSheet s;
    s.iTeamsNr = 3;
    s.iChallengeScoring = 2;
    s.sChallengeTitle = "Club Challenge";
    for (int t = 0; t < 4; ++t) {
        s.bChallengeTeam[t] = true;
        s.fChallengePreviousScore[t] = 5;
    }
    RecordingMessageSink sink;
    EXPECT_TRUE(WarnIfChallengeIncoherent(s, Reporter(Language::English, sink)));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, Text(Language::English, TextId::ChallengeIncoherent));
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    s.iChallengeScoring = 3;  // as many teams as points: coherent
    EXPECT_FALSE(ChallengeTeamsIncoherent(s));

    ClearChallenge(s);
    EXPECT_FALSE(ChallengeTeamsIncoherent(s));
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(!s.bChallengeTeam[t] && s.fChallengePreviousScore[t] == 0);
    EXPECT_TRUE(s.bChallengeTeam[3]) << "a row beyond the heat is left alone";
    EXPECT_EQ(s.sChallengeTitle, "");
}

TEST(WithdrawTeam, SecondOfFiveMovesTheOthersUp) {
    ScoreSheet s = FiveTeams();
    WithdrawTeam(s, 1);
    EXPECT_EQ(s.iTeamsNr, 4);
    EXPECT_EQ(s.iScoring, 5);
    const int from[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        const int n = from[i];
        EXPECT_EQ(s.sTeamName[i], "T" + std::to_string(n + 1));
        EXPECT_EQ(s.sTeamColors[i], "C" + std::to_string(n + 1));
        EXPECT_EQ(s.bChallengeTeam[i], n % 2);
        EXPECT_EQ(s.fPreviousScore[i], n + 0.5f);
        EXPECT_EQ(s.fChallengePreviousScore[i], n * 2.0f);
        EXPECT_EQ(s.iTieBreakPlace[i], n);
        EXPECT_EQ(s.sColSupContent[i], "X" + std::to_string(n + 1));
        EXPECT_EQ(s.sARefereeName[i], "AR" + std::to_string(n + 1));
        EXPECT_EQ(s.sARefereeTeam[i], "ART" + std::to_string(n + 1));
        EXPECT_EQ(s.sPlaceurName[i], "AP" + std::to_string(n + 1));
        for (int g = 0; g < 4; ++g) EXPECT_EQ(s.bAvertissement[i][g], (n + g) % 2);
    }
    EXPECT_EQ(s.sTeamName[4], "T5") << "the old last row stays until the next reset";
    // Staff rows past the teams move too: none is listed twice.
    EXPECT_EQ(s.sARefereeName[4], "AR6");
    EXPECT_EQ(s.sARefereeName[8] + "|" + s.sARefereeName[9], "AR10|");
    EXPECT_EQ(s.sPlaceurName[4], "");
}

TEST(WithdrawTeam, LastTeamOnlyLowersTheCountsAndOutOfRangeDoesNothing) {
    ScoreSheet s = FiveTeams();
    WithdrawTeam(s, 4);
    EXPECT_EQ(s.iTeamsNr, 4);
    EXPECT_EQ(s.iScoring, 5);
    EXPECT_EQ(s.sTeamName[3], "T4");
    WithdrawTeam(s, 4);
    WithdrawTeam(s, -1);
    EXPECT_EQ(s.iTeamsNr, 4);
}

TEST(HasAnyResult, LooksOnlyInsideTheSheet) {
    ScoreSheet s = FiveTeams();
    EXPECT_FALSE(HasAnyResult(s));
    s.iGamePlace[5][0] = 1;  // a row beyond the teams
    s.iGamePlace[0][4] = 1;  // a column beyond the games
    EXPECT_FALSE(HasAnyResult(s));
    s.iGamePlace[2][3] = kAbandon;
    EXPECT_TRUE(HasAnyResult(s));
}

TEST(RetireCesure, RemovesAtMostTwoBreakPointsNeverAtTheStart) {
    EXPECT_EQ(RetireCesure("Luft- ballon- stechen"), "Luftballonstechen");
    EXPECT_EQ(RetireCesure("Flaggen- rennen"), "Flaggenrennen");
    EXPECT_EQ(RetireCesure("a- b- c- d"), "abc- d");
    EXPECT_EQ(RetireCesure("- x"), "- x");
    EXPECT_EQ(RetireCesure("Bank race"), "Bank race");
    EXPECT_EQ(RetireCesure(""), "");
}

TEST(GameCatalogue, EveryLanguageHasFortyOneDistinctNamesThatSurviveTheBreakRoundTrip) {
    for (Language lang : kLanguages) {
        for (int k = 0; k < kCatalogueGameCount; ++k) {
            const std::string& name = Text(lang, CatalogueGame(k));
            EXPECT_EQ(AjouteCesure(RetireCesure(name), lang), name) << name;
            EXPECT_EQ(CatalogueGameOf(name, lang), CatalogueGame(k)) << name;
        }
    }
    EXPECT_EQ(AjouteCesure("My own game", Language::German), "My own game");
    EXPECT_FALSE(CatalogueGameOf("My own game", Language::English));
}

TEST(TranslateGameNames, CatalogueNamesFollowTheInterfaceLanguageOthersStay) {
    ScoreSheet s;
    s.iGamesNr = 3;
    s.sGame[0] = Text(Language::English, TextId::GameBangABalloon);
    s.sGame[1] = "Free text";
    s.sGame[2] = Text(Language::English, TextId::GameBallAndConeFr);
    s.sGame[3] = Text(Language::English, TextId::GameAgilityAces);  // beyond the games: untouched
    s.languageSheet = Language::English;
    TranslateGameNames(s, Language::German);
    EXPECT_EQ(s.sGame[0], Text(Language::German, TextId::GameBangABalloon));
    EXPECT_EQ(s.sGame[1], "Free text");
    EXPECT_EQ(s.sGame[2], Text(Language::German, TextId::GameBallAndConeFr));
    EXPECT_EQ(s.sGame[3], Text(Language::English, TextId::GameAgilityAces));
    EXPECT_EQ(s.languageSheet, Language::German);

    // An unknown file language translates nothing but takes the interface's.
    s.sGame[0] = Text(Language::English, TextId::GameBangABalloon);
    s.languageSheet.reset();
    TranslateGameNames(s, Language::French);
    EXPECT_EQ(s.sGame[0], Text(Language::English, TextId::GameBangABalloon));
    EXPECT_EQ(s.languageSheet, Language::French);
}

}  // namespace
}  // namespace zav
