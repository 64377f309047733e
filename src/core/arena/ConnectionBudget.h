// How many connections the arena network holds, and whose go first when it
// is full. A connection still sending its request is "pending": a slow or
// hostile device can open many of them, so past a few per address its
// oldest pending ones make room for a new one (a judge's request, read in a
// moment, is never the oldest for long). Watchers hold their place until
// they leave, within a bound per address; the total bound keeps the
// descriptors the system gives.
#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <vector>

namespace zav {

struct ConnectionLimits {
    int total = 8000;
    int pendingPerAddress = 32;
    int watchersPerAddress = 1000;
};

class ConnectionBudget {
public:
    using Id = std::uint64_t;
    explicit ConnectionBudget(ConnectionLimits limits) : limits_(limits) {}

    // A new connection from `address`, pending; the connections to close to
    // make room for it (pending ones, oldest first). False: no room could be
    // made (every place is a watcher's), and it is not counted.
    bool Open(Id id, const std::string& address, std::vector<Id>& close);
    // Its request read and answered: no longer pending.
    void Answered(Id id);
    // It reads its next request (a kept-alive connection): pending again.
    void Reading(Id id);
    // Its request asks to watch: false when its address has all the
    // watchers it may have (it stays counted as it was).
    bool Watch(Id id);
    void Closed(Id id);

    int Connections() const { return static_cast<int>(connections_.size()); }
    int Watchers() const { return watchers_; }

private:
    enum class State { Pending, Answered, Watching };
    struct Connection {
        std::string address;
        State state = State::Pending;
        std::list<Id>::iterator pendingAt;  // in pending_, while pending
    };
    struct Address {
        std::list<Id> pending;  // oldest first
        int connections = 0;
        int watchers = 0;
    };
    void MarkPending(Id id, Connection& connection);
    void UnmarkPending(Id id, Connection& connection);

    const ConnectionLimits limits_;
    std::map<Id, Connection> connections_;
    std::map<std::string, Address> addresses_;
    std::list<Id> pending_;  // every address's, oldest first
    int watchers_ = 0;
};

}  // namespace zav
