// Who may send results from the finish line: the entry code shown in the
// window opens a session (an unguessable token) on the judge's phone; five
// wrong codes from one device make it wait a minute. Phones behind one
// address (a hotspot) are told apart by a mark of their own, so one judge's
// typing locks out only that phone; the address has a higher cap, so that a
// client dropping its mark guesses no faster, and the whole network a budget
// past which the code changes. Judges already in keep their sessions. Each result form is good
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
    static constexpr int kMaxWrongCodes = 5;             // from one device
    static constexpr int kMaxWrongCodesPerAddress = 20;  // within a minute
    static constexpr std::chrono::seconds kLockout{60};
    // Wrong codes from the whole network within a window: past them a new
    // code is drawn, so that devices changing their address (a hotspot's
    // range, IPv6) guess no faster than one.
    static constexpr int kMaxWrongCodesNetwork = 100;
    static constexpr std::chrono::minutes kNetworkWindow{10};

    // A gate with a new code (6 digits).
    EntryGate();

    const std::string& Code() const { return code_; }

    enum class CodeCheck { Accepted, Wrong, LockedOut };
    // The code typed on `device` (its mark; empty: none, counted by its
    // address) from `address`; an accepted code gives the session's token.
    CodeCheck TryCode(const std::string& address, const std::string& device, std::string_view code,
                      Clock::time_point now, std::string& token);
    // Whether `mark` has the shape of a device's mark (as RandomHex(16) makes).
    static bool IsDeviceMark(std::string_view mark);
    bool IsSession(std::string_view token) const;

    // A result form's one-use mark, and its use: false when it was never
    // given or was used already.
    std::string NewForm();
    bool UseForm(std::string_view form);

    // Codes refused (wrong or locked out) since the gate was made.
    int Refused() const { return refused_; }
    // How often a new code was drawn because of the network's wrong codes.
    int CodesDrawn() const { return codesDrawn_; }

private:
    struct Attempts {
        int wrong = 0;
        Clock::time_point since{};  // the first wrong code counted
        Clock::time_point lockedUntil{};
        // One more wrong code: the `limit`th locks the key out for a while.
        void CountWrong(int limit, Clock::time_point now) {
            if (++wrong < limit) return;
            wrong = 0;
            lockedUntil = now + kLockout;
        }
    };
    void DrawCode();

    std::string code_;
    Attempts network_;
    int codesDrawn_ = 0;
    std::map<std::string, Attempts> devices_;
    std::map<std::string, Attempts> addresses_;
    // The record of `key`; a full map first forgets those no longer locked out.
    static Attempts& Record(std::map<std::string, Attempts>& records, const std::string& key,
                            Clock::time_point now);
    std::set<std::string, std::less<>> sessions_;
    std::set<std::string, std::less<>> forms_;
    std::deque<std::string> formOrder_;  // oldest first, to bound forms_
    int refused_ = 0;
};

// Random bytes from the system's source as hexadecimal digits.
std::string RandomHex(int bytes);

}  // namespace zav
