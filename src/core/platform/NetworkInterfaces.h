// What the arena network asks of the system's sockets and interfaces.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zav {

// A socket as the system knows it (a descriptor on Linux, a SOCKET handle on
// Windows), wide enough for both.
using NativeSocket = std::uintptr_t;

struct NetworkInterface {
    std::string name;     // as the system names it ("wlan0", "Wi-Fi")
    std::string address;  // IPv4, dotted
};

// Every interface's IPv4 address but loopback's, in the system's order, for
// the scorer to choose the one the phones reach; empty where the system does
// not tell.
std::vector<NetworkInterface> LocalInterfaces();

// The listening socket's options: the port may be opened again at once after
// a stop, but never shared with another program listening on it.
void SetListeningOptions(NativeSocket socket);

// Raises the process's limit of open descriptors to the most the system
// allows (a desktop starts programs with 1024, a few hundred phones' worth);
// nothing where there is no such limit.
void RaiseOpenFileLimit();

}  // namespace zav
