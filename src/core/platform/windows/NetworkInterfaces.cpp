#include "platform/NetworkInterfaces.h"

// clang-format off
#include <winsock2.h>  // first: the others need its types
#include <ws2tcpip.h>
#include <iphlpapi.h>
// clang-format on

#include "platform/windows/Wide.h"

namespace zav {

void SetListeningOptions(NativeSocket socket) {
    // Windows lets a second program bind a port already listened on unless
    // the first asks for it alone.
    const BOOL yes = TRUE;
    setsockopt(static_cast<SOCKET>(socket), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
               reinterpret_cast<const char*>(&yes), sizeof yes);
}

// Windows counts sockets against no per-process limit of that size.
void RaiseOpenFileLimit() {}

std::vector<NetworkInterface> LocalInterfaces() {
    std::vector<NetworkInterface> addresses;
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    // The list may grow between the two calls: ask again with the new size.
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        result = GetAdaptersAddresses(
            AF_INET, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
            nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (result != NO_ERROR) return addresses;
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter;
         adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp) continue;
        for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
            const auto* address = reinterpret_cast<const sockaddr_in*>(unicast->Address.lpSockaddr);
            if (address->sin_family != AF_INET) continue;
            char text[INET_ADDRSTRLEN] = "";
            if (!inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) continue;
            const std::string shown = text;
            if (shown.rfind("127.", 0) != 0)
                addresses.push_back(
                    {adapter->FriendlyName ? Utf8(adapter->FriendlyName) : "", shown});
        }
    }
    return addresses;
}

}  // namespace zav
