// Saving and loading through the file system: limits, failures, permissions.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "texts/Texts.h"

namespace zav {
namespace {

namespace fs = std::filesystem;

class SheetFileIo : public ::testing::Test {
protected:
    void ExpectOneMessage(const std::string& text, MessageIcon icon) {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, text);
        EXPECT_EQ(messages.messages[0].icon, icon);
        messages.messages.clear();
    }

    zavtest::TempDir dir;
    const std::string path = dir.File("heat.score");
    const ScoreSheet sheet = zavtest::Sample("full-heat.score");
    RecordingMessageSink messages;
    const Reporter english{Language::English, messages};
};

// Another writer's files are read up to 32000 bytes; this program's own
// (known by their first lines) up to their own limit, so that long texts full
// of markup still open.
TEST_F(SheetFileIo, ReadingIsLimitedByWhoWroteTheFile) {
    ScoreSheet own = sheet;
    std::string longText = "&<>&";  // 250 characters outside Windows-1252, and markup
    for (int k = 0; k < 250; ++k) longText += "ĉ";
    for (int t = 0; t < kMaxTeams; ++t)
        own.sTeamName[t] = own.sTeamColors[t] = own.sColSupContent[t] = own.sARefereeName[t] =
            own.sARefereeTeam[t] = own.sPlaceurName[t] = longText;
    ASSERT_TRUE(SaveSheet(own, path, english));
    ASSERT_GT(fs::file_size(path), kMaxSheetFileBytes);
    ScoreSheet read;
    ASSERT_TRUE(LoadSheet(read, path, english));
    EXPECT_EQ(SheetFileBytes(read, Language::English), zavtest::ReadFile(path));

    // A file of ours padded to 32000 bytes and one more; ours under another
    // writer's first line; ours past its own limit.
    const auto padded = [](std::string bytes, std::size_t size) {
        return bytes.insert(bytes.size() - 12, size - bytes.size(), ' ');
    };
    std::string foreign = zavtest::ReadFile(path);
    foreign.replace(0, foreign.find('\n'), "<?xml version='1.0' encoding='UTF-8'?>");
    const std::string small = SheetFileBytes(ScoreSheet(), Language::English);
    const std::string huge =
        padded(SheetFileBytes(sheet, Language::English), kMaxOwnSheetFileBytes + 1);
    const std::string foreignSmall = "<?xml version='1.0'" + small.substr(small.find(" encoding"));
    const std::pair<std::string, bool> cases[] = {
        {padded(foreignSmall, kMaxSheetFileBytes), true},
        {padded(foreignSmall, kMaxSheetFileBytes + 1), false},
        {foreign, false},
        {huge, false}};
    for (const auto& [bytes, readable] : cases) {
        zavtest::WriteFile(path, bytes);
        read.sTitle = "before";
        EXPECT_EQ(LoadSheet(read, path, english), readable);
        EXPECT_TRUE(read.sTitle.empty());
        if (!readable)
            ExpectOneMessage(FormatText(Text(Language::English, TextId::FileTooLong),
                                        static_cast<long>(bytes.size())),
                             MessageIcon::Error);
    }
    EXPECT_EQ(SheetFileLimit(""), kMaxSheetFileBytes);
    EXPECT_EQ(SheetFileLimit(huge.substr(0, 60)), kMaxSheetFileBytes);  // root line cut short

    for (const std::string& none : {dir.File("missing.score"), dir.Path()}) {
        EXPECT_FALSE(LoadSheet(read, none, Reporter(Language::Italian, messages)));
        ExpectOneMessage(FormatText(Text(Language::Italian, TextId::ErrorOpening), none),
                         MessageIcon::Error);
    }
}

TEST_F(SheetFileIo, SaveKeepsTheFilesPermissionsAndLinks) {
    // A new file has the usual permissions; a replaced one keeps its own.
    const mode_t previousMask = ::umask(022);
    EXPECT_TRUE(SaveSheet(sheet, path, english));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0644));
    for (const auto mode : {fs::perms(0600), fs::perms(0640), fs::perms(0666)}) {
        fs::permissions(path, mode);
        EXPECT_TRUE(SaveSheet(sheet, path, english));
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, mode);
    }
    ::umask(previousMask);

    // Through a relative symbolic link from another folder: the link stays,
    // the file it names is written.
    fs::create_directory(dir.File("links"));
    fs::create_symlink("../heat.score", dir.File("links/heat.score"));
    zavtest::WriteFile(path, "old contents");
    EXPECT_TRUE(SaveSheet(sheet, dir.File("links/heat.score"), english));
    EXPECT_TRUE(fs::is_symlink(dir.File("links/heat.score")));
    EXPECT_EQ(zavtest::ReadFile(path), SheetFileBytes(sheet, Language::English));
    EXPECT_EQ(zavtest::FilesIn(dir.Path()), 2u);  // no file left beside

    EXPECT_TRUE(SaveSheet(sheet, "", english));  // no file yet: nothing to write
    EXPECT_TRUE(messages.messages.empty());
}

// A save that cannot be carried out to its end says why and leaves the old
// file as it was. As root, whom permissions do not stop, a file without write
// permission is protected all the same, and the open-file limit stands in for
// the folder permission root ignores.
TEST_F(SheetFileIo, FailedSavesReportAndKeepTheOldFile) {
    // The target is a folder, or lies in a folder that does not exist.
    fs::create_directory(dir.File("folder.score"));
    for (const std::string& target : {dir.File("folder.score"), dir.File("none/heat.score")}) {
        EXPECT_FALSE(SaveSheet(sheet, target, Reporter(Language::German, messages)));
        ExpectOneMessage(FormatText(Text(Language::German, TextId::ErrorCreating), target),
                         MessageIcon::Information);
    }

    zavtest::WriteFile(path, "old contents");
    fs::permissions(path, fs::perms(0444));  // write-protected
    EXPECT_FALSE(SaveSheet(sheet, path, english));
    fs::permissions(path, fs::perms(0644));
    ExpectOneMessage(FormatText(Text(Language::English, TextId::FileReadOnly), path),
                     MessageIcon::Information);

    fs::permissions(dir.Path(), fs::perms(0555));  // a folder that takes no new file
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &previous), 0);
    if (::geteuid() == 0) {
        const int lowestFree = ::open("/dev/null", O_RDONLY);
        ::close(lowestFree);
        rlimit none = previous;
        none.rlim_cur = static_cast<rlim_t>(lowestFree);
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    }
    EXPECT_FALSE(SaveSheet(sheet, path, english));
    ::setrlimit(RLIMIT_NOFILE, &previous);
    fs::permissions(dir.Path(), fs::perms(0755));
    ExpectOneMessage(FormatText(Text(Language::English, TextId::NoFileBeside), path),
                     MessageIcon::Information);

    // The disk fills up half-way: a file size limit makes the writes fail.
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 100;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_FALSE(SaveSheet(sheet, path, english));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    ExpectOneMessage("Error writing file = " + path, MessageIcon::Information);

    EXPECT_EQ(zavtest::ReadFile(path), "old contents");
    EXPECT_EQ(zavtest::FilesIn(dir.Path()), 2u);  // the folder and the old file alone
}

}  // namespace
}  // namespace zav
