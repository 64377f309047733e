// The upload tests' servers for a test that runs elsewhere (the Windows
// program under Wine): SFTP and WebDAV on 127.0.0.1 in the scratch folder
// given, their addresses printed one per line, stopped when standard input
// closes.
#include <iostream>
#include <string>

#include "core/upload/LoopbackServers.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zavtest_servers SCRATCH_FOLDER\n";
        return 2;
    }
    const std::string scratch = argv[1];
    zavtest::SftpServer sftp(scratch + "/sftp");
    zavtest::WebDavServer webdav(scratch + "/webdav");
    std::cout << "sftp " << sftp.Url() << "\nssh " << sftp.SshFolder() << "\nsftp-site "
              << sftp.Site() << "\nwebdav " << webdav.Url() << "\nwebdav-password "
              << zavtest::WebDavServer::kPassword << "\nwebdav-site " << webdav.Site() << std::endl;
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return 0;
}
