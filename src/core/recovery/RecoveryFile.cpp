#include "recovery/RecoveryFile.h"

#include <charconv>
#include <filesystem>

#include "io/Paths.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"
#include "sheetfile/SheetFile.h"

namespace zav {
namespace {

constexpr std::string_view kFirstLine = "ZAVscore recovery 1\n";
constexpr std::string_view kFolderKey = "folder=";
constexpr std::string_view kNameKey = "name=";
constexpr std::string_view kSetKey = "set=";
constexpr std::string_view kTimeKey = "time=";

// One value per line: a path may hold any byte but the NUL.
std::string Escaped(std::string_view value) {
    std::string out;
    for (const char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string Unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            ++i;
            out += value[i] == 'n' ? '\n' : value[i];
        } else {
            out += value[i];
        }
    }
    return out;
}

// The value of the line `key` at the start of `bytes`, which moves past it.
bool TakeLine(std::string_view& bytes, std::string_view key, std::string& value) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos || bytes.substr(0, key.size()) != key) return false;
    value = Unescaped(bytes.substr(key.size(), end - key.size()));
    bytes.remove_prefix(end + 1);
    return true;
}

std::string TimeText(std::time_t when) {
    std::tm local{};
    char text[32] = {};
    LocalTime(when, local);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

// A value put in the first "%s" of a text that has a second one: its own
// "%" must not be taken for that one.
std::string FirstOfTwo(std::string_view value) {
    std::string out;
    for (const char c : value) out += c == '%' ? std::string("%%") : std::string(1, c);
    return out;
}

}  // namespace

std::string RecoveryRecord::SheetFile() const {
    return name.empty() ? std::string() : PathInFolder(folder, name);
}

RecoveryRecord RecoveryRecordOf(const ScoreSheet& sheet, Language language, std::time_t when) {
    RecoveryRecord record;
    const std::filesystem::path own =
        NativePath(sheet.bScoreSet ? sheet.sMultiFileOpen : sheet.sFullFileName);
    if (!own.empty()) {
        record.folder = Utf8Path(own.parent_path());
        record.name = Utf8Path(own.filename());
    }
    if (sheet.bScoreSet) record.setFile = sheet.sMScoreOpen;
    record.written = when;
    record.sheetBytes = SheetFileBytes(sheet, language);
    return record;
}

std::string RecoveryFileBytes(const RecoveryRecord& record) {
    std::string bytes(kFirstLine);
    for (const auto& [key, value] : {std::pair{kFolderKey, std::string_view(record.folder)},
                                     {kNameKey, record.name},
                                     {kSetKey, record.setFile}})
        bytes.append(key).append(Escaped(value)) += '\n';
    bytes.append(kTimeKey).append(std::to_string(static_cast<long long>(record.written))) += '\n';
    return bytes.append(record.sheetBytes);
}

bool ParseRecoveryFile(std::string_view bytes, RecoveryRecord& record) {
    if (bytes.substr(0, kFirstLine.size()) != kFirstLine) return false;
    bytes.remove_prefix(kFirstLine.size());
    std::string time;
    if (!TakeLine(bytes, kFolderKey, record.folder) || !TakeLine(bytes, kNameKey, record.name) ||
        !TakeLine(bytes, kSetKey, record.setFile) || !TakeLine(bytes, kTimeKey, time))
        return false;
    long long seconds = 0;
    const auto [end, error] = std::from_chars(time.data(), time.data() + time.size(), seconds);
    if (error != std::errc() || end != time.data() + time.size()) return false;
    record.written = static_cast<std::time_t>(seconds);
    record.sheetBytes = std::string(bytes);
    return true;
}

std::string RecoveryOffer(const RecoveryRecord& record, std::string_view title, Language language) {
    const std::string sheet = !record.name.empty() ? record.name
                              : !title.empty()     ? std::string(title)
                                                   : Text(language, TextId::RecoveryNewSheet);
    return FormatText(FormatText(Text(language, TextId::RecoveryOffer), FirstOfTwo(sheet)),
                      TimeText(record.written));
}

}  // namespace zav
