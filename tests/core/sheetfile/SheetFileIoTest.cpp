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

using namespace zav;
namespace fs = std::filesystem;

namespace {

// A valid sheet in a form our writer never produces, padded to `size` bytes.
std::string ForeignFileOfSize(std::size_t size) {
    const std::string head =
        "<?xml version='1.0' encoding='iso-8859-1'?>\n<zavscore>\n<header>\n"
        "<language>EN</language>\n<title>padded</title>\n</header>\n<!--";
    const std::string tail = "-->\n</zavscore>\n";
    return head + std::string(size - head.size() - tail.size(), ' ') + tail;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// Another writer's files are read up to 32000 bytes; this program's own
// (known by their first lines) up to their own limit, so that long texts full
// of markup still open.
TEST(SheetFileIo, ReadingIsLimitedByWhoWroteTheFile) {
    zavtest::TempDir dir;
    const std::string path = dir.File("heat.score");
    ScoreSheet own = zavtest::Sample("full-heat.score");
    std::string longText;  // 254 characters outside Windows-1252, and markup
    while (longText.size() < 2 * 250) longText += "ĉ";
    longText += "&<>&";
    for (int t = 0; t < kMaxTeams; ++t)
        own.sTeamName[t] = own.sTeamColors[t] = own.sColSupContent[t] = own.sARefereeName[t] =
            own.sARefereeTeam[t] = own.sPlaceurName[t] = longText;
    RecordingMessageSink messages;
    ASSERT_TRUE(SaveSheet(own, path, Reporter(Language::English, messages)));
    ASSERT_GT(fs::file_size(path), kMaxSheetFileBytes);
    ScoreSheet read;
    ASSERT_TRUE(LoadSheet(read, path, Reporter(Language::English, messages)));
    EXPECT_EQ(SheetFileBytes(read, Language::English), zavtest::ReadFile(path));

    std::string foreign = zavtest::ReadFile(path);  // the first line of another writer
    foreign.replace(0, foreign.find('\n'), "<?xml version='1.0' encoding='UTF-8'?>");
    std::string huge = SheetFileBytes(zavtest::Sample("full-heat.score"), Language::English);
    huge.insert(huge.size() - 12, kMaxOwnSheetFileBytes + 1 - huge.size(), ' ');
    const struct {
        std::string bytes;
        bool read;
    } cases[] = {{ForeignFileOfSize(kMaxSheetFileBytes), true},
                 {ForeignFileOfSize(kMaxSheetFileBytes + 1), false},
                 {foreign, false},
                 {huge, false}};
    for (const auto& c : cases) {
        zavtest::WriteFile(path, c.bytes);
        messages.messages.clear();
        EXPECT_EQ(LoadSheet(read, path, Reporter(Language::English, messages)), c.read);
        EXPECT_EQ(read.sTitle, c.read ? "padded" : "");
        if (c.read) continue;
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text,
                  FormatText(Text(Language::English, TextId::FileTooLong),
                             static_cast<long>(c.bytes.size())));
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
    }
    EXPECT_EQ(SheetFileLimit(""), kMaxSheetFileBytes);
    EXPECT_EQ(SheetFileLimit(huge.substr(0, 60)), kMaxSheetFileBytes);  // root line cut short
}

TEST(SheetFileIo, OpenFailuresNameThePath) {
    zavtest::TempDir dir;
    ScoreSheet sheet;
    sheet.sTitle = "before";
    RecordingMessageSink messages;
    for (const std::string& path : {dir.File("missing.score"), dir.Path()}) {
        messages.messages.clear();
        EXPECT_FALSE(LoadSheet(sheet, path, Reporter(Language::Italian, messages)));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text,
                  FormatText(Text(Language::Italian, TextId::ErrorOpening), path));
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
        EXPECT_TRUE(sheet.sTitle.empty());
    }
}

TEST(SheetFileIo, SaveKeepsTheFilesPermissionsAndLinks) {
    zavtest::TempDir dir;
    const ScoreSheet sheet = zavtest::Sample("full-heat.score");
    RecordingMessageSink messages;
    const Reporter reporter(Language::English, messages);
    const mode_t previousMask = ::umask(022);

    // A new file has the usual permissions; a replaced one keeps its own.
    const std::string path = dir.File("heat.score");
    EXPECT_TRUE(SaveSheet(sheet, path, reporter));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0644));
    for (const auto mode : {fs::perms(0600), fs::perms(0640), fs::perms(0666)}) {
        fs::permissions(path, mode);
        EXPECT_TRUE(SaveSheet(sheet, path, reporter));
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, mode);
    }
    ::umask(previousMask);

    // Through a relative symbolic link from another folder: the link stays,
    // the file it names is written.
    fs::create_directory(dir.File("links"));
    fs::create_symlink("../heat.score", dir.File("links/heat.score"));
    zavtest::WriteFile(path, "old contents");
    EXPECT_TRUE(SaveSheet(sheet, dir.File("links/heat.score"), reporter));
    EXPECT_TRUE(fs::is_symlink(dir.File("links/heat.score")));
    EXPECT_EQ(zavtest::ReadFile(path), SheetFileBytes(sheet, Language::English));
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"heat.score", "links"}));

    EXPECT_TRUE(SaveSheet(sheet, "", reporter));
    EXPECT_TRUE(messages.messages.empty());
}

// A save that cannot be carried out through to its end says why and leaves
// the old file as it was. The tests run as root too, whom permissions do not
// stop: a file without any write permission is protected all the same, and
// the open-file limit stands in for the folder permission root ignores.
TEST(SheetFileIo, FailedSavesReportAndKeepTheOldFile) {
    zavtest::TempDir dir;
    const ScoreSheet sheet = zavtest::Sample("full-heat.score");
    RecordingMessageSink messages;

    // The target is a folder, or lies in a folder that does not exist.
    fs::create_directory(dir.File("folder.score"));
    for (const std::string& path : {dir.File("folder.score"), dir.File("none/heat.score")}) {
        messages.messages.clear();
        EXPECT_FALSE(SaveSheet(sheet, path, Reporter(Language::German, messages)));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text,
                  FormatText(Text(Language::German, TextId::ErrorCreating), path));
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
    }
    EXPECT_TRUE(fs::is_directory(dir.File("folder.score")));

    const std::string path = dir.File("heat.score");
    zavtest::WriteFile(path, "old contents");
    messages.messages.clear();
    const auto save = [&] { return SaveSheet(sheet, path, Reporter(Language::English, messages)); };
    // Write-protected.
    fs::permissions(path, fs::perms(0444));
    EXPECT_FALSE(save());
    fs::permissions(path, fs::perms(0644));

    // A folder that takes no new file.
    fs::permissions(dir.Path(), fs::perms(0555));
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &previous), 0);
    if (::geteuid() == 0) {
        const int lowestFree = ::open("/dev/null", O_RDONLY);
        ::close(lowestFree);
        rlimit none = previous;
        none.rlim_cur = static_cast<rlim_t>(lowestFree);
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    }
    EXPECT_FALSE(save());
    ::setrlimit(RLIMIT_NOFILE, &previous);
    fs::permissions(dir.Path(), fs::perms(0755));

    // The disk fills up half-way: a file size limit makes the writes fail.
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 100;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_FALSE(save());
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[0].text, "Error writing file = " + path);
    EXPECT_EQ(messages.messages[1].text,
              FormatText(Text(Language::English, TextId::NoFileBeside), path));
    EXPECT_EQ(messages.messages[2].text, "Error writing file = " + path);
    EXPECT_EQ(messages.messages[2].icon, MessageIcon::Information);
    EXPECT_EQ(zavtest::ReadFile(path), "old contents");
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"folder.score", "heat.score"}));
}
