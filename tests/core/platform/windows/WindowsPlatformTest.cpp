// What the Windows build does its own way: the user's folders, file names
// beyond the ANSI code page, the read-only attribute, a file another program
// holds open, and the lock that tells a running program's recovery file.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <map>

#include "io/FileWrite.h"
#include "paths/CreateFolders.h"
#include "paths/PathNames.h"
#include "paths/ProgramFiles.h"
#include "platform/NativePath.h"
#include "recovery/RecoveryStore.h"
#include "report/PlacementPictures.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "texts/Messages.h"

using namespace zav;

namespace {

std::wstring WideOf(const std::string& path) {
    return NativePath(path).wstring();
}

TEST(WindowsPlatform, SettingsAndDocumentsRoamWithTheUserRecoveryStaysOnTheComputer) {
    const std::map<std::string, std::string> variables = {
        {"APPDATA", R"(C:\Users\Ann\AppData\Roaming)"},
        {"LOCALAPPDATA", R"(C:\Users\Ann\AppData\Local)"}};
    const Environment env = [&](const std::string& name) -> std::optional<std::string> {
        const auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional(it->second);
    };
    EXPECT_EQ(UserStateFolder(env), R"(C:\Users\Ann\AppData\Local\ZAVscore)");
    EXPECT_EQ(UserReferenceFolder(env), R"(C:\Users\Ann\AppData\Roaming\ZAVscore\documents)");
    EXPECT_EQ(UserPlacementFolder(env), R"(C:\Users\Ann\AppData\Roaming\ZAVscore\placement)");
    zavtest::TempDir program;
    EXPECT_EQ(SettingsFilePath(env, program.Path()),
              R"(C:\Users\Ann\AppData\Roaming\ZAVscore\ZAVscore.ini)");
    // A portable copy keeps its settings beside the program.
    zavtest::WriteFile(program.File("ZAVscore.ini"), "");
    EXPECT_EQ(SettingsFilePath(env, program.Path()), program.Path() + R"(\ZAVscore.ini)");
}

TEST(WindowsPlatform, AccentedNamesAreWindowsOwnUtf16Names) {
    zavtest::TempDir dir;
    const std::string folder = PathInFolder(dir.Path(), "Équipe été");
    const std::string path = PathInFolder(folder, "Équipe été – finale.score");
    ASSERT_TRUE(CreateFolders(folder));
    RecordingMessageSink messages;
    const Reporter reporter(Language::English, messages);
    const ScoreSheet sheet = zavtest::Sample("small-heat.score");
    ASSERT_TRUE(SaveSheet(sheet, path, reporter));
    // Windows lists the file under the name, not a code page's mangling of it.
    const auto entry = std::filesystem::directory_iterator(WideOf(folder));
    ASSERT_NE(entry, std::filesystem::directory_iterator());
    EXPECT_EQ(entry->path().filename().wstring(), L"\u00c9quipe \u00e9t\u00e9 \u2013 finale.score");
    ScoreSheet loaded;
    ASSERT_TRUE(LoadSheet(loaded, path, reporter));
    // The same bytes as on Linux.
    EXPECT_EQ(zavtest::ReadFile(path), SheetFileBytes(sheet, Language::English));
    EXPECT_TRUE(messages.messages.empty());
}

TEST(WindowsPlatform, ReadOnlyAndHeldOpenFilesAreLeftAsTheyWere) {
    zavtest::TempDir dir;
    const std::string path = dir.File("heat.score");
    zavtest::WriteFile(path, "old");
    ASSERT_TRUE(SetFileAttributesW(WideOf(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ReplaceFileContents(path, "new"), ReplaceResult::ReadOnly);
    ASSERT_TRUE(SetFileAttributesW(WideOf(path).c_str(), FILE_ATTRIBUTE_NORMAL));

    // Opened as a spreadsheet program opens it: others may read, not remove.
    const HANDLE held = CreateFileW(WideOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RecordingMessageSink messages;
    EXPECT_FALSE(WriteWholeFile(path, "new", Reporter(Language::English, messages)));
    CloseHandle(held);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              FormatText(Text(Language::English, TextId::FileInUse), path));
    EXPECT_EQ(zavtest::ReadFile(path), "old");
    EXPECT_EQ(zavtest::FilesIn(dir.Path()), 1u);  // no new file left beside it

    EXPECT_EQ(ReplaceFileContents(path, "new"), ReplaceResult::Done);
    EXPECT_EQ(zavtest::ReadFile(path), "new");
}

TEST(WindowsPlatform, ARunningProgramsRecoveryFileIsNotTakenAnEndedOnesIs) {
    zavtest::TempDir dir;
    ScoreSheet sheet = zavtest::FullSampleSheet();
    sheet.sFullFileName = PathInFolder(dir.Path(), "heat.score");
    {
        auto session = RecoverySession::Start(dir.Path());
        ASSERT_TRUE(session);
        ASSERT_TRUE(session->Write(RecoveryRecordOf(sheet, Language::French, 1700000000)));
        EXPECT_TRUE(TakeLeftRecoveries(dir.Path()).offers.empty());
    }
    std::vector<LeftRecovery> left = TakeLeftRecoveries(dir.Path()).offers;
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Record().SheetFile(), sheet.sFullFileName);
    left[0].Discard();
    EXPECT_EQ(zavtest::FilesIn(dir.Path()), 0u);
}

}  // namespace
