// publish --upload to a real WebDAV server on loopback, as a scheduled job
// runs it: whatever it prints may end in a log or a mail, so the password
// given in the address is used and never printed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/upload/LoopbackServers.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace {

using zavtest::RunCli;

class PublishUpload : public ::testing::Test {
protected:
    void SetUp() override { unsetenv("ZAVSCORE_UPLOAD_PASSWORD"); }

    zavtest::CliResult Publish(const std::string& url, const std::string& arena) {
        return RunCli({"publish", ZAV_EXAMPLES_DIR "/heat-4-teams.score", dir.File("www"), "--lang",
                       "EN", "--upload", url, "--arena", arena},
                      dir.File("ZAVscore.ini"));
    }
    // The server's address with `password` after its user.
    std::string WithPassword(const std::string& password) const {
        std::string url = server.Url();
        return url.insert(url.find('@'), ":" + password);
    }
    static void ExpectNotPrinted(const zavtest::CliResult& r, const std::string& password) {
        EXPECT_EQ(r.out.find(password), std::string::npos) << r.out;
        EXPECT_EQ(r.err.find(password), std::string::npos) << r.err;
    }

    zavtest::TempDir dir, serverFolder;
    zavtest::WebDavServer server{serverFolder.Path()};
};

// An arena named ".." gets a folder of its own under the site, never the
// site's folder, whose index lists the arenas.
TEST_F(PublishUpload, PasswordInTheAddressLogsInButIsNeverPrinted) {
    const std::string password = zavtest::WebDavServer::kPassword;
    const auto sent = Publish(WithPassword(password), "..");
    ASSERT_EQ(sent.status, 0) << sent.err;
    ExpectNotPrinted(sent, password);
    EXPECT_NE(sent.out.find(server.Url() + "--/index.html\n"), std::string::npos) << sent.out;
    EXPECT_TRUE(std::filesystem::exists(server.Site() + "/--/index.html"));
    EXPECT_TRUE(std::filesystem::exists(server.Site() + "/arenas/--.json"));
    EXPECT_NE(zavtest::ReadFile(server.Site() + "/index.html").find("href=\"--/index.html\""),
              std::string::npos);

    // A refused one, "@" escaped in it, is not printed as typed nor escaped.
    const auto refused = Publish(WithPassword("wrong%40" + password), "Ring 2");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Login refused"), std::string::npos) << refused.err;
    ExpectNotPrinted(refused, password);

    // Nor in the message that says the address is not understood.
    const auto unusable = Publish("sftp://scorer:" + password + "@:22/", "Ring 3");
    EXPECT_EQ(unusable.status, 1);
    EXPECT_NE(unusable.err.find("(sftp://scorer@:22/)"), std::string::npos) << unusable.err;
    ExpectNotPrinted(unusable, password);
    ExpectNotPrinted(RunCli({"publish", "a", "b", "--upload=http://u:" + password + "@h/"},
                            dir.File("ZAVscore.ini")),
                     password);

    // Blanks name no arena's folder: its pages would replace the site's index.
    EXPECT_EQ(Publish(server.Url(), "  ").status, 2);
}

// s3://: the keys from the environment, never printed; the endpoint and
// region from the options, else from the settings file.
TEST_F(PublishUpload, S3KeysComeFromTheEnvironmentAndAWrongSecretIsNamed) {
    using S3 = zavtest::S3Server;
    zavtest::TempDir storeFolder;
    S3 store(storeFolder.Path());
    setenv("ZAVSCORE_S3_ACCESS_KEY_ID", S3::kKeyId, 1);
    setenv("ZAVSCORE_S3_SECRET_ACCESS_KEY", S3::kSecret, 1);
    const std::vector<std::string> publish{
        "publish", ZAV_EXAMPLES_DIR "/heat-4-teams.score", dir.File("www"), "--lang", "EN",
        "--upload"};
    std::vector<std::string> args = publish;
    args.insert(args.end(), {"s3://results/live/", "--s3-endpoint", store.Endpoint(), "--s3-region",
                             S3::kRegion});
    const auto sent = RunCli(args, dir.File("ZAVscore.ini"));
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_NE(sent.out.find("\ns3://results/live/index.html\n"), std::string::npos) << sent.out;
    ExpectNotPrinted(sent, S3::kSecret);
    EXPECT_EQ(zavtest::ReadFile(store.Bucket() + "/live/index.html"),
              zavtest::ReadFile(dir.File("www") + "/index.html"));

    zavtest::WriteFile(dir.File("ZAVscore.ini"), "[Publish]\nS3Endpoint=" + store.Endpoint() +
                                                     "\nS3Region=" + S3::kRegion + "\n");
    setenv("ZAVSCORE_S3_SECRET_ACCESS_KEY", "not-the-secret", 1);
    args = publish;
    args.push_back("s3://results/other/");
    const auto refused = RunCli(args, dir.File("ZAVscore.ini"));
    unsetenv("ZAVSCORE_S3_ACCESS_KEY_ID");
    unsetenv("ZAVSCORE_S3_SECRET_ACCESS_KEY");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Login refused by the server: check the user name and password "
                               "(HTTP 403 SignatureDoesNotMatch)"),
              std::string::npos)
        << refused.err;
    ExpectNotPrinted(refused, "not-the-secret");
    EXPECT_FALSE(std::filesystem::exists(store.Bucket() + "/other"));
}

}  // namespace
