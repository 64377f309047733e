#include <gtest/gtest.h>

#include "io/Paths.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

namespace zav {
namespace {

using zavtest::TempDir;
using zavtest::WriteFile;

std::string SetWithEntries(int count, const std::string& declaration = "iso-8859-1") {
    std::string text = "<?xml version=\"1.0\" encoding=\"" + declaration + "\"?>\n<zavscore>\n";
    for (int i = 0; i < count; ++i) text += "\t<file>s" + std::to_string(i) + ".pscore</file>\n";
    return text + "</zavscore>\n";
}

bool Parse(const std::string& bytes, EncodingMark mark, std::vector<std::string>& names,
           RecordingMessageSink& messages) {
    return ParseSetFile(bytes, mark, "set.mscore", names, Reporter(Language::English, messages));
}

TEST(SetFile, WrittenBytesReadBackAsTheSameNames) {
    const std::vector<std::string> names = {"ev_Minime 1.pscore", "ev_B&B <Open>.pscore",
                                            "ev_r\xC3\xA9gion.pscore"};
    const std::string bytes = SetFileBytes(names);
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n", 0), 0u);
    EXPECT_NE(bytes.find("\t<file>ev_B&amp;B &lt;Open&gt;.pscore</file>\n"), std::string::npos);
    EXPECT_NE(bytes.find("\t<file>ev_r\xE9gion.pscore</file>\n"), std::string::npos);
    std::vector<std::string> read;
    RecordingMessageSink messages;
    ASSERT_TRUE(Parse(bytes, EncodingMark::Required, read, messages));
    EXPECT_EQ(read, names);
}

// A name that merely mentions "UTF-8" must not switch a Windows-1252 file's decoding.
TEST(SetFile, TheDeclarationNotANameDecidesTheEncoding) {
    std::vector<std::string> read;
    RecordingMessageSink messages;
    const std::string latin =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<zavscore>\n"
        "\t<file>UTF-8 r\xE9gion \xC3\xA9.pscore</file>\n</zavscore>\n";
    ASSERT_TRUE(Parse(latin, EncodingMark::Required, read, messages));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], "UTF-8 r\xC3\xA9gion \xC3\x83\xC2\xA9.pscore");
}

TEST(SetFile, AtMostTheFirstHundredEntriesInFileOrder) {
    std::vector<std::string> names;
    RecordingMessageSink messages;
    ASSERT_TRUE(Parse(SetWithEntries(101), EncodingMark::Required, names, messages));
    ASSERT_EQ(names.size(), kMaxSetEntries);
    EXPECT_EQ(names.front(), "s0.pscore");
    EXPECT_EQ(names.back(), "s99.pscore");
    ASSERT_TRUE(Parse("UTF-8 <zavscore><file>d</file><file>b</file><file>a", EncodingMark::Required,
                      names, messages));
    EXPECT_EQ(names, (std::vector<std::string>{"d", "b"}));  // an unclosed entry is none
    EXPECT_TRUE(messages.messages.empty());
}

TEST(SetFile, RefusesTextsWithoutTheMarksOrAnySheet) {
    struct Case {
        std::string bytes;
        EncodingMark mark;
    };
    const Case refused[] = {
        {SetWithEntries(2, "utf-8"), EncodingMark::Required},  // the mark is case-sensitive
        {"<zavscore><file>a</file>", EncodingMark::Required},
        {"UTF-8 <file>a</file>", EncodingMark::NotRequired},
        {"UTF-8 <zavscore>", EncodingMark::NotRequired},
        {"UTF-8 <zavscore><file>a", EncodingMark::NotRequired},
    };
    for (const Case& c : refused) {
        std::vector<std::string> names = {"kept"};
        RecordingMessageSink messages;
        EXPECT_FALSE(Parse(c.bytes, c.mark, names, messages)) << c.bytes;
        ASSERT_EQ(messages.messages.size(), 1u) << c.bytes;
        EXPECT_EQ(messages.messages[0].text, Text(Language::English, TextId::UnknownEncoding));
        EXPECT_EQ(names, std::vector<std::string>{"kept"});
    }
    std::vector<std::string> names;
    RecordingMessageSink messages;
    EXPECT_TRUE(Parse(SetWithEntries(2, "utf-8"), EncodingMark::NotRequired, names, messages));
    EXPECT_EQ(names.size(), 2u);
}

// Names with a folder could reach files outside the set; the set file read
// as a sheet would be replaced by one at the next save.
TEST(SetFile, EntriesThatAreNoSheetOfTheFolderAreSkippedWithAMessage) {
    std::vector<std::string> names;
    RecordingMessageSink messages;
    ASSERT_TRUE(
        Parse("UTF-8 <zavscore><file>a</file><file>../a</file><file>/etc/passwd</file>"
              "<file>..</file><file></file><file>set.mscore</file><file>b</file>",
              EncodingMark::Required, names, messages));
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              FormatText(Text(Language::English, TextId::SetEntriesSkipped),
                         "[../a] [/etc/passwd] [..] [] [set.mscore]"));

    messages.messages.clear();
    EXPECT_FALSE(
        Parse("UTF-8 <zavscore><file>set.mscore</file>", EncodingMark::Required, names, messages));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, Text(Language::English, TextId::UnknownEncoding));
}

TEST(SetFile, ReadingIsLimitedTo32000Bytes) {
    TempDir dir;
    std::string bytes = SetWithEntries(1);
    bytes += std::string(kMaxSetFileBytes - bytes.size(), ' ');
    WriteFile(dir.File("full.mscore"), bytes);
    WriteFile(dir.File("over.mscore"), bytes + " ");
    std::vector<std::string> names;
    RecordingMessageSink messages;
    EXPECT_TRUE(ReadSetFile(dir.File("full.mscore"), EncodingMark::Required, names,
                            Reporter(Language::English, messages)));
    EXPECT_FALSE(ReadSetFile(dir.File("over.mscore"), EncodingMark::Required, names,
                             Reporter(Language::English, messages)));
    EXPECT_FALSE(ReadSetFile(dir.File("none.mscore"), EncodingMark::Required, names,
                             Reporter(Language::English, messages)));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "File too long = 32001 bytes");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages.messages[1].text, "Error while opening file = " + dir.File("none.mscore"));
}

TEST(SetFile, PathsSplitAtTheLastSeparator) {
    const PathParts parts = DecodePathFile("/home/scorer/events/1234.mscore");
    EXPECT_EQ(parts.sFilePath, "/home/scorer/events");
    EXPECT_EQ(parts.sFileName, "1234.mscore");
    EXPECT_EQ(DecodePathFile("events/a.mscore").sFilePath, "events");
    for (const char* bare : {"1234.mscore", "/1234.mscore", ""}) {
        EXPECT_EQ(DecodePathFile(bare).sFilePath, "") << bare;
        EXPECT_EQ(DecodePathFile(bare).sFileName, "") << bare;
    }
    ScoreSheet sheet;
    sheet.sFileName = "old";
    DecodePathFile("a\\b/c.mscore", sheet);  // a backslash is an ordinary character here
    EXPECT_EQ(sheet.sFilePath, "a\\b");
    EXPECT_EQ(sheet.sFileName, "c.mscore");

    EXPECT_EQ(SiblingPath("/ev/set.mscore", "s.pscore"), "/ev/s.pscore");
    EXPECT_EQ(SiblingPath("set.mscore", "s.pscore"), "s.pscore");
    EXPECT_EQ(SiblingPath("/set.mscore", "s.pscore"), "/s.pscore");
    EXPECT_EQ(PathInFolder("/target", "s.pscore"), "/target/s.pscore");
    EXPECT_EQ(PathInFolder("/target/", "s.pscore"), "/target/s.pscore");
}

TEST(SetFile, TheTitleNamesASheetWithoutTheSetsNameAndExtension) {
    EXPECT_EQ(SetSheetTitle("777.mscore", "777_Minime 1.pscore"), "Minime 1");
    EXPECT_EQ(SetSheetTitle("777.mscore", "777_Minime 1_2.pscore"), "Minime 1_2");
    EXPECT_EQ(SetSheetTitle("777.mscore", "other.pscore"), "other");  // renamed by hand
    EXPECT_EQ(SetSheetTitle("777.mscore", "777_.pscore"), "777_");
}

TEST(SetFile, OpeningASetReadsItsFirstSheetAndKeepsTheSetIdentity) {
    TempDir dir;
    ScoreSheet d;
    d.iTeamsNr = 2;
    d.iGamesNr = 4;
    d.sTitle = "Sheet D";
    d.bScoreSet = 1;
    RecordingMessageSink messages;
    ASSERT_TRUE(SaveSheet(d, dir.File("d.pscore"), Reporter(Language::English, messages)));
    d.sTitle = "Sheet B";  // written without the set marker, as a single sheet copied in
    d.bScoreSet = 0;
    ASSERT_TRUE(SaveSheet(d, dir.File("b.pscore"), Reporter(Language::English, messages)));
    WriteFile(dir.File("set.mscore"), SetFileBytes({"d.pscore", "b.pscore", "a.pscore"}));

    ScoreSheet sheet;
    std::vector<std::string> names;
    ASSERT_TRUE(
        LoadSetSheet(sheet, dir.File("set.mscore"), names, Reporter(Language::English, messages)));
    EXPECT_EQ(names, (std::vector<std::string>{"d.pscore", "b.pscore", "a.pscore"}));
    EXPECT_EQ(sheet.sTitle, "Sheet D");
    EXPECT_EQ(sheet.sMultiFileOpen, dir.File("d.pscore"));
    EXPECT_EQ(sheet.sFilePath, dir.File("d.pscore"));
    EXPECT_EQ(sheet.sMScoreOpen, dir.File("set.mscore"));
    EXPECT_TRUE(sheet.bScoreSet);
    EXPECT_TRUE(messages.messages.empty());

    // Another sheet of the set stays in the set, marker or not: its save must
    // go to its own file, not to one named after the set file.
    ASSERT_TRUE(LoadSheetOfSet(sheet, "b.pscore", Reporter(Language::English, messages)));
    EXPECT_EQ(sheet.sTitle + sheet.sFilePath, "Sheet B" + dir.File("b.pscore"));
    EXPECT_EQ(sheet.sMScoreOpen, dir.File("set.mscore"));
    EXPECT_TRUE(sheet.bScoreSet && sheet.sFullFileName.empty());
    EXPECT_FALSE(LoadSheetOfSet(sheet, "a.pscore", Reporter(Language::English, messages)));
    EXPECT_EQ(sheet.sMultiFileOpen, dir.File("a.pscore"));
    EXPECT_TRUE(sheet.bScoreSet && sheet.sTitle.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    messages.messages.clear();

    // A missing first sheet is reported by the sheet reader; the set still opens.
    WriteFile(dir.File("gone.mscore"), SetFileBytes({"gone.pscore", "d.pscore"}));
    ASSERT_TRUE(
        LoadSetSheet(sheet, dir.File("gone.mscore"), names, Reporter(Language::English, messages)));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(sheet.sMultiFileOpen, dir.File("gone.pscore"));

    // A set file that cannot be read changes nothing.
    sheet.sTitle = "unchanged";
    EXPECT_FALSE(
        LoadSetSheet(sheet, dir.File("none.mscore"), names, Reporter(Language::English, messages)));
    EXPECT_EQ(sheet.sTitle, "unchanged");
    EXPECT_EQ(names.size(), 2u);
}

}  // namespace
}  // namespace zav
