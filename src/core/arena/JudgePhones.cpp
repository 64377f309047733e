#include "arena/JudgePhones.h"

#include <algorithm>

namespace zav {
namespace {

// Bounded as the gate's sessions are: a flood of logins cannot grow it.
constexpr std::size_t kMostPhones = 4096;

}  // namespace

JudgePhones::Phone& JudgePhones::Of(const std::string& session) {
    const auto found = phones_.find(session);
    if (found != phones_.end()) return found->second;
    if (phones_.size() >= kMostPhones)
        phones_.erase(std::min_element(
            phones_.begin(), phones_.end(),
            [](const auto& a, const auto& b) { return a.second.lastSeen < b.second.lastSeen; }));
    Phone& phone = phones_[session];
    phone.order = next_++;
    return phone;
}

void JudgePhones::Named(const std::string& session, const std::string& name) {
    Of(session).name = name;
}

std::string JudgePhones::NameOf(const std::string& session) const {
    const auto found = phones_.find(session);
    return found == phones_.end() ? std::string() : found->second.name;
}

void JudgePhones::Seen(const std::string& session, const std::string& address,
                       Clock::time_point now, const std::string& localTime) {
    Phone& phone = Of(session);
    phone.address = address;
    phone.lastSeen = now;
    phone.lastSeenText = localTime;
}

std::vector<JudgePhone> JudgePhones::List(Clock::time_point now) const {
    std::vector<const Phone*> heard;
    for (const auto& [session, phone] : phones_)
        if (!phone.lastSeenText.empty()) heard.push_back(&phone);
    std::sort(heard.begin(), heard.end(),
              [](const Phone* a, const Phone* b) { return a->order < b->order; });
    std::vector<JudgePhone> list;
    for (const Phone* phone : heard)
        list.push_back({phone->name.empty() ? phone->address : phone->name, phone->lastSeenText,
                        now - phone->lastSeen < kReachable});
    return list;
}

}  // namespace zav
