// Who may send results from the finish line: the entry code shown in the
// window opens a session (an unguessable token) on the judge's phone; five
// wrong codes from one device make it wait a minute. Each result form is good
// for one sending, so a form sent again is refused instead of counted twice.
// Not locked: the server calls it under its own lock.
#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace zav {

class EntryGate {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kMaxWrongCodes = 5;
    static constexpr std::chrono::seconds kLockout{60};

    // A gate with a new code (6 digits).
    EntryGate();

    const std::string& Code() const { return code_; }

    enum class CodeCheck { Accepted, Wrong, LockedOut };
    // The code typed on `device` (its address); an accepted code gives the
    // session's token.
    CodeCheck TryCode(const std::string& device, std::string_view code, Clock::time_point now,
                      std::string& token);
    bool IsSession(std::string_view token) const;

    // A result form's one-use mark, and its use: false when it was never
    // given or was used already.
    std::string NewForm();
    bool UseForm(std::string_view form);

    // Codes refused (wrong or locked out) since the gate was made.
    int Refused() const { return refused_; }

private:
    struct Device {
        int wrong = 0;
        Clock::time_point lockedUntil{};
    };
    std::string code_;
    std::map<std::string, Device> devices_;
    std::set<std::string, std::less<>> sessions_;
    std::set<std::string, std::less<>> forms_;
    std::deque<std::string> formOrder_;  // oldest first, to bound forms_
    int refused_ = 0;
};

// Random bytes from the system's source as hexadecimal digits.
std::string RandomHex(int bytes);

}  // namespace zav
