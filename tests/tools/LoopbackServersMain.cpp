// The upload tests' servers for a test that runs elsewhere (the Windows
// program under Wine): SFTP, WebDAV and S3 on 127.0.0.1 in the scratch
// folder given, their addresses printed one per line, stopped when standard
// input closes.
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
    zavtest::S3Server s3(scratch + "/s3");
    using S3 = zavtest::S3Server;
    std::cout << "sftp " << sftp.Url() << "\nssh " << sftp.SshFolder() << "\nsftp-site "
              << sftp.Site() << "\nwebdav " << webdav.Url() << "\nwebdav-password "
              << zavtest::WebDavServer::kPassword << "\nwebdav-site " << webdav.Site()
              << "\ns3 s3://" << S3::kBucket << "/live/\ns3-endpoint " << s3.Endpoint()
              << "\ns3-region " << S3::kRegion << "\ns3-key " << S3::kKeyId << "\ns3-secret "
              << S3::kSecret << "\ns3-site " << s3.Bucket() << "/live" << std::endl;
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return 0;
}
