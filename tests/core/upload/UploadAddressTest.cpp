// The site's address as the user types it: what reaches the server (host,
// port, user, folder) and the addresses of the files under it.
#include <gtest/gtest.h>

#include <string_view>

#include "upload/UploadAddress.h"

namespace zav {
namespace {

TEST(UploadAddress, HostPortUserAndFolderAreTakenApart) {
    const auto sftp = ParseUploadAddress("sftp://an%40ne:p%3Ass%@[::1]:2222/www/r%C3%A9sultats");
    ASSERT_TRUE(sftp);
    EXPECT_EQ(sftp->protocol, UploadProtocol::Sftp);
    EXPECT_EQ(sftp->host, "::1");
    EXPECT_EQ(sftp->port, 2222);
    EXPECT_EQ(sftp->user, "an@ne");
    EXPECT_EQ(sftp->password, "p:ss%");  // a "%" without two hex digits is itself
    EXPECT_EQ(sftp->path, "/www/résultats/");
    EXPECT_EQ(sftp->folderUrl, "sftp://[::1]:2222/www/r%C3%A9sultats/");

    const auto webDav = ParseUploadAddress("https://example.org");
    ASSERT_TRUE(webDav);
    EXPECT_EQ(webDav->protocol, UploadProtocol::WebDav);
    EXPECT_EQ(webDav->port, 0);
    EXPECT_EQ(webDav->path, "/");
    EXPECT_EQ(ParseUploadAddress("ftps://h:990/")->protocol, UploadProtocol::Ftps);
    EXPECT_EQ(ParseUploadAddress("ftp://h:65535/")->port, 65535);
    // A "%" ending the address is itself, whatever follows it in memory.
    const std::string_view cut = std::string_view("ftp://h/a%4142").substr(0, 11);
    EXPECT_EQ(ParseUploadAddress(cut)->path, "/a%4/");
}

TEST(UploadAddress, AnAddressNoServerCouldHaveIsRefused) {
    for (const char* url :
         {"", "mailto:a@b", "sftp://", "sftp:///www", "sftp://h:70000/", "sftp://h:99999999999/",
          "sftp://h:22a/", "sftp://[::1/", "https://h/page?x=1", "https://h/#top"})
        EXPECT_FALSE(ParseUploadAddress(url)) << url;
}

TEST(UploadAddress, FilesAndArenaFoldersUnderTheSite) {
    const UploadAddress site = *ParseUploadAddress("ftp://h/www/");
    EXPECT_EQ(AddressUnder(site, "Arena 1/index #2.html"),
              "ftp://h/www/Arena%201/index%20%232.html");
    const UploadAddress arena = FolderUnder(site, "Arena 1");
    EXPECT_EQ(arena.path, "/www/Arena 1/");
    EXPECT_EQ(AddressUnder(arena, "p.html"), "ftp://h/www/Arena%201/p.html");
    EXPECT_EQ(ArenaFolderName(" ..Ring/B\\C\t "), "Ring-B-C-");
    EXPECT_EQ(ArenaFolderName(" . "), "");
}

}  // namespace
}  // namespace zav
