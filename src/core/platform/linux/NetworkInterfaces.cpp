#include "platform/NetworkInterfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>

namespace zav {

void SetListeningOptions(NativeSocket socket) {
    // Linux never lets two listeners share a port without SO_REUSEPORT, so
    // SO_REUSEADDR only allows the restart.
    const int yes = 1;
    setsockopt(static_cast<int>(socket), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

void RaiseOpenFileLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

std::vector<NetworkInterface> LocalInterfaces() {
    std::vector<NetworkInterface> addresses;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return addresses;
    for (const ifaddrs* item = list; item; item = item->ifa_next) {
        if (!item->ifa_addr || item->ifa_addr->sa_family != AF_INET) continue;
        char text[INET_ADDRSTRLEN] = "";
        const auto* address = reinterpret_cast<const sockaddr_in*>(item->ifa_addr);
        if (!inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) continue;
        const std::string shown = text;
        if (shown.rfind("127.", 0) != 0)
            addresses.push_back({item->ifa_name ? item->ifa_name : "", shown});
    }
    freeifaddrs(list);
    return addresses;
}

}  // namespace zav
