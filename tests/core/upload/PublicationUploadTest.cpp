// Uploads to real servers on loopback: SFTP (Debian's sshd), FTP (pyftpdlib),
// WebDAV (Apache's mod_dav) and S3 (an endpoint checking signatures with
// botocore), each started and stopped by the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>

#include "core/upload/LoopbackServers.h"
#include "platform/NativeFile.h"
#include "support/TempDir.h"
#include "upload/PublicationUpload.h"
#include "upload/UploadWorker.h"

namespace {

using namespace std::chrono_literals;
using zavtest::ReadFile;
using zavtest::WriteFile;

class UploadTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("SSH_AUTH_SOCK");  // the tester's agent is not the test's login
        std::filesystem::create_directories(publication);
        WriteFile(publication + "/a.html", "page a");
        WriteFile(publication + "/b.html", "page b");
        WriteFile(publication + "/index.html", "index 1");
    }

    zav::UploadOutcome Upload(const zav::UploadDestination& destination) {
        return zav::UploadPublication(publication, destination, nullptr, nullptr);
    }

    // The files of the site's folder, hidden ones included.
    static std::vector<std::string> FilesOn(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Every page on the site is a whole one of the publication.
    void ExpectWholePages(const std::string& site) {
        for (const std::string& name : FilesOn(site)) {
            if (name[0] == '.') continue;
            EXPECT_EQ(ReadFile(site + "/" + name), ReadFile(publication + "/" + name)) << name;
        }
    }

    // Everything goes the first time; after two pages change, only they go,
    // and the site holds the pages whole, nothing more.
    void ExpectOnlyChangedFilesTravel(const zav::UploadDestination& site,
                                      const std::string& siteFolder) {
        const std::vector<std::string> all{"a.html", "b.html", "index.html"};
        zav::UploadOutcome first = Upload(site);
        ASSERT_FALSE(first.failure) << first.failure.detail;
        EXPECT_EQ(first.sent, all);
        EXPECT_EQ(FilesOn(siteFolder), all);
        WriteFile(publication + "/b.html", "page b, game 2");
        WriteFile(publication + "/index.html", "index 2");
        zav::UploadOutcome second = Upload(site);
        ASSERT_FALSE(second.failure) << second.failure.detail;
        EXPECT_EQ(second.sent, (std::vector<std::string>{"b.html", "index.html"}));
        EXPECT_EQ(FilesOn(siteFolder), all);
        ExpectWholePages(siteFolder);
    }

    zavtest::TempDir scratch;
    std::string publication = scratch.File("publication");
};

TEST_F(UploadTest, SftpSendsOnlyChangedFilesIndexLastAndRefusesUntrustedServers) {
    zavtest::TempDir serverFolder;
    zavtest::SftpServer server(serverFolder.Path());
    zav::UploadDestination site{server.Url(), "", {"", server.SshFolder()}};
    ExpectOnlyChangedFilesTravel(site, server.Site());
    if (HasFatalFailure()) return;
    EXPECT_EQ(ReadFile(server.Site() + "/b.html"), "page b, game 2");
    EXPECT_EQ(ReadFile(server.Site() + "/index.html"), "index 2");
    EXPECT_TRUE(Upload(site).sent.empty());

    // Another site's address sends everything there.
    zav::UploadDestination arena = site;
    arena.url += "arena-2/";
    EXPECT_EQ(Upload(arena).sent.size(), 3u);

    WriteFile(publication + "/a.html", "page a, game 3");
    const std::string knownHosts = server.SshFolder() + "/known_hosts";
    const std::string trusted = ReadFile(knownHosts);
    WriteFile(knownHosts, "");
    zav::UploadFailure unknown = Upload(site).failure;
    EXPECT_EQ(unknown.error, zav::UploadError::HostUnknown);
    EXPECT_EQ(unknown.detail, "ssh -p " + std::to_string(server.Port()) + " root@127.0.0.1");
    // Another key under the server's name: the client's own will do.
    WriteFile(knownHosts, trusted.substr(0, trusted.find(' ') + 1) +
                              ReadFile(server.SshFolder() + "/id_ed25519.pub"));
    EXPECT_EQ(Upload(site).failure.error, zav::UploadError::HostKeyChanged);
    EXPECT_EQ(ReadFile(server.Site() + "/a.html"), "page a");
}

// FTP stores, then renames in the same session (RNFR/RNTO).
TEST_F(UploadTest, FtpSendsOnlyChangedFilesWholeAndNamesAWrongPassword) {
    zavtest::TempDir serverFolder;
    zavtest::FtpServer server(serverFolder.Path());
    zav::UploadDestination site{server.Url(), "", {zavtest::FtpServer::kPassword, ""}};
    ExpectOnlyChangedFilesTravel(site, server.Site());
    if (HasFatalFailure()) return;

    WriteFile(publication + "/a.html", "page a, game 3");
    site.login.password = "wrong";
    zav::UploadFailure refused = Upload(site).failure;
    EXPECT_EQ(refused.error, zav::UploadError::LoginRefused) << refused.detail;
    EXPECT_EQ(ReadFile(server.Site() + "/a.html"), "page a");

    // The site's index of arenas is made from FTP's plain listing, one name a line.
    for (const char* arena : {"Main arena", "Arena 2"}) {
        const zav::UploadFailure failure =
            Upload({server.Url() + "champ/", arena, {zavtest::FtpServer::kPassword, ""}}).failure;
        ASSERT_FALSE(failure) << failure.detail;
    }
    const std::string index = ReadFile(server.Site() + "/champ/index.html");
    EXPECT_NE(index.find(">Main arena<"), std::string::npos) << index;
    EXPECT_NE(index.find(">Arena 2<"), std::string::npos) << index;
}

TEST_F(UploadTest, WebDavServerStoppedMidwayLeavesNoHalfFileAndTheRetryCatchesUp) {
    zavtest::TempDir serverFolder;
    zavtest::WebDavServer server(serverFolder.Path());
    for (int i = 0; i < 20; ++i)
        WriteFile(publication + "/page" + std::to_string(i) + ".html", std::string(200000, 'x'));
    std::atomic<bool> stopped{false};
    zav::UploadWorker worker(
        [&](const zav::UploadStatus& status) {
            if (status.filesDone == 3 && !stopped.exchange(true)) server.Stop();
        },
        {10ms, 40ms});
    worker.Submit(publication, {server.Url(), "", {zavtest::WebDavServer::kPassword, ""}});

    while (worker.Status().failedAttempts < 2) std::this_thread::sleep_for(10ms);
    const zav::UploadStatus failing = worker.Status();
    EXPECT_EQ(failing.failure.error, zav::UploadError::CannotConnect);
    EXPECT_TRUE(failing.waiting);
    ExpectWholePages(server.Site());
    EXPECT_FALSE(std::filesystem::exists(server.Site() + "/index.html"));

    server.Start();
    ASSERT_TRUE(worker.WaitUntilDone(60s));
    EXPECT_EQ(worker.Status().state, zav::UploadStatus::State::Published);
    ExpectWholePages(server.Site());
    EXPECT_EQ(FilesOn(server.Site()).size(), 23u);  // no temporary file left
}

TEST_F(UploadTest, WrongPasswordIsNamedAndNotTriedAgain) {
    zavtest::TempDir serverFolder;
    zavtest::WebDavServer server(serverFolder.Path());
    zav::UploadWorker worker(nullptr, {1ms, 1ms});
    const std::time_t submitted = std::time(nullptr);
    worker.Submit(publication, {server.Url(), "", {"wrong", ""}});
    ASSERT_TRUE(worker.WaitUntilDone(30s));
    std::this_thread::sleep_for(100ms);
    const zav::UploadStatus status = worker.Status();
    EXPECT_EQ(status.failure.error, zav::UploadError::LoginRefused);
    EXPECT_EQ(status.failedAttempts, 1);
    // Nothing uploaded in this run: the site's page is old since the failure.
    EXPECT_GE(status.failingSince, submitted);
    std::tm local{};
    zav::LocalTime(status.failingSince, local);
    char since[64];
    std::strftime(since, sizeof since, "Not published since %H:%M (Login refused", &local);
    EXPECT_EQ(zav::StatusText(status, zav::Language::English).rfind(since, 0), 0u)
        << zav::StatusText(status, zav::Language::English);
}

TEST_F(UploadTest, HttpsServerWithACertificateNoOneTrustsIsRefused) {
    zavtest::TempDir serverFolder;
    zavtest::WebDavServer server(serverFolder.Path(), true);
    const zav::UploadFailure refused =
        Upload({server.Url(), "", {zavtest::WebDavServer::kPassword, ""}}).failure;
    EXPECT_EQ(refused.error, zav::UploadError::NotTrusted) << refused.detail;
    EXPECT_EQ(zavtest::FilesIn(server.Site()), 0u);
}

// In a folder of the site that is not there yet.
// Besides a damaged entry another program left on the site, which is named
// and left out.
TEST_F(UploadTest, TwoArenasUploadingAtOnceAreBothListed) {
    zavtest::TempDir serverFolder;
    zavtest::WebDavServer server(serverFolder.Path());
    // Writable by the server, which runs as nobody.
    for (const char* folder : {"/champ", "/champ/arenas"}) {
        std::filesystem::create_directory(server.Site() + folder);
        std::filesystem::permissions(server.Site() + folder, std::filesystem::perms::all);
    }
    WriteFile(server.Site() + "/champ/arenas/evil.json",
              R"({"arena": "Evil\uzzzz", "folder": "Evil", "published": "x"})");
    const std::string second = scratch.File("second");
    std::filesystem::copy(publication, second);
    zav::UploadOutcome outcomes[2];
    std::thread other([&] {
        outcomes[1] = zav::UploadPublication(
            second, {server.Url() + "champ/", "Arena 2", {zavtest::WebDavServer::kPassword, ""}},
            nullptr, nullptr);
    });
    outcomes[0] =
        Upload({server.Url() + "champ/", "Main arena", {zavtest::WebDavServer::kPassword, ""}});
    other.join();
    ASSERT_FALSE(outcomes[0].failure) << outcomes[0].failure.detail;
    ASSERT_FALSE(outcomes[1].failure) << outcomes[1].failure.detail;
    EXPECT_EQ(outcomes[0].notes,
              (std::vector<std::string>{"Entrée d'arène illisible sur le site, laissée hors de "
                                        "l'index : arenas/evil.json"}));
    EXPECT_EQ(ReadFile(server.Site() + "/champ/Main arena/b.html"), "page b");
    const std::string index = ReadFile(server.Site() + "/champ/index.html");
    EXPECT_NE(index.find("href=\"Main%20arena/index.html\">Main arena<"), std::string::npos);
    EXPECT_NE(index.find("href=\"Arena%202/index.html\">Arena 2<"), std::string::npos);
}

// Objects are stored at once, each with the type a browser needs (a sheet
// page is ISO-8859-1, as it declares) and a short cache time for pages.
TEST_F(UploadTest, S3StoresSignedObjectsWithTheirTypesAndNamesAWrongSecretOrBucket) {
    zavtest::TempDir serverFolder;
    zavtest::S3Server server(serverFolder.Path());
    using S3 = zavtest::S3Server;
    zav::UploadDestination site{std::string("s3://") + S3::kBucket + "/live/",
                                "",
                                {S3::kSecret, "", S3::kKeyId},
                                zav::Language::English,
                                {server.Endpoint(), S3::kRegion}};
    ExpectOnlyChangedFilesTravel(site, server.Bucket() + "/live");
    if (HasFatalFailure()) return;
    const std::string puts = server.Requests();
    EXPECT_LT(puts.rfind("PUT /results/live/b.html 200"),
              puts.rfind("PUT /results/live/index.html 200"));

    WriteFile(publication + "/sheet.html",
              "<html><head><meta http-equiv=\"content-type\" content=\"text/html; "
              "charset=iso-8859-1\"></head><body>\xc9quipe</body></html>");
    WriteFile(publication + "/logo.png", "\x89PNG");
    ASSERT_EQ(Upload(site).sent, (std::vector<std::string>{"logo.png", "sheet.html"}));
    EXPECT_EQ(server.HeadersOf("live/a.html"), "text/html; charset=utf-8 | max-age=10");
    EXPECT_EQ(server.HeadersOf("live/sheet.html"), "text/html; charset=iso-8859-1 | max-age=10");
    EXPECT_EQ(server.HeadersOf("live/logo.png"), "image/png | max-age=300");
    ExpectWholePages(server.Bucket() + "/live");

    // Refused before anything is stored, and not tried again.
    WriteFile(publication + "/a.html", "page a, game 3");
    zav::UploadDestination wrong = site;
    wrong.login.password = "arena/Secret+kez";
    zav::UploadFailure refused = Upload(wrong).failure;
    EXPECT_EQ(refused.error, zav::UploadError::LoginRefused);
    EXPECT_EQ(refused.detail, "HTTP 403 SignatureDoesNotMatch");
    EXPECT_FALSE(zav::IsRetried(refused.error));
    wrong = site;
    wrong.login.accessKeyId = "SOMEONEELSE";
    EXPECT_EQ(Upload(wrong).failure.detail, "HTTP 403 InvalidAccessKeyId");
    wrong = site;
    wrong.url = "s3://no-such-bucket/live/";
    refused = Upload(wrong).failure;
    EXPECT_EQ(refused.error, zav::UploadError::NoBucket);
    EXPECT_EQ(zav::DescribeFailure(refused, zav::Language::English),
              "This bucket does not exist on the storage: check the s3:// address and the "
              "endpoint (HTTP 404 NoSuchBucket)");
    EXPECT_EQ(ReadFile(server.Bucket() + "/live/a.html"), "page a");

    // Arenas: the site's index is made from ListObjectsV2 pages (two keys
    // each), with a damaged entry named and left out.
    std::filesystem::create_directories(server.Bucket() + "/champ/arenas");
    WriteFile(server.Bucket() + "/champ/arenas/evil.json", "{\"arena\": ");
    zav::UploadOutcome arenas[2];
    for (int i = 0; i < 2; ++i) {
        zav::UploadDestination arena = site;
        arena.url = std::string("s3://") + S3::kBucket + "/champ/";
        arena.arena = i ? "Arena 2" : "Main arena";
        arenas[i] = Upload(arena);
        ASSERT_FALSE(arenas[i].failure) << arenas[i].failure.detail;
    }
    EXPECT_EQ(arenas[1].notes, (std::vector<std::string>{"Arena entry on the site that cannot be "
                                                         "read, left out of the index: "
                                                         "arenas/evil.json"}));
    EXPECT_EQ(ReadFile(server.Bucket() + "/champ/Arena 2/a.html"), "page a, game 3");
    EXPECT_EQ(server.HeadersOf("champ/arenas/Arena 2.json"), "application/json | max-age=10");
    const std::string index = ReadFile(server.Bucket() + "/champ/index.html");
    EXPECT_NE(index.find("href=\"Main%20arena/index.html\">Main arena<"), std::string::npos);
    EXPECT_NE(index.find("href=\"Arena%202/index.html\">Arena 2<"), std::string::npos);
    EXPECT_NE(server.Requests().find("continuation-token=<2>"), std::string::npos);
}

}  // namespace
