// The writer's one layout, byte for byte, in its two encodings, and the reader
// giving back every field it stores: reading a file we wrote and writing it
// again makes the very same bytes.
#include <gtest/gtest.h>

#include "sheetfile/SheetFile.h"
#include "support/Golden.h"

namespace zav {
namespace {

ScoreSheet TwoTeams() {
    ScoreSheet s;
    s.sTitle = "Heat 1";
    s.sSubTitle = "Open";
    s.sDate = "12/05/2024";
    s.sAmPm = "AM";
    s.sReferee = "J. Martin";
    s.iTeamsNr = 2;
    s.iGamesNr = 2;
    s.iScoring = 3;
    s.iEliminationRule = 1;
    s.iChallengeScoring = 2;
    s.sChallengeTitle = "Challenge";
    s.sGame[0] = "Bank race";
    s.sGame[1] = "Flag fliers";
    s.sTeamName[0] = "Les Écuries";
    s.sTeamColors[0] = "red/white";
    s.fPreviousScore[0] = 12.5f;
    s.bChallengeTeam[0] = s.bChallengeTeam[1] = true;
    s.iGamePlace[0][0] = 1;
    s.iGamePlace[0][1] = 2;
    s.bAvertissement[0][1] = true;
    s.sTeamName[1] = "Pony & Co";
    s.sTeamColors[1] = "blue";
    s.sColSupContent[1] = "C2";
    s.fChallengePreviousScore[1] = 3.0f;
    s.iGamePlace[1][0] = kElimination;
    s.iGamePlace[1][1] = 1;
    s.iTieBreakPlace[1] = 1;
    s.sPlaceurName[0] = "Paul";
    s.sGame[2] = "unused game";  // rows and columns past the counts are not written
    s.sTeamName[2] = "unused team";
    return s;
}

TEST(SheetWriter, WritesTheExactLayout) {
    zavtest::ExpectGolden("core/sheetfile/golden/two-teams.score",
                          SheetFileBytes(TwoTeams(), Language::English));

    // A sheet of a set in UTF-8 (texts beyond Windows-1252; an invalid byte
    // is written as the character a reader makes of it), one staff row per
    // team beyond six, without 'Challenge' or tie-break.
    ScoreSheet s = TwoTeams();
    s.iTeamsNr = 8;
    s.iChallengeScoring = 0;
    s.bChallengeTeam[0] = s.bChallengeTeam[1] = false;
    s.iTieBreakPlace[1] = 0;
    s.bScoreSet = true;
    s.sMScoreOpen = "/events/spring.mscore";
    s.sTitle = "Prix €uro — café";
    s.sReferee = "Łukasz → <b>";
    s.sDate = "12\xB0";
    zavtest::ExpectGolden("core/sheetfile/golden/set-sheet-utf8.pscore",
                          SheetFileBytes(s, Language::Italian));

    // Without staff names no staff element, unless a name is in a row past
    // those written.
    s.sPlaceurName[0].clear();
    EXPECT_EQ(SheetFileBytes(s, Language::French).find("<staff>"), std::string::npos);
    s.sARefereeTeam[9] = "Club";
    EXPECT_NE(SheetFileBytes(s, Language::French).find("<staff>"), std::string::npos);
}

TEST(SheetWriter, EveryStoredFieldReadsBack) {
    const struct {
        const char* file;
        Language language;
    } files[] = {{"core/sheetfile/golden/two-teams.score", Language::English},
                 {"core/sheetfile/golden/set-sheet-utf8.pscore", Language::Italian},
                 {"data/full-heat.score", Language::English}};  // ten teams, twelve games
    for (const auto& f : files) {
        ScoreSheet read;
        read.sTitle = "left over from the previous sheet";
        read.sFullFileName = "/old/path.score";
        RecordingMessageSink messages;
        ASSERT_TRUE(LoadSheet(read, zavtest::TestFile(f.file), Reporter(f.language, messages)));
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(read.languageSheet, f.language);
        EXPECT_TRUE(read.sFullFileName.empty());  // the reset ran; callers set the identity
        read.sMScoreOpen = read.sScoreSetFileName;
        EXPECT_EQ(SheetFileBytes(read, f.language), zavtest::ReadFile(zavtest::TestFile(f.file)))
            << f.file;
    }
}

}  // namespace
}  // namespace zav
