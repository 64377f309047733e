#include "arena/EntryGate.h"

#include <random>

namespace zav {
namespace {

// Enough for every phone at a ground, few enough that a flood cannot fill
// the memory.
constexpr std::size_t kMaxDevices = 4096;
constexpr std::size_t kMaxSessions = 4096;
constexpr std::size_t kMaxForms = 4096;

// Comparison in constant time, so the answer's delay tells nothing of the code.
bool SameCode(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

}  // namespace

std::string RandomHex(int bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::random_device source;
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        const unsigned value = source() & 0xFF;
        out += kDigits[value >> 4];
        out += kDigits[value & 0xF];
    }
    return out;
}

EntryGate::EntryGate() {
    std::random_device source;
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 6; ++i) code_ += static_cast<char>('0' + digit(source));
}

EntryGate::CodeCheck EntryGate::TryCode(const std::string& device, std::string_view code,
                                        Clock::time_point now, std::string& token) {
    if (devices_.size() >= kMaxDevices && !devices_.count(device)) {
        for (auto it = devices_.begin(); it != devices_.end();)
            it = it->second.lockedUntil < now ? devices_.erase(it) : std::next(it);
    }
    Device& state = devices_[device];
    if (now < state.lockedUntil) {
        ++refused_;
        return CodeCheck::LockedOut;
    }
    if (!SameCode(code, code_)) {
        ++refused_;
        if (++state.wrong >= kMaxWrongCodes) {
            state.wrong = 0;
            state.lockedUntil = now + kLockout;
        }
        return CodeCheck::Wrong;
    }
    state.wrong = 0;
    if (sessions_.size() >= kMaxSessions) sessions_.erase(sessions_.begin());
    token = RandomHex(16);
    sessions_.insert(token);
    return CodeCheck::Accepted;
}

bool EntryGate::IsSession(std::string_view token) const {
    return !token.empty() && sessions_.find(token) != sessions_.end();
}

std::string EntryGate::NewForm() {
    if (formOrder_.size() >= kMaxForms) {
        forms_.erase(formOrder_.front());
        formOrder_.pop_front();
    }
    std::string form = RandomHex(8);
    forms_.insert(form);
    formOrder_.push_back(form);
    return form;
}

bool EntryGate::UseForm(std::string_view form) {
    const auto it = forms_.find(form);
    if (it == forms_.end()) return false;
    forms_.erase(it);
    return true;
}

}  // namespace zav
