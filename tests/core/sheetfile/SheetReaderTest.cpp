#include <gtest/gtest.h>

#include <algorithm>

#include "sheet/GameCatalogue.h"
#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

using namespace zav;

namespace {

// A minimal foreign-looking file around the given header and body lines.
std::string File(
    const std::string& header, const std::string& body,
    const std::string& declaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>") {
    return declaration + "\n<zavscore>\n<header>\n<language>EN</language>\n" + header +
           "</header>\n<body>\n" + body + "</body>\n</zavscore>\n";
}

struct Parsed {
    ScoreSheet sheet;
    RecordingMessageSink messages;
    bool read = false;
};

Parsed Parse(const std::string& bytes, Language language = Language::English) {
    Parsed p;
    p.read = ParseSheet(p.sheet, bytes, Reporter(language, p.messages));
    return p;
}

}  // namespace

TEST(SheetReader, BlameAndResultCodes) {
    const Parsed p = Parse(File("<teamsnr>1</teamsnr>\n<gamesnr>5</gamesnr>\n",
                                "<team>\n\t<name>A</name>\n\t<orders>\n"
                                "\t\t<order>3 A</order>\n\t\t<order>-2</order>\n"
                                "\t\t<order>  -3A</order>\n\t\t<order>A</order>\n"
                                "\t\t<order>x</order>\n\t</orders>\n</team>\n"));
    ASSERT_TRUE(p.read);
    const int codes[] = {3, kElimination, kDefinitiveAbandon, 0, 0};
    const int blames[] = {1, 0, 1, 1, 0};
    for (int g = 0; g < 5; ++g) {
        EXPECT_EQ(p.sheet.iGamePlace[0][g], codes[g]) << g;
        EXPECT_EQ(p.sheet.bAvertissement[0][g], blames[g]) << g;
    }
}

TEST(SheetReader, TeamValuesStayInsideTheirOwnBlock) {
    const Parsed p =
        Parse(File("<teamsnr>3</teamsnr>\n<gamesnr>3</gamesnr>\n",
                   // team 1: no challenge, no tie-break, only two orders
                   "<team>\n\t<name>One</name>\n\t<prev_score>1.5</prev_score>\n\t<orders>\n"
                   "\t\t<order>1</order>\n\t\t<order>2</order>\n\t</orders>\n</team>\n"
                   // team 2: a name missing, everything else present
                   "<team>\n\t<colors>green</colors>\n\t<challenge>yes</challenge>\n"
                   "\t<challenge_prev_score> 4.5</challenge_prev_score>\n\t<orders>\n"
                   "\t\t<order>3</order>\n\t\t<order>1</order>\n\t\t<order>2</order>\n\t</orders>\n"
                   "\t<tiebreak>2</tiebreak>\n</team>\n"
                   "<team>\n\t<name>Three</name>\n\t<orders>\n\t\t<order>2</order>\n"
                   "\t\t<order>3</order>\n\t\t<order>1</order>\n\t</orders>\n</team>\n"));
    ASSERT_TRUE(p.read);
    const ScoreSheet& s = p.sheet;
    EXPECT_EQ(s.sTeamName[0], "One");
    EXPECT_EQ(s.fPreviousScore[0], 1.5f);
    EXPECT_FALSE(s.bChallengeTeam[0]);
    EXPECT_EQ(s.fChallengePreviousScore[0], 0.0f);
    EXPECT_EQ(s.iTieBreakPlace[0], 0);
    EXPECT_EQ(s.iGamePlace[0][2], 0);  // the third order belongs to team 2
    EXPECT_EQ(s.sTeamName[1], "");     // not "Three"
    EXPECT_EQ(s.sTeamColors[1], "green");
    EXPECT_TRUE(s.bChallengeTeam[1]);
    EXPECT_EQ(s.fChallengePreviousScore[1], 4.5f);
    EXPECT_EQ(s.iTieBreakPlace[1], 2);
    EXPECT_EQ((std::vector<int>{s.iGamePlace[1][0], s.iGamePlace[1][1], s.iGamePlace[1][2]}),
              (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(s.sTeamName[2], "Three");
    EXPECT_EQ((std::vector<int>{s.iGamePlace[2][0], s.iGamePlace[2][1], s.iGamePlace[2][2]}),
              (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(s.sColSupContent[2], "");

    // When the text holds no further order at all, the remaining teams stay empty.
    const Parsed cut = Parse(File("<teamsnr>2</teamsnr>\n<gamesnr>2</gamesnr>\n",
                                  "<team>\n\t<name>A</name>\n\t<orders>\n\t\t<order>1</order>\n"
                                  "\t</orders>\n</team>\n<team>\n\t<name>B</name>\n</team>\n"));
    EXPECT_EQ(cut.sheet.iGamePlace[0][0], 1);
    EXPECT_EQ(cut.sheet.sTeamName[1], "");
}

TEST(SheetReader, CountsAreClampedToTheRecord) {
    std::string teams;
    for (int t = 0; t < 12; ++t)
        teams += "<team><name>T" + std::to_string(t) +
                 "</name><orders><order>1</order></orders></team>\n";
    const struct {
        const char *teamsnr, *gamesnr;
        int teams, games;
    } cases[] = {{"99", "13", kMaxTeams, kMaxGames},
                 {"-5", "-1", 0, 0},
                 {"99999999999999999999", "-99999999999999999999", kMaxTeams, 0},
                 {" 7 teams", "+4", 7, 4}};
    for (const auto& c : cases) {
        const Parsed p =
            Parse(File(std::string("<teamsnr>") + c.teamsnr + "</teamsnr><gamesnr>" + c.gamesnr +
                           "</gamesnr>\n<gameslist><game>g</game></gameslist>\n",
                       teams));
        ASSERT_TRUE(p.read);
        EXPECT_EQ(p.sheet.iTeamsNr, c.teams) << c.teamsnr;
        EXPECT_EQ(p.sheet.iGamesNr, c.games) << c.gamesnr;
        // No team block is read past the count.
        EXPECT_EQ(p.sheet.sTeamName[std::min(c.teams, kMaxTeams - 1)],
                  c.teams == kMaxTeams ? "T9" : "");
    }
}

// Bounded where read, so that scoring never overflows (the sanitizer build
// aborts on an overflow).
TEST(SheetReader, ExtremeNumbersAreBounded) {
    const std::string low = "-2147483648", high = "99999999999";
    const Parsed p = Parse(
        File("<teamsnr>2</teamsnr><gamesnr>1</gamesnr><scoring>" + low + "</scoring><elimination>" +
                 high + "</elimination><challenge_scoring>" + low + "</challenge_scoring>\n",
             "<team><name>A</name><challenge>1</challenge><orders><order>" + high +
                 "</order></orders><tiebreak>" + low +
                 "</tiebreak></team>\n<team><name>B</name><challenge>1"
                 "</challenge><orders><order>-1</order></orders></team>\n"));
    ASSERT_TRUE(p.read);
    EXPECT_EQ(p.sheet.iScoring, -kMaxSheetNumber);
    EXPECT_EQ(p.sheet.iEliminationRule, kMaxSheetNumber);
    EXPECT_EQ(p.sheet.iChallengeScoring, -kMaxSheetNumber);
    EXPECT_EQ(p.sheet.iGamePlace[0][0], kMaxSheetNumber);
    EXPECT_EQ(p.sheet.iTieBreakPlace[0], -kMaxSheetNumber);
    ScoreSheet sheet = p.sheet;  // the sanitizer build checks the arithmetic here
    ComputeScores(sheet);
    ComputeChallengeScores(sheet);
}

TEST(SheetReader, RefusesFilesWithoutEncodingRootOrLanguage) {
    const std::string ok = File("", "");
    const std::string refused[] = {
        File("", "", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"),
        File("", "", "<?xml version=\"1.0\" encoding=\"utf-8\"?>"),  // the mark is case-sensitive
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sheet><language>EN</language></sheet>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<zavscore><title>x</title></zavscore>", ""};
    EXPECT_TRUE(Parse(ok).read);
    for (const std::string& bytes : refused) {
        const Parsed p = Parse(bytes, Language::French);
        EXPECT_FALSE(p.read) << bytes;
        ASSERT_EQ(p.messages.messages.size(), 1u);
        EXPECT_EQ(p.messages.messages[0].text, Text(Language::French, TextId::UnknownEncoding));
        EXPECT_EQ(p.messages.messages[0].icon, MessageIcon::Error);
        EXPECT_TRUE(p.sheet.sTitle.empty());
    }
}

TEST(SheetReader, DecodesTextsByTheDeclaredEncoding) {
    const std::string body = "<title>caf\xE9 \x80 \xC3\xA9 UTF-8</title>";
    // Windows-1252 even though the title mentions UTF-8 and holds UTF-8 bytes,
    // with either quote and spaces around the sign.
    EXPECT_EQ(Parse(File(body, "")).sheet.sTitle, "café € Ã© UTF-8");
    EXPECT_EQ(Parse(File(body, "", "<?xml version='1.0' encoding = 'iso-8859-1'?>")).sheet.sTitle,
              "café € Ã© UTF-8");
    // The declared name in any case; the other encoding's name in a text
    // gives the mark.
    EXPECT_EQ(Parse(File("<title>\xC3\xA9 iso-8859-1</title>", "",
                         "<?xml version=\"1.0\" encoding=\"utf-8\"?>"))
                  .sheet.sTitle,
              "é iso-8859-1");
    // UTF-8, with a stray Windows-1252 byte taken for its character.
    EXPECT_EQ(
        Parse(File("<title>café \xE9t\xC3</title>", "", "<?xml version='1.0' encoding='UTF-8'?>"))
            .sheet.sTitle,
        "café étÃ");
    // No declaration: the marks decide.
    EXPECT_EQ(Parse("<zavscore><language>EN</language><title>\xC3\xA9</title>UTF-8</zavscore>")
                  .sheet.sTitle,
              "é");
    EXPECT_EQ(Parse("<zavscore><language>EN</language><title>\xC3\xA9</title>iso-8859-1"
                    "</zavscore>")
                  .sheet.sTitle,
              "Ã©");
}

TEST(SheetReader, MarkupInTextsRoundTripsAndOldRawAmpersandsStay) {
    ScoreSheet s;
    s.iTeamsNr = s.iGamesNr = 1;
    s.sTeamName[0] = "A </name> & <b>Co</b>";
    s.sColSupContent[0] = "&amp; stays &amp;";
    s.sGame[0] = "</game><game>";
    s.sTitle = "<title>x</title>";
    const std::string bytes = SheetFileBytes(s, Language::French);
    const Parsed p = Parse(bytes, Language::French);
    EXPECT_EQ(p.sheet.sTeamName[0] + p.sheet.sColSupContent[0] + p.sheet.sGame[0] + p.sheet.sTitle,
              s.sTeamName[0] + s.sColSupContent[0] + s.sGame[0] + s.sTitle);

    const Parsed old =
        Parse(File("<title>Fish & Chips &unknown; R&D &</title>\n"
                   "<subtitle>&lt;&#233;&#xE9;&quot;&apos;&gt; &#0; &#xD800;</subtitle>\n",
                   ""));
    EXPECT_EQ(old.sheet.sTitle, "Fish & Chips &unknown; R&D &");
    EXPECT_EQ(old.sheet.sSubTitle, "<éé\"'> &#0; &#xD800;");
}

TEST(SheetReader, FirstHeaderOccurrenceWinsAndStaffRowsStopAtAGap) {
    const Parsed p = Parse(
        File("<title>first</title>\n<title>second</title>\n<teamsnr>1</teamsnr>\n",
             "<staff>\n<ar_name>R1</ar_name><ar_team>C1</ar_team>\n"
             "<ar_name>R2</ar_name>\n<ap_name>P1</ap_name>\n<ap_name>P2</ap_name>\n</staff>\n"));
    EXPECT_EQ(p.sheet.sTitle, "first");
    EXPECT_EQ(p.sheet.sARefereeName[0], "R1");
    EXPECT_EQ(p.sheet.sARefereeTeam[0], "C1");
    EXPECT_EQ(p.sheet.sARefereeName[1], "");  // no <ar_team> follows it
    // Arena party rows are not bounded by the teams, and stop where the file does.
    EXPECT_EQ(p.sheet.sPlaceurName[1] + "|" + p.sheet.sPlaceurName[2], "P2|");

    // Rows beyond the sheet's ten are not read.
    std::string rows;
    for (int k = 1; k <= kStaffRows + 1; ++k) {
        const std::string n = std::to_string(k);
        rows += "<ar_name>R" + n + "</ar_name><ar_team>T" + n + "</ar_team><ap_name>P" + n +
                "</ap_name>\n";
    }
    const Parsed full = Parse(File("", "<staff>\n" + rows + "</staff>\n"));
    for (int k = 0; k < kStaffRows; ++k) {
        const std::string n = std::to_string(k + 1);
        EXPECT_EQ(
            full.sheet.sARefereeName[k] + full.sheet.sARefereeTeam[k] + full.sheet.sPlaceurName[k],
            "R" + n + "T" + n + "P" + n);
    }
    EXPECT_EQ(full.sheet.sFullFileName, "");  // nothing written past the rows
}

TEST(SheetReader, SetMarker) {
    const Parsed set = Parse(File("<multi>C:\\events\\spring.mscore</multi>\n", ""));
    EXPECT_TRUE(set.sheet.bScoreSet);
    EXPECT_EQ(set.sheet.sScoreSetFileName, "C:\\events\\spring.mscore");

    Parsed single;
    single.sheet.sScoreSetFileName = "kept";
    EXPECT_TRUE(
        ParseSheet(single.sheet, File("", ""), Reporter(Language::English, single.messages)));
    EXPECT_FALSE(single.sheet.bScoreSet);
    EXPECT_EQ(single.sheet.sScoreSetFileName, "kept");
}

TEST(SheetReader, TranslatesCatalogueGamesIntoTheInterfaceLanguage) {
    const std::string bank = Text(Language::English, TextId::GameBankRace),
                      flags = Text(Language::English, TextId::GameFourFlag);
    const std::string bytes =
        File("<gamesnr>3</gamesnr>\n<gameslist>\n<game>" + bank +
                 "</game>\n<game>Egg and spoon</game>\n<game>" + flags + "</game>\n</gameslist>\n",
             "");
    const Parsed french = Parse(bytes, Language::French);
    EXPECT_EQ(french.sheet.sGame[0], Text(Language::French, TextId::GameBankRace));
    EXPECT_EQ(french.sheet.sGame[1], "Egg and spoon");
    EXPECT_EQ(french.sheet.sGame[2], Text(Language::French, TextId::GameFourFlag));
    EXPECT_EQ(french.sheet.languageSheet, Language::French);
    EXPECT_NE(french.sheet.sGame[0], bank);
}
