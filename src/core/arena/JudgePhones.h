// The judges' phones as the scorer's window lists them: each session opened
// with the entry code, by the name the judge gave (else the phone's
// address), and when the phone was last heard of. A judge's page says it is
// there every few seconds while it is open and the network carries it, so a
// phone not heard of for a while is out of reach. Not locked: the server
// calls it under its own lock.
#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace zav {

struct JudgePhone {
    std::string name;      // the judge's, else the phone's address
    std::string lastSeen;  // local time, "14:32:05"
    bool connected = false;
};

class JudgePhones {
public:
    using Clock = std::chrono::steady_clock;
    // Three of the page's signs of life missed.
    static constexpr std::chrono::seconds kReachable{30};

    void Named(const std::string& session, const std::string& name);
    std::string NameOf(const std::string& session) const;
    // A request of the session's phone.
    void Seen(const std::string& session, const std::string& address, Clock::time_point now,
              const std::string& localTime);
    // Every phone heard of, in the order they first came.
    std::vector<JudgePhone> List(Clock::time_point now) const;

private:
    struct Phone {
        unsigned long long order = 0;
        std::string name, address, lastSeenText;
        Clock::time_point lastSeen{};
    };
    Phone& Of(const std::string& session);
    std::map<std::string, Phone> phones_;  // by session token
    unsigned long long next_ = 0;
};

}  // namespace zav
