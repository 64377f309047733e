// The arena network at the process's limit of open descriptors, which a
// desktop sets low: the server says so, and serves again once some are free.
#include <arpa/inet.h>
#include <dirent.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "arena/ArenaServer.h"

namespace zav {
namespace {

int OpenDescriptors() {
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir)) ++count;
        ::closedir(dir);
    }
    return count;
}

TEST(ArenaServerLimits, RunningOutOfDescriptorsIsToldAndServingGoesOn) {
    ArenaServer server;
    std::string reason;
    ASSERT_TRUE(server.Start({"127.0.0.1", 0, false}, reason)) << reason;
    EXPECT_FALSE(server.DescriptorsRanOut());

    // The phones' sockets exist before the limit comes down to what is open:
    // their connections then find no descriptor left for the server's side.
    std::vector<int> phones;
    for (int p = 0; p < 8; ++p) phones.push_back(::socket(AF_INET, SOCK_STREAM, 0));
    rlimit raised{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &raised), 0);
    rlimit low = raised;
    low.rlim_cur = static_cast<rlim_t>(OpenDescriptors());
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(server.Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (const int phone : phones)
        ::connect(phone, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server.DescriptorsRanOut() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &raised), 0);
    EXPECT_TRUE(server.DescriptorsRanOut());

    for (const int phone : phones) ::close(phone);
    httplib::Client client("127.0.0.1", server.Port());
    client.set_connection_timeout(5);
    const auto page = client.Get("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
}

}  // namespace
}  // namespace zav
