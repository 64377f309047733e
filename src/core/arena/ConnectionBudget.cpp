#include "arena/ConnectionBudget.h"

#include <algorithm>

namespace zav {

void ConnectionBudget::MarkPending(Id id, Connection& connection) {
    connection.state = State::Pending;
    connection.pendingAt = pending_.insert(pending_.end(), id);
    addresses_[connection.address].pending.push_back(id);
}

void ConnectionBudget::UnmarkPending(Id id, Connection& connection) {
    if (connection.state != State::Pending) return;
    pending_.erase(connection.pendingAt);
    std::list<Id>& own = addresses_[connection.address].pending;
    own.erase(std::find(own.begin(), own.end(), id));
}

bool ConnectionBudget::Open(Id id, const std::string& address, std::vector<Id>& close) {
    close.clear();
    Address& from = addresses_[address];
    // The address's own slow senders make room first, then anyone's.
    auto ownPending = from.pending.begin();
    const int ownExcess = static_cast<int>(from.pending.size()) - limits_.pendingPerAddress + 1;
    for (int i = 0; i < ownExcess && ownPending != from.pending.end(); ++i)
        close.push_back(*ownPending++);
    auto anyPending = pending_.begin();
    for (int excess = Connections() - static_cast<int>(close.size()) - limits_.total + 1;
         excess > 0 && anyPending != pending_.end(); ++anyPending) {
        if (std::find(close.begin(), close.end(), *anyPending) != close.end()) continue;
        close.push_back(*anyPending);
        --excess;
    }
    if (Connections() - static_cast<int>(close.size()) >= limits_.total) {
        close.clear();
        if (from.connections == 0) addresses_.erase(address);
        return false;
    }
    for (const Id closed : close) Closed(closed);
    Connection& connection = connections_[id];
    connection.address = address;
    ++addresses_[address].connections;
    MarkPending(id, connection);
    return true;
}

void ConnectionBudget::Answered(Id id) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) return;
    UnmarkPending(id, found->second);
    found->second.state = State::Answered;
}

void ConnectionBudget::Reading(Id id) {
    const auto found = connections_.find(id);
    if (found == connections_.end() || found->second.state != State::Answered) return;
    MarkPending(id, found->second);
}

bool ConnectionBudget::Watch(Id id) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) return false;
    Connection& connection = found->second;
    if (connection.state == State::Watching) return true;
    Address& from = addresses_[connection.address];
    if (from.watchers >= limits_.watchersPerAddress) return false;
    UnmarkPending(id, connection);
    connection.state = State::Watching;
    ++from.watchers;
    ++watchers_;
    return true;
}

void ConnectionBudget::Closed(Id id) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) return;
    Connection& connection = found->second;
    UnmarkPending(id, connection);
    Address& from = addresses_[connection.address];
    if (connection.state == State::Watching) {
        --from.watchers;
        --watchers_;
    }
    if (--from.connections == 0) addresses_.erase(connection.address);
    connections_.erase(found);
}

}  // namespace zav
