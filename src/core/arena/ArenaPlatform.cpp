#include "arena/ArenaPlatform.h"

#include <cerrno>
#include <system_error>

#ifndef _WIN32
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#endif

namespace zav {

#ifdef _WIN32
// Windows lists its adapters through iphlpapi; until that is wired in, the
// scorer serves on every interface and reads the address from the system.
std::vector<std::string> LocalAddresses() {
    return {};
}

void SetListeningOptions(socket_t socket) {
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&yes),
               sizeof yes);
}

void ClearPortError() {
    WSASetLastError(0);
}

PortFailure LastPortFailure() {
    const int error = WSAGetLastError();
    const PortProblem problem = error == WSAEADDRINUSE ? PortProblem::InUse
                                : error == WSAEACCES   ? PortProblem::NotAllowed
                                : error == WSAEADDRNOTAVAIL || error == 0
                                    ? PortProblem::AddressNotAvailable
                                    : PortProblem::Other;
    return {problem, std::system_category().message(error)};
}
#else
void SetListeningOptions(socket_t socket) {
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

void ClearPortError() {
    errno = 0;
}

// No error at all: the address given is none the system could resolve.
PortFailure LastPortFailure() {
    const int error = errno;
    const PortProblem problem = error == EADDRINUSE                 ? PortProblem::InUse
                                : error == EACCES || error == EPERM ? PortProblem::NotAllowed
                                : error == EADDRNOTAVAIL || error == 0
                                    ? PortProblem::AddressNotAvailable
                                    : PortProblem::Other;
    return {problem, std::generic_category().message(error)};
}

std::vector<std::string> LocalAddresses() {
    std::vector<std::string> addresses;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return addresses;
    for (const ifaddrs* item = list; item; item = item->ifa_next) {
        if (!item->ifa_addr || item->ifa_addr->sa_family != AF_INET) continue;
        char text[INET_ADDRSTRLEN] = "";
        const auto* address = reinterpret_cast<const sockaddr_in*>(item->ifa_addr);
        if (!inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) continue;
        const std::string shown = text;
        if (shown.rfind("127.", 0) != 0) addresses.push_back(shown);
    }
    freeifaddrs(list);
    return addresses;
}
#endif

}  // namespace zav
