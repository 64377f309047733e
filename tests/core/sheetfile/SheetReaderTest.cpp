// The reader on files other writers made: what it takes, bounds and refuses.
// Our own files reading back whole is the writer test's.
#include <gtest/gtest.h>

#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

namespace zav {
namespace {

// A minimal foreign-looking file around the given header and body lines.
std::string File(
    const std::string& header, const std::string& body,
    const std::string& declaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>") {
    return declaration + "\n<zavscore>\n<header>\n<language>EN</language>\n" + header +
           "</header>\n<body>\n" + body + "</body>\n</zavscore>\n";
}

std::string Team(const std::string& inside) {
    return "<team>" + inside + "</team>\n";
}
std::string Orders(const std::string& orders) {
    std::string text = "<orders>";
    for (std::size_t from = 0, to; from < orders.size(); from = to + 1) {
        to = std::min(orders.find(',', from), orders.size());
        text += "<order>" + orders.substr(from, to - from) + "</order>\n";
    }
    return text + "</orders>";
}

// One team's row as read: name, colors, points brought, 'Challenge' and its
// points, tie-break, then each game's code with "!" for a blame.
std::string Row(const ScoreSheet& s, int t, int games) {
    std::string row = s.sTeamName[t] + "|" + s.sTeamColors[t] + "|" +
                      std::to_string(static_cast<int>(10 * s.fPreviousScore[t])) + "|" +
                      std::to_string(s.bChallengeTeam[t]) +
                      std::to_string(static_cast<int>(10 * s.fChallengePreviousScore[t])) + "|" +
                      std::to_string(s.iTieBreakPlace[t]) + "|";
    for (int g = 0; g < games; ++g)
        row += std::to_string(s.iGamePlace[t][g]) + (s.bAvertissement[t][g] ? "!" : "") + " ";
    return row;
}

class SheetReader : public ::testing::Test {
protected:
    bool Parse(const std::string& bytes, Language language = Language::English) {
        sheet = ScoreSheet();
        messages.messages.clear();
        return ParseSheet(sheet, bytes, Reporter(language, messages));
    }
    ScoreSheet sheet;
    RecordingMessageSink messages;
};

// Values stay inside their own team block: a missing one is not taken from
// the next team's, and when the text holds no further order at all the
// remaining teams stay empty.
TEST_F(SheetReader, TeamBlocksResultCodesAndBlames) {
    ASSERT_TRUE(Parse(
        File("<teamsnr>3</teamsnr>\n<gamesnr>5</gamesnr>\n",
             Team("<name>One</name><prev_score>1.5</prev_score>" + Orders("1,2")) +
                 Team("<colors>green</colors><challenge>yes</challenge><challenge_prev_score> 4.5"
                      "</challenge_prev_score>" +
                      Orders("3,1,2") + "<tiebreak>2</tiebreak>") +
                 Team("<name>Three</name>" + Orders("3 A,-2,  -3A,A,x")))));
    EXPECT_EQ(Row(sheet, 0, 5), "One||15|00|0|1 2 0 0 0 ");
    EXPECT_EQ(Row(sheet, 1, 5), "|green|0|145|2|3 1 2 0 0 ");
    EXPECT_EQ(Row(sheet, 2, 5), "Three||0|00|0|3! " + std::to_string(kElimination) + " " +
                                    std::to_string(kDefinitiveAbandon) + "! 0! 0 ");
    ASSERT_TRUE(Parse(File("<teamsnr>2</teamsnr>\n<gamesnr>2</gamesnr>\n",
                           Team("<name>A</name>" + Orders("1")) + Team("<name>B</name>"))));
    EXPECT_EQ(sheet.sTeamName[0] + "|" + sheet.sTeamName[1], "A|");
}

TEST_F(SheetReader, CountsAreClampedToTheRecordAndNumbersBounded) {
    std::string teams;
    for (int t = 0; t < 12; ++t)
        teams += Team("<name>T" + std::to_string(t) + "</name>" + Orders("1"));
    const struct {
        const char *teamsnr, *gamesnr;
        int teams, games;
    } cases[] = {{"99", "13", kMaxTeams, kMaxGames},
                 {"-5", "-1", 0, 0},
                 {"99999999999999999999", "-99999999999999999999", kMaxTeams, 0},
                 {" 7 teams", "+4", 7, 4}};
    for (const auto& c : cases) {
        ASSERT_TRUE(
            Parse(File(std::string("<teamsnr>") + c.teamsnr + "</teamsnr><gamesnr>" + c.gamesnr +
                           "</gamesnr>\n<gameslist><game>g</game></gameslist>\n",
                       teams)));
        EXPECT_EQ(sheet.iTeamsNr, c.teams) << c.teamsnr;
        EXPECT_EQ(sheet.iGamesNr, c.games) << c.gamesnr;
        // No team block is read past the count.
        EXPECT_EQ(sheet.sTeamName[std::min(c.teams, kMaxTeams - 1)],
                  c.teams == kMaxTeams ? "T9" : "");
    }

    // Bounded where read, so that scoring never overflows (the sanitizer
    // build aborts on an overflow).
    const std::string low = "-2147483648", high = "99999999999";
    ASSERT_TRUE(Parse(File("<teamsnr>2</teamsnr><gamesnr>1</gamesnr><scoring>" + low +
                               "</scoring><elimination>" + high +
                               "</elimination>"
                               "<challenge_scoring>" +
                               low + "</challenge_scoring>\n",
                           Team("<name>A</name><challenge>1</challenge>" + Orders(high) +
                                "<tiebreak>" + low + "</tiebreak>") +
                               Team("<name>B</name><challenge>1</challenge>" + Orders("-1")))));
    EXPECT_EQ((std::vector<int>{sheet.iScoring, sheet.iEliminationRule, sheet.iChallengeScoring,
                                sheet.iGamePlace[0][0], sheet.iTieBreakPlace[0]}),
              (std::vector<int>{-kMaxSheetNumber, kMaxSheetNumber, -kMaxSheetNumber,
                                kMaxSheetNumber, -kMaxSheetNumber}));
    ComputeScores(sheet);
    ComputeChallengeScores(sheet);
}

TEST_F(SheetReader, RefusesFilesWithoutEncodingRootOrLanguage) {
    EXPECT_TRUE(Parse(File("", "")));
    const std::string refused[] = {
        File("", "", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"),
        File("", "", "<?xml version=\"1.0\" encoding=\"utf-8\"?>"),  // the mark is case-sensitive
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sheet><language>EN</language></sheet>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<zavscore><title>x</title></zavscore>", ""};
    for (const std::string& bytes : refused) {
        EXPECT_FALSE(Parse(bytes, Language::French)) << bytes;
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, Text(Language::French, TextId::UnknownEncoding));
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
    }
}

TEST_F(SheetReader, DecodesTextsByTheDeclaredEncodingAndMarkup) {
    const std::string mixed = "<title>caf\xE9 \x80 \xC3\xA9 UTF-8</title>";
    const struct {
        std::string bytes, title;
    } cases[] = {
        // Windows-1252 even though the title mentions UTF-8 and holds UTF-8
        // bytes, with either quote and spaces around the sign.
        {File(mixed, ""), "café € Ã© UTF-8"},
        {File(mixed, "", "<?xml version='1.0' encoding = 'iso-8859-1'?>"), "café € Ã© UTF-8"},
        // The declared name in any case; the other encoding's name in a text
        // gives the mark.
        {File("<title>\xC3\xA9 iso-8859-1</title>", "",
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>"),
         "é iso-8859-1"},
        {File("<title>\xC3\xA9 iso-8859-1</title>", "", "<?xml version=\"1.0\" encoding=\"\"?>"),
         "Ã© iso-8859-1"},
        // UTF-8, with a stray Windows-1252 byte taken for its character.
        {File("<title>café \xE9t\xC3</title>", "", "<?xml version='1.0' encoding='UTF-8'?>"),
         "café étÃ"},
        // No declaration: the marks decide.
        {"<zavscore><language>EN</language><title>\xC3\xA9</title>UTF-8</zavscore>", "é"},
        {"<zavscore><language>EN</language><title>\xC3\xA9</title>iso-8859-1</zavscore>", "Ã©"},
        // Escaped markup is read back; raw ampersands of older files stay.
        {File("<title>Fish & Chips &unknown; R&D &amp; &</title>", ""),
         "Fish & Chips &unknown; R&D & &"},
        {File("<title>&lt;&#233;&#xE9;&quot;&apos;&gt; &#0; &#xD800;</title>", ""),
         "<éé\"'> &#0; &#xD800;"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(Parse(c.bytes)) << c.bytes;
        EXPECT_EQ(sheet.sTitle, c.title);
    }
}

TEST_F(SheetReader, FirstHeaderOccurrenceWinsAndStaffRowsStopAtAGap) {
    ASSERT_TRUE(Parse(
        File("<title>first</title>\n<title>second</title>\n<teamsnr>1</teamsnr>\n",
             "<staff>\n<ar_name>R1</ar_name><ar_team>C1</ar_team>\n"
             "<ar_name>R2</ar_name>\n<ap_name>P1</ap_name>\n<ap_name>P2</ap_name>\n</staff>\n")));
    EXPECT_EQ(sheet.sTitle, "first");
    // No <ar_team> follows R2; arena party rows are not bounded by the teams
    // and stop where the file does.
    EXPECT_EQ(sheet.sARefereeName[0] + sheet.sARefereeTeam[0] + "|" + sheet.sARefereeName[1] + "|" +
                  sheet.sPlaceurName[1] + "|" + sheet.sPlaceurName[2],
              "R1C1||P2|");

    // Rows beyond the sheet's ten are not read.
    std::string rows;
    for (int k = 1; k <= kStaffRows + 1; ++k) {
        const std::string n = std::to_string(k);
        rows += "<ar_name>R" + n + "</ar_name><ar_team>T" + n + "</ar_team><ap_name>P" + n +
                "</ap_name>\n";
    }
    ASSERT_TRUE(Parse(File("", "<staff>\n" + rows + "</staff>\n")));
    for (int k = 0; k < kStaffRows; ++k) {
        const std::string n = std::to_string(k + 1);
        EXPECT_EQ(sheet.sARefereeName[k] + sheet.sARefereeTeam[k] + sheet.sPlaceurName[k],
                  "R" + n + "T" + n + "P" + n);
    }
    EXPECT_EQ(sheet.sFullFileName, "");  // nothing written past the rows
}

TEST_F(SheetReader, SetMarkerAndCatalogueGamesInTheInterfaceLanguage) {
    ASSERT_TRUE(Parse(File("<multi>C:\\events\\spring.mscore</multi>\n", "")));
    EXPECT_TRUE(sheet.bScoreSet);
    EXPECT_EQ(sheet.sScoreSetFileName, "C:\\events\\spring.mscore");
    sheet.sScoreSetFileName = "kept";
    ASSERT_TRUE(ParseSheet(sheet, File("", ""), Reporter(Language::English, messages)));
    EXPECT_FALSE(sheet.bScoreSet);
    EXPECT_EQ(sheet.sScoreSetFileName, "kept");

    ASSERT_TRUE(
        Parse(File("<gamesnr>3</gamesnr>\n<gameslist>\n<game>" +
                       Text(Language::English, TextId::GameBankRace) +
                       "</game>\n<game>Egg and spoon</game>\n<game>" +
                       Text(Language::English, TextId::GameFourFlag) + "</game>\n</gameslist>\n",
                   ""),
              Language::French));
    EXPECT_EQ(sheet.sGame[0] + "|" + sheet.sGame[1] + "|" + sheet.sGame[2],
              Text(Language::French, TextId::GameBankRace) + "|Egg and spoon|" +
                  Text(Language::French, TextId::GameFourFlag));
    EXPECT_EQ(sheet.languageSheet, Language::French);
}

}  // namespace
}  // namespace zav
