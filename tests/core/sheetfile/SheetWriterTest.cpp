#include <gtest/gtest.h>

#include "core/report/PageInspect.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

using namespace zav;

namespace {

ScoreSheet SmallSheet() {
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
    s.bChallengeTeam[0] = 1;
    s.iGamePlace[0][0] = 1;
    s.iGamePlace[0][1] = 2;
    s.bAvertissement[0][1] = 1;
    s.sTeamName[1] = "Pony & Co";
    s.sTeamColors[1] = "blue";
    s.sColSupContent[1] = "C2";
    s.bChallengeTeam[1] = 1;
    s.fChallengePreviousScore[1] = 3.0f;
    s.iGamePlace[1][0] = kElimination;
    s.iGamePlace[1][1] = 1;
    s.iTieBreakPlace[1] = 1;
    s.sPlaceurName[0] = "Paul";
    // Rows and columns past the counts must not be written.
    s.sGame[2] = "unused game";
    s.sTeamName[2] = "unused team";
    return s;
}

const std::string kEmptyRefereeRow = "\t\t<ar_name></ar_name><ar_team></ar_team>\n";

}  // namespace

TEST(SheetWriter, WritesTheExactLayout) {
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n"
        "<zavscore xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:noNamespaceSchemaLocation=\"zavscore_sheet.xsd\">\n"
        "<header>\n"
        "<language>EN</language>\n"
        "<version>3.0</version>\n"
        "<title>Heat 1</title>\n"
        "<subtitle>Open</subtitle>\n"
        "<date>12/05/2024</date>\n"
        "<ampm>AM</ampm>\n"
        "<referee>J. Martin</referee>\n"
        "<teamsnr>2</teamsnr>\n"
        "<gamesnr>2</gamesnr>\n"
        "<scoring>3</scoring>\n"
        "<elimination>1</elimination>\n"
        "<colsuptitle></colsuptitle>\n"
        "<challenge_scoring>2</challenge_scoring>\n"
        "<challenge_title>Challenge</challenge_title>\n"
        "<gameslist>\n"
        "\t<game>Bank race</game>\n"
        "\t<game>Flag fliers</game>\n"
        "</gameslist>\n"
        "</header>\n"
        "<body>\n"
        "<team>\n"
        "\t<name>Les \xC9"
        "curies</name>\n"
        "\t<colors>red/white</colors>\n"
        "\t<prev_score>12.5</prev_score>\n"
        "\t<comment></comment>\n"
        "\t<challenge>1</challenge>\n"
        "\t<orders>\n"
        "\t\t<order>1</order>\n"
        "\t\t<order>2 A</order>\n"
        "\t</orders>\n"
        "</team>\n"
        "<team>\n"
        "\t<name>Pony &amp; Co</name>\n"
        "\t<colors>blue</colors>\n"
        "\t<prev_score>0.0</prev_score>\n"
        "\t<comment>C2</comment>\n"
        "\t<challenge>1</challenge>\n"
        "\t<challenge_prev_score>3.0</challenge_prev_score>\n"
        "\t<orders>\n"
        "\t\t<order>-2</order>\n"
        "\t\t<order>1</order>\n"
        "\t</orders>\n"
        "\t<tiebreak>1</tiebreak>\n"
        "</team>\n"
        "<staff>\n"
        "\t<assistant_referee>\n" +
        kEmptyRefereeRow + kEmptyRefereeRow + kEmptyRefereeRow + kEmptyRefereeRow +
        kEmptyRefereeRow + kEmptyRefereeRow +
        "\t</assistant_referee>\n"
        "\t<arena_party>\n"
        "\t\t<ap_name>Paul</ap_name>\n"
        "\t\t<ap_name></ap_name>\n"
        "\t</arena_party>\n"
        "</staff>\n"
        "</body>\n"
        "</zavscore>\n";
    EXPECT_EQ(SheetFileBytes(SmallSheet(), Language::English), expected);
}

TEST(SheetWriter, OptionalElementsFollowTheirConditions) {
    ScoreSheet s = SmallSheet();
    s.iChallengeScoring = 0;
    s.bChallengeTeam[0] = false;
    s.bChallengeTeam[1] = false;
    s.iTieBreakPlace[1] = 0;
    s.sPlaceurName[0].clear();
    const std::string bytes = SheetFileBytes(s, Language::French);
    EXPECT_NE(bytes.find("<language>FR</language>\n"), std::string::npos);
    for (const char* absent : {"challenge", "<tiebreak>", "<staff>", "<multi>"})
        EXPECT_EQ(bytes.find(absent), std::string::npos) << absent;

    s.bScoreSet = true;
    s.sMScoreOpen = "/events/spring.mscore";
    EXPECT_NE(SheetFileBytes(s, Language::Italian)
                  .find("<language>IT</language>\n<version>3.0</version>\n"
                        "<multi>/events/spring.mscore</multi>\n<title>"),
              std::string::npos);

    // A staff text in a row past those written still makes the element appear.
    s.sARefereeTeam[9] = "Club";
    EXPECT_NE(SheetFileBytes(s, Language::French).find("<staff>"), std::string::npos);
}

TEST(SheetWriter, StaffRowsFollowTheTeamCount) {
    // Below six teams the exact layout above shows six and one per team.
    ScoreSheet s = SmallSheet();
    s.iTeamsNr = 8;
    const std::string bytes = SheetFileBytes(s, Language::English);
    EXPECT_EQ(zavtest::CountOf(bytes, "\t\t<ar_name>"), 8);
    EXPECT_EQ(zavtest::CountOf(bytes, "\t\t<ap_name>"), 8);
}

TEST(SheetWriter, ChoosesUtf8OnlyWhenWindows1252CannotHoldATextAndEscapesMarkup) {
    ScoreSheet s = SmallSheet();
    s.sTitle = "Prix €uro — café";  // all in Windows-1252
    std::string bytes = SheetFileBytes(s, Language::English);
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n", 0), 0u);
    EXPECT_NE(bytes.find("<title>Prix \x80uro \x97 caf\xE9</title>"), std::string::npos);

    s.sReferee = "Łukasz → <b>";  // Ł and → are not
    bytes = SheetFileBytes(s, Language::English);
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
    EXPECT_NE(bytes.find("<title>Prix €uro — café</title>"), std::string::npos);
    EXPECT_NE(bytes.find("<referee>Łukasz → &lt;b&gt;</referee>"), std::string::npos);

    // An invalid byte in memory is written as the character a reader makes of it.
    s.sDate = "12\xB0";
    EXPECT_NE(SheetFileBytes(s, Language::English).find("<date>12°</date>"), std::string::npos);
}
