// The reset, the new sheet, the clearing and coherence of the 'Challenge', the
// withdrawal of a team and the game catalogue rules.
#include <gtest/gtest.h>

#include "sheet/GameCatalogue.h"
#include "sheet/ResultEntry.h"
#include "sheet/Scoring.h"
#include "sheet/TeamWithdrawal.h"
#include "support/TestFiles.h"

namespace zav {
namespace {

TEST(SetDataToZero, ClearsEveryFieldButWhatTheSetAndTheDialogsRelyOn) {
    ScoreSheet s = zavtest::Sample("full-heat.score");
    ComputeScores(s);
    ComputeChallengeScores(s);
    s.iGamesRunning = 5;
    s.bFlagAvertissement = true;
    s.sFullFileName = "/a/b.score";
    s.sFileName = "b.score";
    s.bScoreSet = true;
    s.sARefereeName[9] = s.sARefereeTeam[9] = s.sPlaceurName[9] = "staff";
    ScoreSheet kept;
    kept.languageSheet = s.languageSheet = Language::German;
    kept.iEliminationRule = s.iEliminationRule = 1;
    kept.sFilePath = s.sFilePath = "/a";
    kept.sMultiFileOpen = s.sMultiFileOpen = "/a/x.pscore";
    kept.fPreviousScoreSave[2] = s.fPreviousScoreSave[2] = 4;
    SetDataToZero(s);

    EXPECT_EQ(s.iTeamsNr + s.iGamesNr + s.iGamesRunning, 0);
    EXPECT_TRUE(!s.bFlagAvertissement && s.sFullFileName.empty() && s.sFileName.empty());
    EXPECT_EQ(s.languageSheet, kept.languageSheet);
    EXPECT_EQ(s.sFilePath + s.sMultiFileOpen, kept.sFilePath + kept.sMultiFileOpen);
    EXPECT_EQ(s.fPreviousScoreSave[2], 4);
    // Every stored field of every row and column, as the file would hold it.
    s.iTeamsNr = kept.iTeamsNr = kMaxTeams;
    s.iGamesNr = kept.iGamesNr = kMaxGames;
    EXPECT_EQ(SheetFileBytes(s, Language::English), SheetFileBytes(kept, Language::English));
    for (int t = 0; t < kMaxTeams; ++t) {
        EXPECT_EQ(s.fSetScore[t] + s.fTotalScore[t] + s.iSetPlace[t], 0) << t;
        EXPECT_EQ(s.fChallengeSetScore[t] + s.fChallengeTotalScore[t], 0) << t;
        for (int g = 0; g < kMaxGames; ++g)
            EXPECT_EQ(s.fGameScore[t][g] + s.fChallengeGameScore[t][g], 0) << t << "," << g;
    }
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

// Every field of a team row holds the row's number, so moved rows show where
// they came from.
TEST(WithdrawTeam, TheOthersMoveUpAndTheCountsGoDown) {
    ScoreSheet s;
    s.iTeamsNr = 5;
    s.iGamesNr = 4;
    s.iScoring = 6;
    for (int t = 0; t < 5; ++t) {
        s.sTeamName[t] = s.sTeamColors[t] = s.sColSupContent[t] = std::to_string(t);
        s.sARefereeName[t] = s.sARefereeTeam[t] = s.sPlaceurName[t] = std::to_string(t);
        s.bChallengeTeam[t] = t % 2;
        s.fPreviousScore[t] = s.fChallengePreviousScore[t] = static_cast<float>(t);
        s.iTieBreakPlace[t] = t;
        for (int g = 0; g < 4; ++g) {
            s.bAvertissement[t][g] = (t + g) % 2;
            s.iGamePlace[t][g] = t + g;
        }
    }
    s.sARefereeName[5] = "5";  // assistant referees past the teams
    s.sARefereeName[9] = s.sARefereeTeam[9] = s.sPlaceurName[9] = "9";
    ScoreSheet before = s;
    WithdrawTeam(s, 1);
    EXPECT_EQ(s.iTeamsNr, 4);
    EXPECT_EQ(s.iScoring, 5);
    for (int i = 0; i < 4; ++i) {
        const int n = i == 0 ? 0 : i + 1;
        const std::string row = std::to_string(n);
        EXPECT_EQ(s.sTeamName[i] + s.sTeamColors[i] + s.sColSupContent[i], row + row + row);
        EXPECT_EQ(s.sARefereeName[i] + s.sARefereeTeam[i] + s.sPlaceurName[i], row + row + row);
        EXPECT_EQ(s.bChallengeTeam[i], n % 2);
        EXPECT_EQ(s.fPreviousScore[i] + s.fChallengePreviousScore[i], 2 * n);
        EXPECT_EQ(s.iTieBreakPlace[i], n);
        for (int g = 0; g < 4; ++g) {
            EXPECT_EQ(s.bAvertissement[i][g], (n + g) % 2);
            EXPECT_EQ(s.iGamePlace[i][g], n + g);
        }
    }
    EXPECT_EQ(s.sTeamName[4], "4") << "the old last row stays until the next reset";
    // Staff rows past the teams move too, and the last is emptied: none is
    // listed twice.
    EXPECT_EQ(s.sARefereeName[4] + "|" + s.sARefereeName[8] + s.sARefereeTeam[8] +
                  s.sPlaceurName[8] + "|" + s.sARefereeName[9] + s.sARefereeTeam[9] +
                  s.sPlaceurName[9],
              "5|999|");
    EXPECT_EQ(s.sPlaceurName[4], "");

    // The last team only lowers the counts; a row outside does nothing.
    s = before;
    WithdrawTeam(s, 4);
    EXPECT_EQ(s.iTeamsNr, 4);
    EXPECT_EQ(s.sTeamName[3], "3");
    WithdrawTeam(s, 4);
    WithdrawTeam(s, -1);
    EXPECT_EQ(s.iTeamsNr, 4);

    // Results only count inside the heat.
    s = before;
    for (int t = 0; t < kMaxTeams; ++t)
        for (int g = 0; g < kMaxGames; ++g) s.iGamePlace[t][g] = t >= 5 || g >= 4;
    EXPECT_FALSE(HasAnyResult(s));
    s.iGamePlace[4][3] = kAbandon;
    EXPECT_TRUE(HasAnyResult(s));
    s.iGamePlace[4][3] = 0;
    s.iGamePlace[0][0] = 2;  // the first team's first game
    EXPECT_TRUE(HasAnyResult(s));
}

TEST(GameCatalogue, BreakPointsAndNamesInEveryLanguage) {
    const std::pair<const char*, const char*> retired[] = {
        {"Luft- ballon- stechen", "Luftballonstechen"},
        {"a- b- c- d", "abc- d"},
        {"- x", "- x"},
        {"Bank race", "Bank race"},
        {"", ""}};
    for (const auto& [name, shown] : retired) EXPECT_EQ(RetireCesure(name), shown) << name;

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

TEST(GameCatalogue, CatalogueNamesFollowTheInterfaceLanguageOthersStay) {
    ScoreSheet s;
    s.iGamesNr = 3;
    const TextId games[] = {TextId::GameBangABalloon, TextId::GameBallAndConeFr};
    s.sGame[0] = Text(Language::English, games[0]);
    s.sGame[1] = "Free text";
    s.sGame[2] = Text(Language::English, games[1]);
    s.sGame[3] = Text(Language::English, TextId::GameAgilityAces);  // beyond the games: untouched
    s.languageSheet = Language::English;
    TranslateGameNames(s, Language::German);
    EXPECT_EQ(s.sGame[0], Text(Language::German, games[0]));
    EXPECT_EQ(s.sGame[1], "Free text");
    EXPECT_EQ(s.sGame[2], Text(Language::German, games[1]));
    EXPECT_EQ(s.sGame[3], Text(Language::English, TextId::GameAgilityAces));
    EXPECT_EQ(s.languageSheet, Language::German);

    // An unknown file language translates nothing but takes the interface's.
    s.sGame[0] = Text(Language::English, games[0]);
    s.languageSheet.reset();
    TranslateGameNames(s, Language::French);
    EXPECT_EQ(s.sGame[0], Text(Language::English, games[0]));
    EXPECT_EQ(s.languageSheet, Language::French);
}

}  // namespace
}  // namespace zav
