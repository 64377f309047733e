#include "settings/IniFile.h"

#include <vector>

#include "encoding/Encoding.h"
#include "io/FileRead.h"
#include "io/FileWrite.h"

namespace zav {
namespace {

constexpr std::size_t kMaxValueChars = kIniValueMax;

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// "[name]" gives name; anything else is not a section line.
bool SectionName(const std::string& line, std::string& name) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    const auto close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

// "key=value" gives key; comment lines (';') and lines without '=' are not keys.
bool KeyName(const std::string& line, std::string& key) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#') return false;
    const auto eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(line.substr(0, eq));
    return !key.empty();
}

std::vector<std::string> ReadLines(const std::string& path, bool& exists) {
    std::string bytes;
    exists = ReadFileBytes(path, bytes, kNoSizeLimit).status == ReadStatus::Done;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

IniContent::IniContent(const std::string& path) {
    bool exists = false;
    lines_ = ReadLines(path, exists);
}

std::optional<std::string> IniContent::Read(const std::string& section,
                                            const std::string& key) const {
    bool inSection = false;
    for (const auto& line : lines_) {
        std::string name;
        if (SectionName(line, name)) {
            inSection = EqualNoCase(name, section);
            continue;
        }
        if (!inSection || !KeyName(line, name) || !EqualNoCase(name, key)) continue;
        // As the platform's own reader: without the spaces and tabs around
        // it, backslashes and inner spaces kept.
        return FirstChars(Trim(line.substr(line.find('=') + 1)), kMaxValueChars);
    }
    return std::nullopt;
}

std::optional<std::string> IniRead(const std::string& path, const std::string& section,
                                   const std::string& key) {
    return IniContent(path).Read(section, key);
}

bool IniWrite(const std::string& path, const std::string& section, const std::string& key,
              const std::string& value) {
    return IniWrite(path, section, {{key, value}});
}

namespace {

// Sets one key in the lines of a file, as IniWrite does.
void SetKey(std::vector<std::string>& lines, const std::string& section, const std::string& key,
            const std::string& value) {
    const std::string newLine = key + "=" + value;
    bool inSection = false;
    std::ptrdiff_t sectionEnd = -1;  // index after the last non-blank line of the section
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (SectionName(lines[i], name)) {
            if (inSection) break;
            inSection = EqualNoCase(name, section);
            if (inSection) sectionEnd = static_cast<std::ptrdiff_t>(i) + 1;
            continue;
        }
        if (!inSection) continue;
        if (KeyName(lines[i], name) && EqualNoCase(name, key)) {
            lines[i] = newLine;
            return;
        }
        if (!Trim(lines[i]).empty()) sectionEnd = static_cast<std::ptrdiff_t>(i) + 1;
    }
    if (sectionEnd >= 0) {
        lines.insert(lines.begin() + sectionEnd, newLine);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(newLine);
    }
}

}  // namespace

bool IniWrite(const std::string& path, const std::string& section,
              const std::vector<std::pair<std::string, std::string>>& keys) {
    bool exists = false;
    std::vector<std::string> lines = ReadLines(path, exists);
    for (const auto& [key, value] : keys) SetKey(lines, section, key, value);

    std::string text;
    for (const auto& line : lines) text += line + "\n";

    return ReplaceFileContents(path, text) == ReplaceResult::Done;
}

}  // namespace zav
