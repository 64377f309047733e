// A sheet file's bytes. The writer's one layout, byte for byte, in its two
// encodings (reviewed golden files), read back to the very same bytes; the
// reader on files other writers made: what it takes, bounds and refuses.
#include <gtest/gtest.h>

#include "history/HistoryText.h"
#include "history/ResultHistory.h"
#include "official/Standing.h"
#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"
#include "support/Golden.h"
#include "texts/Texts.h"
#include "undo/SheetHistory.h"

namespace zav {
namespace {

ScoreSheet Read(const std::string& file, Language language) {
    ScoreSheet sheet;
    sheet.sTitle = "left over from the previous sheet";
    sheet.sFullFileName = "/old/path.score";
    RecordingMessageSink messages;
    EXPECT_TRUE(LoadSheet(sheet, zavtest::TestFile(file), Reporter(language, messages))) << file;
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(sheet.languageSheet, language);
    EXPECT_TRUE(sheet.sFullFileName.empty());  // the reset ran; callers set the identity
    sheet.sMScoreOpen = sheet.sScoreSetFileName;
    return sheet;
}

TEST(SheetWriter, EveryStoredFieldReadsBackToTheSameBytes) {
    const struct {
        const char* file;
        Language language;
    } files[] = {// Windows-1252, 'Challenge', tie-break, a blame, a staff row
                 {"core/sheetfile/golden/two-teams.score", Language::English},
                 // a sheet of a set in UTF-8, one staff row per team beyond six
                 {"core/sheetfile/golden/set-sheet-utf8.pscore", Language::Italian},
                 // ten teams, twelve games, every option
                 {"data/full-heat.score", Language::English}};
    for (const auto& f : files)
        zavtest::ExpectGolden(f.file, SheetFileBytes(Read(f.file, f.language), f.language));
}

TEST(SheetWriter, WritesOnlyWhatTheFileHolds) {
    ScoreSheet s = Read("core/sheetfile/golden/set-sheet-utf8.pscore", Language::Italian);
    s.sGame[9] = "unused game";  // past the counts
    s.sTeamName[9] = "unused team";
    ASSERT_EQ(s.sDate, "12\xC2\xB0");
    s.sDate = "12\xB0";  // an invalid byte: written as the character a reader makes of it
    zavtest::ExpectGolden("core/sheetfile/golden/set-sheet-utf8.pscore",
                          SheetFileBytes(s, Language::Italian));

    // Without staff names no staff element, unless a name is in a row past
    // those written.
    for (int k = 0; k < kStaffRows; ++k)
        s.sPlaceurName[k] = s.sARefereeName[k] = s.sARefereeTeam[k] = "";
    EXPECT_EQ(SheetFileBytes(s, Language::French).find("<staff>"), std::string::npos);
    s.sARefereeTeam[9] = "Club";
    EXPECT_NE(SheetFileBytes(s, Language::French).find("<staff>"), std::string::npos);
}

// A minimal foreign-looking file around the given header and body.
std::string File(
    const std::string& header, const std::string& body = "",
    const std::string& declaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>") {
    return declaration + "\n<zavscore>\n<header>\n<language>EN</language>\n" + header +
           "</header>\n<body>\n" + body + "</body>\n</zavscore>\n";
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

// Read in French and written back in our own layout: values stay inside their
// own team block, and a team with no orders left in the file stays empty;
// loose result codes and blames; the first of a repeated element; staff rows
// stop at a gap; escaped markup read back, raw ampersands kept; catalogue
// games in the interface language; numbers bounded where read, so that
// scoring never overflows (the sanitizer build aborts on an overflow).
TEST_F(SheetReader, ForeignFileAsWrittenBack) {
    ASSERT_TRUE(Parse(zavtest::ReadFile(zavtest::TestFile("core/sheetfile/golden/foreign.score")),
                      Language::French));
    sheet.sMScoreOpen = sheet.sScoreSetFileName;
    zavtest::ExpectGolden("core/sheetfile/golden/foreign-as-read.score",
                          SheetFileBytes(sheet, Language::French));
    ComputeScores(sheet);
    ComputeChallengeScores(sheet);

    // A file without the set marker clears it and keeps the set's name.
    ASSERT_TRUE(ParseSheet(sheet, File(""), Reporter(Language::English, messages)));
    EXPECT_FALSE(sheet.bScoreSet);
    EXPECT_EQ(sheet.sScoreSetFileName, "C:\\events\\spring.mscore");
}

TEST_F(SheetReader, CountsAreClampedToTheRecordAndRowsToTheSheet) {
    std::string teams;
    for (int t = 0; t < 12; ++t)
        teams += "<team><name>T" + std::to_string(t) + "</name><orders><order>1</order></orders>" +
                 "</team>\n";
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

    std::string rows;  // staff rows beyond the sheet's ten are not read
    for (int k = 1; k <= kStaffRows + 1; ++k)
        rows += "<ar_name>R</ar_name><ar_team>T</ar_team><ap_name>P" + std::to_string(k) +
                "</ap_name>\n";
    ASSERT_TRUE(Parse(File("", "<staff>\n" + rows + "</staff>\n")));
    EXPECT_EQ(sheet.sARefereeTeam[kStaffRows - 1] + sheet.sPlaceurName[kStaffRows - 1], "TP10");
    EXPECT_EQ(sheet.sFullFileName, "");  // nothing written past the rows
}

TEST_F(SheetReader, RefusesFilesWithoutEncodingRootOrLanguage) {
    EXPECT_TRUE(Parse(File("")));
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

TEST_F(SheetReader, DecodesTextsByTheDeclaredEncoding) {
    const std::string mixed = "<title>caf\xE9 \x80 \xC3\xA9 UTF-8</title>";
    const struct {
        std::string bytes, title;
    } cases[] = {
        // Windows-1252 even though the title mentions UTF-8 and holds UTF-8
        // bytes, with either quote and spaces around the sign.
        {File(mixed), "café € Ã© UTF-8"},
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
        {"<zavscore><language>EN</language><title>\xC3\xA9</title>iso-8859-1</zavscore>", "Ã©"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(Parse(c.bytes)) << c.bytes;
        EXPECT_EQ(sheet.sTitle, c.title);
    }
}

// The record of a heat: where each result came from, through an undo, a
// save, a reopening and an undo after it; a sheet of an older version (the
// first three games) says its results' origin is not recorded. The record
// lies after the body: the results read without it are the same.
TEST(SheetRecord, SurvivesSaveReopenAndUndo) {
    ScoreSheet sheet = zavtest::Sample("small-heat.score");
    SheetHistory undo;
    const auto change = [&](ChangeSource source, const std::string& at, auto&& edit) {
        const ScoreSheet before = sheet;
        edit();
        source.by = "Marie Dupont";
        source.at = at;
        RecordChanges(before, sheet, source);
        undo.Record(before, source.step);
    };
    ChangeSource judge;
    judge.origin = HistoryOrigin::FinishLine;
    judge.step = "result of game 4";
    judge.judge = "Paul <line 2>";
    judge.phone = "192.168.1.23";
    judge.sentAt = "10:30:58";
    judge.edited = true;
    judge.sent = {{1, "Alpha", 2, false}, {2, "Bravo", 1, false}};
    change(judge, "2026-05-12 10:31:02", [&] {
        const int codes[] = {1, 2, kElimination, 3};
        for (int t = 0; t < 4; ++t) sheet.iGamePlace[t][3] = codes[t];
        sheet.bAvertissement[1][3] = true;
    });
    ChangeSource typed;
    typed.step = "result of game 4";
    change(typed, "2026-05-12 10:35:40",
           [&] { std::swap(sheet.iGamePlace[0][3], sheet.iGamePlace[1][3]); });
    typed.step = "tie-break result";
    change(typed, "2026-05-12 10:36:10", [&] { sheet.iTieBreakPlace[0] = 1; });
    ASSERT_TRUE(undo.Undo(sheet, "Marie Dupont", "2026-05-12 10:37:00"));
    typed.step = "heat made official";
    change(typed, "2026-05-12 11:40:00", [&] { MakeOfficial(sheet, "2026-05-12 11:40:00"); });

    const std::string bytes = SheetFileBytes(sheet, Language::English);
    zavtest::ExpectGolden("core/sheetfile/golden/record.score", bytes);
    ScoreSheet reopened;
    RecordingMessageSink messages;
    ASSERT_TRUE(ParseSheet(reopened, bytes, Reporter(Language::English, messages)));
    EXPECT_EQ(SheetFileBytes(reopened, Language::English), bytes);
    EXPECT_TRUE(reopened.bOfficial);
    EXPECT_EQ(
        GameHistoryLines(reopened, 3, Language::English, WithStanding::Yes),
        (std::vector<std::string>{
            "2026-05-12 10:31:02  Alpha 1, Bravo 2*, Charlie E, Delta 3 (before: no result); "
            "sent from the finish line by Paul <line 2>, phone 192.168.1.23, sent at 10:30:58, "
            "accepted by Marie Dupont; changed before it was accepted; the judge sent: Alpha 2, "
            "Bravo 1",
            "2026-05-12 10:35:40  Alpha 2, Bravo 1*, Charlie E, Delta 3 (before: Alpha 1, Bravo "
            "2*, Charlie E, Delta 3); typed in the window by Marie Dupont (result of game 4)",
            "2026-05-12 11:40:00  heat made official; by Marie Dupont"}));
    EXPECT_EQ(GameHistoryLines(reopened, 0, Language::English, WithStanding::No),
              (std::vector<std::string>{"Alpha 1, Bravo 2, Charlie 2, Delta E: origin not recorded "
                                        "(entered before the sheet kept its history)"}));
    EXPECT_EQ(HeatHistoryLines(reopened, Language::English),
              (std::vector<std::string>{
                  "2026-05-12 10:36:10  tie-break: Alpha 1 (before: no result); typed in the "
                  "window by Marie Dupont (tie-break result)",
                  "2026-05-12 10:37:00  tie-break: no result (before: Alpha 1); undo of "
                  "'tie-break result' by Marie Dupont",
                  "2026-05-12 11:40:00  heat made official; by Marie Dupont"}));

    // Undone after reopening: the entries of the change stay, the undo joins them.
    const ResultHistory saved = reopened.history;
    SheetHistory later;
    const ScoreSheet before = reopened;
    reopened.iGamePlace[3][0] = 4;
    MakeProvisional(reopened);
    RecordChanges(before, reopened, typed);
    later.Record(before, "result of game 1");
    ASSERT_TRUE(later.Undo(reopened, "Marie Dupont", "2026-05-12 12:00:00"));
    EXPECT_EQ(reopened.iGamePlace[3][0], kElimination);
    ASSERT_EQ(reopened.history.size(), saved.size() + 4);
    for (std::size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(DescribeEntry(reopened.history[i], Language::English),
                  DescribeEntry(saved[i], Language::English));
    EXPECT_EQ(
        DescribeEntry(reopened.history.back(), Language::English),
        "2026-05-12 12:00:00  heat made official; undo of 'result of game 1' by Marie Dupont");

    // Without the record, the same results.
    std::string plain = bytes;
    plain.erase(plain.find("<record>"), plain.find("</zavscore>") - plain.find("<record>"));
    ScoreSheet read;
    ASSERT_TRUE(ParseSheet(read, plain, Reporter(Language::English, messages)));
    MakeProvisional(sheet);
    sheet.history.clear();
    EXPECT_EQ(SheetFileBytes(read, Language::English), SheetFileBytes(sheet, Language::English));
}

}  // namespace
}  // namespace zav
