#include "recovery/RecoveryFile.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "paths/PathNames.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"
#include "sheetfile/SheetFile.h"

namespace zav {
namespace {

constexpr std::string_view kFirstLine = "ZAVscore recovery 2\n";
// The first version had no length nor checksum: its files are taken when
// their sheet ends with the sheet file's end mark (they were only ever
// written whole, so a missing end says it was cut short since).
constexpr std::string_view kFirstLineVersion1 = "ZAVscore recovery 1\n";
constexpr std::string_view kSheetEndMark = "</zavscore>\n";
constexpr std::string_view kFolderKey = "folder=";
constexpr std::string_view kNameKey = "name=";
constexpr std::string_view kSetKey = "set=";
constexpr std::string_view kTimeKey = "time=";
constexpr std::string_view kLengthKey = "length=";
constexpr std::string_view kChecksumKey = "checksum=";

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

template <typename Number>
bool TakeNumber(std::string_view& bytes, std::string_view key, Number& number) {
    std::string text;
    if (!TakeLine(bytes, key, text)) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

// FNV-1a: it finds a file damaged or cut short by accident, which is all a
// recovery file needs; no library is worth adding for it.
std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string TimeText(std::time_t when, const char* format) {
    std::tm local{};
    char text[32] = {};
    LocalTime(when, local);
    std::strftime(text, sizeof text, format, &local);
    return text;
}

// Fills the "%s" of `pattern` in order. Each value is filled into the text
// the next fills read again: its own "%" is doubled once per fill to come,
// so that none is taken for a later "%s".
std::string FilledInOrder(std::string text, const std::vector<std::string>& values) {
    for (std::size_t k = 0; k < values.size(); ++k) {
        std::string value = values[k];
        for (std::size_t later = k + 1; later < values.size(); ++later) {
            std::string doubled;
            for (const char c : value) doubled += c == '%' ? std::string("%%") : std::string(1, c);
            value = std::move(doubled);
        }
        text = FormatText(text, value);
    }
    return text;
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
    bytes.append(kLengthKey).append(std::to_string(record.sheetBytes.size())) += '\n';
    bytes.append(kChecksumKey).append(std::to_string(Checksum(record.sheetBytes))) += '\n';
    return bytes.append(record.sheetBytes);
}

bool ParseRecoveryFile(std::string_view bytes, RecoveryRecord& record) {
    const bool version1 = bytes.substr(0, kFirstLineVersion1.size()) == kFirstLineVersion1;
    if (!version1 && bytes.substr(0, kFirstLine.size()) != kFirstLine) return false;
    bytes.remove_prefix(kFirstLine.size());
    long long seconds = 0;
    if (!TakeLine(bytes, kFolderKey, record.folder) || !TakeLine(bytes, kNameKey, record.name) ||
        !TakeLine(bytes, kSetKey, record.setFile) || !TakeNumber(bytes, kTimeKey, seconds))
        return false;
    if (version1) {
        if (bytes.size() < kSheetEndMark.size() ||
            bytes.substr(bytes.size() - kSheetEndMark.size()) != kSheetEndMark)
            return false;
    } else {
        std::size_t length = 0;
        std::uint64_t checksum = 0;
        if (!TakeNumber(bytes, kLengthKey, length) || !TakeNumber(bytes, kChecksumKey, checksum) ||
            bytes.size() != length || Checksum(bytes) != checksum)
            return false;
    }
    record.written = static_cast<std::time_t>(seconds);
    record.sheetBytes = std::string(bytes);
    return true;
}

std::time_t SavedSince(const RecoveryRecord& record, std::time_t recoveryWritten) {
    const std::string file = record.SheetFile();
    if (file.empty()) return 0;
    const FileInfo info = InfoOf(file);
    if (!info.exists || info.modified <= recoveryWritten) return 0;
    return info.modified;
}

std::string RecoveryOffer(const RecoveryRecord& record, std::string_view title, std::time_t savedAt,
                          Language language) {
    const std::string sheet = !record.name.empty() ? record.name
                              : !title.empty()     ? std::string(title)
                                                   : Text(language, TextId::RecoveryNewSheet);
    if (savedAt == 0)
        return FilledInOrder(Text(language, TextId::RecoveryOffer),
                             {sheet, TimeText(record.written, "%Y-%m-%d %H:%M")});
    constexpr const char* kToTheSecond = "%Y-%m-%d %H:%M:%S";
    return FilledInOrder(
        Text(language, TextId::RecoveryOfferOverNewer),
        {sheet, TimeText(record.written, kToTheSecond), TimeText(savedAt, kToTheSecond)});
}

}  // namespace zav
