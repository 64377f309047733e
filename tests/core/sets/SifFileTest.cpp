#include <gtest/gtest.h>

#include "core/sets/SifTestData.h"
#include "sets/Categories.h"
#include "sets/SifFile.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace zav {
namespace {

using zavtest::SifText;
using zavtest::TeamLine;

bool Parse(const std::string& bytes, SifEntries& entries, RecordingMessageSink& messages) {
    return ParseSif(bytes, "/events/entries.txt", entries, Reporter(Language::English, messages));
}

TEST(SifFile, CompetitionNumberIsTheFirstFieldOfOneToTenCharacters) {
    SifEntries entries;
    RecordingMessageSink messages;
    const std::pair<std::string, std::string> accepted[] = {
        {"12345;rest\n", "12345"},
        {"1234567890;rest", "1234567890"},
        {"42", "42"},                                             // no separator: the whole line
        {"7\r\n8;x\n", "7"},                                      // never runs into the next line
        {"\xC3\xA9t\xC3\xA9-2026;x", "\xC3\xA9t\xC3\xA9-2026"}};  // characters, not bytes
    for (const auto& [text, number] : accepted) {
        EXPECT_TRUE(Parse(text, entries, messages)) << text;
        EXPECT_EQ(entries.sCompetNr, number);
    }
    EXPECT_TRUE(messages.messages.empty());

    const std::string refused =
        FormatText(Text(Language::English, TextId::NotSifFile), std::string("/events/entries.txt"));
    for (const std::string bad : {"12345678901;rest\n", ";12345;x\n", "", "\n12;x\n"}) {
        RecordingMessageSink refusal;
        EXPECT_FALSE(Parse(bad, entries, refusal)) << bad;
        ASSERT_EQ(refusal.messages.size(), 1u) << bad;
        EXPECT_EQ(refusal.messages[0].text, refused);
        EXPECT_EQ(refusal.messages[0].icon, MessageIcon::Error);
        EXPECT_TRUE(entries.teams.empty());
    }
}

TEST(SifFile, TeamLinesHoldNomEquAfterTheirFirstCharacter) {
    EXPECT_TRUE(IsTeamLine("1;NOM_EQU;x"));
    EXPECT_TRUE(IsTeamLine("xNOM_EQU"));
    EXPECT_FALSE(IsTeamLine("NOM_EQU;1;x"));
    EXPECT_FALSE(IsTeamLine("NOM_EQU;1;NOM_EQU"));  // the first occurrence decides
    EXPECT_FALSE(IsTeamLine("1;NOM_EQ;x"));
    EXPECT_FALSE(IsTeamLine(""));

    SifEntries entries;
    RecordingMessageSink messages;
    ASSERT_TRUE(Parse("1;head\nNOM_EQU;a;b;CPM1;c;d;Skipped\n" + TeamLine("CPM1", "Kept"), entries,
                      messages));
    ASSERT_EQ(entries.teams.size(), 1u);
    EXPECT_EQ(entries.teams[0].name, "Kept");
}

TEST(SifFile, FieldsAreCountedFromOneBetweenSeparators) {
    const std::string line = "a;b;c;CPM1 Minime;e;f;The team";
    EXPECT_EQ(TrouveChampSIF(line, 1), "a");
    EXPECT_EQ(TrouveChampSIF(line, 4), "CPM1 Minime");
    EXPECT_EQ(TrouveChampSIF(line, 7), "The team");  // exactly six separators: rest of line
    EXPECT_EQ(TrouveChampSIF(line + ";tail", 7), "The team");
    EXPECT_EQ(TrouveChampSIF(";a;b", 1), ";a");  // a leading ";" separates nothing
    EXPECT_EQ(TrouveChampSIF(";a;b", 2), "b");
    EXPECT_EQ(TrouveChampSIF("a;;c", 2), "");
    // Too few separators: the line has no such field.
    EXPECT_EQ(TrouveChampSIF("a;b;c", 4), "");
    EXPECT_EQ(TrouveChampSIF("a;b;c;CPM1;e;f", 7), "");
    EXPECT_EQ(TrouveChampSIF("a;b", 0), "");
    EXPECT_EQ(TrouveChampSIF("", 1), "");

    SifEntries entries;
    RecordingMessageSink messages;
    ASSERT_TRUE(Parse("1;h\n1;2;NOM_EQU;CPM1\n", entries, messages));
    ASSERT_EQ(entries.teams.size(), 1u);
    EXPECT_EQ(entries.teams[0].category, "CPM1");
    EXPECT_EQ(entries.teams[0].name, "");
}

TEST(SifFile, LinesEndAtLfWithoutTheirCrAndTheLastLineNeedsNoLf) {
    SifEntries entries;
    RecordingMessageSink messages;
    const std::string text = "12345;head\r\n" + TeamLine("CPM1", "Alpha", "\r\n") +
                             "12345;2;NOM_EQU;CPM2;c;r;Bravo\r\n" +  // name is the last field
                             TeamLine("CPM1", "Charlie", "");        // no line end at all
    ASSERT_TRUE(Parse(text, entries, messages));
    ASSERT_EQ(entries.teams.size(), 3u);
    EXPECT_EQ(entries.teams[0].name, "Alpha");
    EXPECT_EQ(entries.teams[1].name, "Bravo");
    EXPECT_EQ(entries.teams[1].category, "CPM2");
    EXPECT_EQ(entries.teams[2].name, "Charlie");

    std::vector<std::string> lines;
    ForEachSifLine("a\r\n\nb\rc\n", [&](std::string_view l) { lines.emplace_back(l); });
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b\rc"}));
}

TEST(SifFile, CategoriesAreDistinctWholeFieldsInOrderOfFirstOccurrence) {
    SifEntries entries;
    RecordingMessageSink messages;
    std::vector<std::pair<std::string, std::string>> teams;
    const char* categories[] = {"CPM2", "CPM1 Minime 1", "CPM2", "COPE", "CPM1"};
    for (int i = 0; i < 30; ++i) teams.push_back({categories[i % 5], "T" + std::to_string(i)});
    ASSERT_TRUE(Parse(SifText(teams), entries, messages));
    EXPECT_EQ(entries.sCategory,
              (std::vector<std::string>{"CPM2", "CPM1 Minime 1", "COPE", "CPM1"}));
    ASSERT_EQ(entries.teams.size(), 30u);
    for (const SifTeam& team : entries.teams)
        EXPECT_EQ(entries.sCategory[team.categoryIndex], team.category);
    EXPECT_EQ(entries.teams[29].name, "T29");

    ASSERT_TRUE(Parse("12345;no teams\n1;2;3;CPM1;5;6;7\n", entries, messages));
    EXPECT_TRUE(entries.sCategory.empty());
    EXPECT_TRUE(entries.teams.empty());
}

TEST(SifFile, FiftyCategoriesAreReadAndMoreAreRefused) {
    std::vector<std::pair<std::string, std::string>> teams;
    for (int c = 0; c < 50; ++c) teams.push_back({"CAT" + std::to_string(c), "T"});
    SifEntries entries;
    RecordingMessageSink messages;
    ASSERT_TRUE(Parse(SifText(teams), entries, messages));
    EXPECT_EQ(entries.sCategory.size(), kMaxCategories);

    teams.push_back({"CAT0", "Same category again"});
    ASSERT_TRUE(Parse(SifText(teams), entries, messages));
    teams.push_back({"CAT50", "One too many"});
    EXPECT_FALSE(Parse(SifText(teams), entries, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              FormatText(Text(Language::English, TextId::TooManyCategories),
                         std::string("/events/entries.txt")));
    EXPECT_TRUE(entries.sCategory.empty());
    EXPECT_TRUE(entries.teams.empty());
}

TEST(SifFile, TextIsUtf8WhenValidOtherwiseWindows1252) {
    SifEntries entries;
    RecordingMessageSink messages;
    ASSERT_TRUE(Parse("12345;h\n" + TeamLine("CPM1", "\xC9quipe \xAB\x80\xBB"), entries, messages));
    EXPECT_EQ(entries.teams[0].name, "\xC3\x89quipe \xC2\xAB\xE2\x82\xAC\xC2\xBB");  // Équipe «€»

    const std::string utf8 = "\xC3\x89quipe \xE2\x98\x83 \xF0\x9F\x90\xB4";  // Équipe ☃ 🐴
    ASSERT_TRUE(
        Parse("\xEF\xBB\xBF"
              "12345;h\n" +
                  TeamLine("CPM1", utf8),
              entries, messages));
    EXPECT_EQ(entries.sCompetNr, "12345");  // the byte order mark is no part of it
    EXPECT_EQ(entries.teams[0].name, utf8);

    // NUL bytes are dropped, wherever they are.
    ASSERT_TRUE(Parse(std::string("12\0"
                                  "345;h\n",
                                  9) +
                          TeamLine(std::string("CP\0M1", 5), "A\xC9"),
                      entries, messages));
    EXPECT_EQ(entries.sCompetNr, "12345");
    EXPECT_EQ(entries.teams[0].category, "CPM1");
    EXPECT_EQ(entries.teams[0].name, "A\xC3\x89");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(SifFile, CategoryFullNamesKnownCodesAndKeepsOthers) {
    // The longer code wins over the code it begins with.
    EXPECT_EQ(CategoryFull("COPEP Open Elite Paire 2026"), "Open Elite Paire");
    EXPECT_EQ(CategoryFull("CPJE"), "Junior Elite");  // two entries no set test reaches
    EXPECT_EQ(CategoryFull("CL2"), "Club 2");
    EXPECT_EQ(CategoryFull("XYZ9 Some category"), "XYZ9 Some category");
    EXPECT_EQ(CategoryFull("cpm1 lower case"), "cpm1 lower case");
    EXPECT_EQ(CategoryFull("CPM12"), "CPM12");
    EXPECT_EQ(CategoryFull(""), "");
    EXPECT_EQ(CategoryCode("COPEP Open"), "COPEP");
    EXPECT_EQ(CategoryCode("COPEP"), "COPEP");
}

TEST(SifFile, ReadingAFileReportsOpenFailures) {
    zavtest::TempDir dir;
    SifEntries entries;
    RecordingMessageSink messages;
    EXPECT_FALSE(
        ReadSifFile(dir.File("missing.txt"), entries, Reporter(Language::French, messages)));
    EXPECT_FALSE(
        ReadSifFile(dir.Path(), entries, Reporter(Language::French, messages)));  // a folder
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text,
              FormatText(Text(Language::French, TextId::ErrorOpening), dir.File("missing.txt")));

    zavtest::WriteFile(dir.File("e.txt"), SifText({{"CPM1", "A"}, {"CPM2", "B"}}));
    ASSERT_TRUE(ReadSifFile(dir.File("e.txt"), entries, Reporter(Language::French, messages)));
    EXPECT_EQ(entries.teams.size(), 2u);
}

}  // namespace
}  // namespace zav
