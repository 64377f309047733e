// The writer's one layout, byte for byte, in its two encodings (reviewed
// golden files), and the reader giving back every field it stores: reading
// each file and writing it again makes the very same bytes.
#include <gtest/gtest.h>

#include "sheetfile/SheetFile.h"
#include "support/Golden.h"

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

}  // namespace
}  // namespace zav
