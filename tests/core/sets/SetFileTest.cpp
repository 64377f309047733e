// The set file and the entries file a set is made from, read and written at
// their edges; ordinary files read whole are the command-line test's (its
// golden JSON and sheets).
#include <gtest/gtest.h>

#include <algorithm>

#include "core/sets/SifTestData.h"
#include "paths/PathNames.h"
#include "sets/SetFile.h"
#include "sets/SifFile.h"
#include "sheetfile/SheetFile.h"
#include "support/Golden.h"
#include "texts/Texts.h"

namespace zav {
namespace {

using zavtest::SifText;
using zavtest::TeamLine;
using zavtest::WriteFile;
using Names = std::vector<std::string>;

std::string SetWithEntries(int count, const std::string& declaration = "iso-8859-1") {
    std::string text = "<?xml version=\"1.0\" encoding=\"" + declaration + "\"?>\n<zavscore>\n";
    for (int i = 0; i < count; ++i) text += "\t<file>s" + std::to_string(i) + ".pscore</file>\n";
    return text + "</zavscore>\n";
}

class SetFile : public ::testing::Test {
protected:
    bool Parse(const std::string& bytes, EncodingMark mark = EncodingMark::Required) {
        messages.messages.clear();
        return ParseSetFile(bytes, mark, "set.mscore", names, reporter);
    }
    Names names;
    RecordingMessageSink messages;
    const Reporter reporter{Language::English, messages};
    zavtest::TempDir dir;
};

class SifFile : public SetFile {
protected:
    bool ParseSif(const std::string& bytes) {
        messages.messages.clear();
        return zav::ParseSif(bytes, "/events/entries.txt", entries, reporter);
    }
    // The refusal `id` naming the file, and nothing left of the entries.
    void ExpectRefused(const std::string& bytes, TextId id) {
        EXPECT_FALSE(ParseSif(bytes)) << bytes;
        ASSERT_EQ(messages.messages.size(), 1u) << bytes;
        EXPECT_EQ(messages.messages[0].text,
                  FormatText(Text(Language::English, id), std::string("/events/entries.txt")));
        EXPECT_TRUE(entries.teams.empty() && entries.sCategory.empty());
    }
    Names TeamNames() const {
        Names teamNames;
        for (const SifTeam& team : entries.teams) teamNames.push_back(team.name);
        return teamNames;
    }
    SifEntries entries;
};

TEST_F(SetFile, WrittenBytesReadBackAsTheSameNames) {
    const Names written = {"ev_Minime 1.pscore", "ev_B&B <Open>.pscore", "ev_r\xC3\xA9gion.pscore"};
    zavtest::ExpectGolden("core/sets/golden/windows-1252.mscore", SetFileBytes(written));
    ASSERT_TRUE(Parse(SetFileBytes(written)));
    EXPECT_EQ(names, written);
    // A name without a Windows-1252 form makes the whole file UTF-8.
    const Names wide = {"ev_r\xC3\xA9gion.pscore", "ev_CL\xE2\x98\x83.pscore"};
    ASSERT_EQ(SetFileBytes(wide).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
    ASSERT_TRUE(Parse(SetFileBytes(wide)));
    EXPECT_EQ(names, wide);

    // A name that merely mentions "UTF-8" must not switch a Windows-1252 file's decoding.
    ASSERT_TRUE(
        Parse("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<zavscore>\n"
              "\t<file>UTF-8 r\xE9gion \xC3\xA9.pscore</file>\n</zavscore>\n"));
    EXPECT_EQ(names, Names{"UTF-8 r\xC3\xA9gion \xC3\x83\xC2\xA9.pscore"});

    // At most the first hundred entries, in file order; an unclosed entry is none.
    ASSERT_TRUE(Parse(SetWithEntries(101)));
    ASSERT_EQ(names.size(), kMaxSetEntries);
    EXPECT_EQ(names.front() + names.back(), "s0.pscores99.pscore");
    ASSERT_TRUE(Parse("UTF-8 <zavscore><file>d</file><file>b</file><file>a"));
    EXPECT_EQ(names, (Names{"d", "b"}));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(Parse(SetWithEntries(2, "utf-8"), EncodingMark::NotRequired));
}

// Names with a folder could reach files outside the set; the set file read
// as a sheet would be replaced by one at the next save. Such names are
// skipped with a message; a text without the marks or any sheet is refused.
TEST_F(SetFile, RefusesTextsWithoutTheMarksOrAnySheet) {
    ASSERT_TRUE(
        Parse("UTF-8 <zavscore><file>a</file><file>../a</file><file>/etc/passwd</file>"
              "<file>..</file><file></file><file>set.mscore</file><file>b</file>"));
    EXPECT_EQ(names, (Names{"a", "b"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              FormatText(Text(Language::English, TextId::SetEntriesSkipped),
                         "[../a] [/etc/passwd] [..] [] [set.mscore]"));

    const std::pair<std::string, EncodingMark> refused[] = {
        {SetWithEntries(2, "utf-8"), EncodingMark::Required},  // the mark is case-sensitive
        {"<zavscore><file>a</file>", EncodingMark::Required},
        {"UTF-8 <file>a</file>", EncodingMark::NotRequired},
        {"UTF-8 <zavscore>", EncodingMark::NotRequired},
        {"UTF-8 <zavscore><file>a", EncodingMark::NotRequired},
        {"UTF-8 <zavscore><file>set.mscore</file>", EncodingMark::NotRequired},
    };
    for (const auto& [bytes, mark] : refused) {
        EXPECT_FALSE(Parse(bytes, mark)) << bytes;
        ASSERT_FALSE(messages.messages.empty()) << bytes;
        EXPECT_EQ(messages.messages.back().text, Text(Language::English, TextId::UnknownEncoding));
        EXPECT_EQ(names, (Names{"a", "b"}));
    }
}

TEST_F(SetFile, PathsAndTitles) {
    const auto parts = [](const char* path) {
        return DecodePathFile(path).sFilePath + "|" + DecodePathFile(path).sFileName;
    };
    EXPECT_EQ(parts("/home/ev/1234.mscore"), "/home/ev|1234.mscore");
    EXPECT_EQ(parts("1234.mscore") + parts("/1234.mscore"), "||");
    EXPECT_EQ(SiblingPath("set.mscore", "s.pscore") + SiblingPath("/set.mscore", "s.pscore"),
              "s.pscore/s.pscore");
    EXPECT_EQ(PathInFolder("/target/", "s.pscore"), "/target/s.pscore");

    EXPECT_EQ(SetSheetTitle("777.mscore", "777_Minime 1_2.pscore"), "Minime 1_2");
    EXPECT_EQ(SetSheetTitle("777.mscore", "other.pscore"), "other");  // renamed by hand
    EXPECT_EQ(SetSheetTitle("777.mscore", "777_.pscore"), "777_");
}

// A set opens on its first sheet and keeps it in the set, so that its save
// goes to its own file, even when that sheet cannot be read; the ordinary
// opening is the sheet document test's.
TEST_F(SetFile, OpeningASetKeepsTheSetIdentityEvenWithoutItsFirstSheet) {
    WriteFile(dir.File("set.mscore"), SetFileBytes({"a.pscore", "d.pscore"}));
    ScoreSheet sheet;
    sheet.sTitle = "before";
    ASSERT_TRUE(LoadSetSheet(sheet, dir.File("set.mscore"), names, reporter));
    EXPECT_EQ(names, (Names{"a.pscore", "d.pscore"}));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(sheet.sMultiFileOpen + "|" + sheet.sFilePath + "|" + sheet.sMScoreOpen,
              dir.File("a.pscore") + "|" + dir.File("a.pscore") + "|" + dir.File("set.mscore"));
    EXPECT_TRUE(sheet.bScoreSet && sheet.sTitle.empty());

    // A set file that cannot be read changes nothing; 32000 bytes are read.
    std::string bytes = SetWithEntries(1);
    bytes += std::string(kMaxSetFileBytes - bytes.size(), ' ');
    WriteFile(dir.File("full.mscore"), bytes);
    WriteFile(dir.File("over.mscore"), bytes + " ");
    EXPECT_TRUE(ReadSetFile(dir.File("full.mscore"), EncodingMark::Required, names, reporter));
    sheet.sTitle = "unchanged";
    EXPECT_FALSE(LoadSetSheet(sheet, dir.File("over.mscore"), names, reporter));
    EXPECT_EQ(messages.messages.back().text, "File too long = 32001 bytes");
    EXPECT_EQ(sheet.sTitle + names[0], "unchangeds0.pscore");
}

TEST_F(SifFile, CompetitionNumberIsTheFirstFieldOfOneToTenCharacters) {
    const std::pair<std::string, std::string> accepted[] = {
        {"1234567890;rest", "1234567890"},
        {"42", "42"},                                             // no separator: the whole line
        {"7\r\n8;x\n", "7"},                                      // never runs into the next line
        {"\xC3\xA9t\xC3\xA9-2026;x", "\xC3\xA9t\xC3\xA9-2026"}};  // characters, not bytes
    for (const auto& [text, number] : accepted) {
        EXPECT_TRUE(ParseSif(text)) << text;
        EXPECT_EQ(entries.sCompetNr, number);
        EXPECT_TRUE(messages.messages.empty());
    }
    for (const std::string bad : {"12345678901;rest\n", ";12345;x\n", "", "\n12;x\n"})
        ExpectRefused(bad, TextId::NotSifFile);
}

TEST_F(SifFile, TeamLinesAndTheirFields) {
    const std::string line = "a;b;c;CPM1 Minime;e;f;The team";
    const struct {
        std::string line;
        int n;
        std::string field;
    } fields[] = {
        {line, 1, "a"},
        {line, 7, "The team"},  // exactly six separators: rest of line
        {line + ";tail", 7, "The team"},
        {";a;b", 1, ";a"},  // a leading ";" separates nothing
        {";a;b", 2, "b"},
        {"a;;c", 2, ""},
        {"a;b;c", 4, ""},  // too few separators: no such field
        {"a;b", 0, ""},
    };
    for (const auto& f : fields) EXPECT_EQ(TrouveChampSIF(f.line, f.n), f.field) << f.line;

    // A team line holds the mark after its first character, at its first
    // occurrence. Lines end at LF without their CR; the last needs none; a
    // team line without a name field has an empty name.
    ASSERT_TRUE(ParseSif("1;head\r\nNOM_EQU;a;b;CPM1;c;d;No\nNOM_EQU;NOM_EQU;b;CPM1;c;d;No\n" +
                         TeamLine("CPM1", "A", "\r\n") + "1;2;NOM_EQU;CPM2\r\n" +
                         "xNOM_EQU;;;CPM1;;;X\n" + TeamLine("CPM1", "C", "")));
    EXPECT_EQ(TeamNames(), (Names{"A", "", "X", "C"}));
    EXPECT_EQ(entries.teams[1].category, "CPM2");
    Names lines;
    ForEachSifLine("a\r\n\nb\rc\n", [&](std::string_view l) { lines.emplace_back(l); });
    EXPECT_EQ(lines, (Names{"a", "", "b\rc"}));
}

TEST_F(SifFile, FiftyCategoriesAtMostAndRepeatsAreNoNewOne) {
    std::vector<std::pair<std::string, std::string>> teams;
    for (int c = 0; c < 50; ++c) teams.push_back({"CAT" + std::to_string(c), "T"});
    teams.push_back({"CAT0", "Same category again"});
    ASSERT_TRUE(ParseSif(SifText(teams)));
    EXPECT_EQ(entries.sCategory.size(), kMaxCategories);
    teams.push_back({"CAT50", "One too many"});
    ExpectRefused(SifText(teams), TextId::TooManyCategories);
}

TEST_F(SifFile, TextIsUtf8WhenValidOtherwiseWindows1252) {
    const std::string utf8 = "\xC3\x89quipe \xE2\x98\x83 \xF0\x9F\x90\xB4";  // Équipe ☃ 🐴
    ASSERT_TRUE(ParseSif("\xEF\xBB\xBF" + SifText({{"CPM1", utf8}})));
    EXPECT_EQ(entries.sCompetNr, "12345");  // the byte order mark is no part of it
    EXPECT_EQ(TeamNames(), Names{utf8});

    // NUL bytes are dropped, wherever they are.
    std::string nul = "12~345;h\n" + TeamLine("CP~M1", "A\xC9");
    std::replace(nul.begin(), nul.end(), '~', '\0');
    ASSERT_TRUE(ParseSif(nul));
    EXPECT_EQ(entries.sCompetNr + entries.teams[0].category + entries.teams[0].name,
              "12345CPM1A\xC3\x89");
}

}  // namespace
}  // namespace zav
