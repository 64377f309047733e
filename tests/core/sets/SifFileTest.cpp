// The entries file's reading rules at their edges; an ordinary file read whole
// is the command-line test's (its golden JSON).
#include <gtest/gtest.h>

#include <algorithm>

#include "core/sets/SifTestData.h"
#include "sets/SifFile.h"
#include "texts/Texts.h"

namespace zav {
namespace {

using zavtest::SifText;
using zavtest::TeamLine;
using Names = std::vector<std::string>;

class SifFile : public ::testing::Test {
protected:
    bool Parse(const std::string& bytes) {
        messages.messages.clear();
        return ParseSif(bytes, "/events/entries.txt", entries,
                        Reporter(Language::English, messages));
    }
    // The refusal `id` naming the file, and nothing left of the entries.
    void ExpectRefused(const std::string& bytes, TextId id) {
        EXPECT_FALSE(Parse(bytes)) << bytes;
        ASSERT_EQ(messages.messages.size(), 1u) << bytes;
        EXPECT_EQ(messages.messages[0].text,
                  FormatText(Text(Language::English, id), std::string("/events/entries.txt")));
        EXPECT_TRUE(entries.teams.empty() && entries.sCategory.empty());
    }
    Names TeamNames() const {
        Names names;
        for (const SifTeam& team : entries.teams) names.push_back(team.name);
        return names;
    }

    SifEntries entries;
    RecordingMessageSink messages;
};

TEST_F(SifFile, CompetitionNumberIsTheFirstFieldOfOneToTenCharacters) {
    const std::pair<std::string, std::string> accepted[] = {
        {"1234567890;rest", "1234567890"},
        {"42", "42"},                                             // no separator: the whole line
        {"7\r\n8;x\n", "7"},                                      // never runs into the next line
        {"\xC3\xA9t\xC3\xA9-2026;x", "\xC3\xA9t\xC3\xA9-2026"}};  // characters, not bytes
    for (const auto& [text, number] : accepted) {
        EXPECT_TRUE(Parse(text)) << text;
        EXPECT_EQ(entries.sCompetNr, number);
        EXPECT_TRUE(messages.messages.empty());
    }
    for (const std::string bad : {"12345678901;rest\n", ";12345;x\n", "", "\n12;x\n"})
        ExpectRefused(bad, TextId::NotSifFile);
}

TEST_F(SifFile, TeamLinesAndTheirFields) {
    const std::pair<const char*, bool> teamLines[] = {
        {"1;NOM_EQU;x", true},
        {"xNOM_EQU", true},
        {"NOM_EQU;1;x", false},
        {"NOM_EQU;1;NOM_EQU", false},  // the first occurrence decides
        {"", false}};
    for (const auto& [line, team] : teamLines) EXPECT_EQ(IsTeamLine(line), team) << line;

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

    // Lines end at LF without their CR; the last needs none; a team line
    // without a name field has an empty name.
    ASSERT_TRUE(Parse("1;head\r\nNOM_EQU;a;b;CPM1;c;d;Skipped\n" + TeamLine("CPM1", "A", "\r\n") +
                      "1;2;NOM_EQU;CPM2\r\n" + TeamLine("CPM1", "C", "")));
    EXPECT_EQ(TeamNames(), (Names{"A", "", "C"}));
    EXPECT_EQ(entries.teams[1].category, "CPM2");
    Names lines;
    ForEachSifLine("a\r\n\nb\rc\n", [&](std::string_view l) { lines.emplace_back(l); });
    EXPECT_EQ(lines, (Names{"a", "", "b\rc"}));
}

TEST_F(SifFile, CategoriesAreDistinctWholeFieldsUpToFifty) {
    std::vector<std::pair<std::string, std::string>> teams;
    const char* categories[] = {"CPM2", "CPM1 Minime 1", "CPM2", "COPE", "CPM1"};
    for (int i = 0; i < 30; ++i) teams.push_back({categories[i % 5], "T" + std::to_string(i)});
    ASSERT_TRUE(Parse(SifText(teams)));
    EXPECT_EQ(entries.sCategory, (Names{"CPM2", "CPM1 Minime 1", "COPE", "CPM1"}));
    ASSERT_EQ(entries.teams.size(), 30u);
    for (const SifTeam& team : entries.teams)
        EXPECT_EQ(entries.sCategory[team.categoryIndex], team.category);

    teams.clear();
    for (int c = 0; c < 50; ++c) teams.push_back({"CAT" + std::to_string(c), "T"});
    teams.push_back({"CAT0", "Same category again"});
    ASSERT_TRUE(Parse(SifText(teams)));
    EXPECT_EQ(entries.sCategory.size(), kMaxCategories);
    teams.push_back({"CAT50", "One too many"});
    ExpectRefused(SifText(teams), TextId::TooManyCategories);
}

TEST_F(SifFile, TextIsUtf8WhenValidOtherwiseWindows1252) {
    ASSERT_TRUE(Parse("12345;h\n" + TeamLine("CPM1", "\xC9quipe \xAB\x80\xBB")));
    EXPECT_EQ(TeamNames(), Names{"\xC3\x89quipe \xC2\xAB\xE2\x82\xAC\xC2\xBB"});  // Équipe «€»

    const std::string utf8 = "\xC3\x89quipe \xE2\x98\x83 \xF0\x9F\x90\xB4";  // Équipe ☃ 🐴
    ASSERT_TRUE(Parse("\xEF\xBB\xBF" + SifText({{"CPM1", utf8}})));
    EXPECT_EQ(entries.sCompetNr, "12345");  // the byte order mark is no part of it
    EXPECT_EQ(TeamNames(), Names{utf8});

    // NUL bytes are dropped, wherever they are.
    std::string nul = "12~345;h\n" + TeamLine("CP~M1", "A\xC9");
    std::replace(nul.begin(), nul.end(), '~', '\0');
    ASSERT_TRUE(Parse(nul));
    EXPECT_EQ(entries.sCompetNr + entries.teams[0].category + entries.teams[0].name,
              "12345CPM1A\xC3\x89");
}

}  // namespace
}  // namespace zav
