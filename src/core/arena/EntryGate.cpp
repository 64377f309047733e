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
    DrawCode();
}

void EntryGate::DrawCode() {
    std::random_device source;
    std::uniform_int_distribution<int> digit(0, 9);
    code_.clear();
    for (int i = 0; i < 6; ++i) code_ += static_cast<char>('0' + digit(source));
}

EntryGate::Attempts& EntryGate::Record(std::map<std::string, Attempts>& records,
                                       const std::string& key, Clock::time_point now) {
    if (records.size() >= kMaxDevices && !records.count(key)) {
        for (auto it = records.begin(); it != records.end();)
            it = it->second.lockedUntil < now ? records.erase(it) : std::next(it);
    }
    return records[key];
}

EntryGate::CodeCheck EntryGate::TryCode(const std::string& address, const std::string& device,
                                        std::string_view code, Clock::time_point now,
                                        std::string& token) {
    Attempts& byDevice = Record(devices_, device.empty() ? address : device, now);
    Attempts& byAddress = Record(addresses_, address, now);
    if (now < byDevice.lockedUntil || now < byAddress.lockedUntil) {
        ++refused_;
        return CodeCheck::LockedOut;
    }
    if (!SameCode(code, code_)) {
        ++refused_;
        byDevice.CountWrong(kMaxWrongCodes, now);
        // The address counts by the minute: the judges' slips of a whole day
        // never add up to a lockout.
        if (now - byAddress.since >= kLockout) {
            byAddress.since = now;
            byAddress.wrong = 0;
        }
        byAddress.CountWrong(kMaxWrongCodesPerAddress, now);
        if (now - network_.since >= kNetworkWindow) {
            network_.since = now;
            network_.wrong = 0;
        }
        if (++network_.wrong >= kMaxWrongCodesNetwork) {
            network_.wrong = 0;
            network_.since = now;
            DrawCode();
            ++codesDrawn_;
        }
        return CodeCheck::Wrong;
    }
    byDevice.wrong = 0;
    if (sessions_.size() >= kMaxSessions) sessions_.erase(sessions_.begin());
    token = RandomHex(16);
    sessions_.insert(token);
    return CodeCheck::Accepted;
}

bool EntryGate::IsDeviceMark(std::string_view mark) {
    return mark.size() == 32 && mark.find_first_not_of("0123456789abcdef") == std::string::npos;
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
