// A small reader and writer of Windows-style initialisation files: sections in
// square brackets, key=value lines, other lines (comments, blanks) kept as
// they are. Section and key names compare without regard to case, as the
// platform's own functions do; values are taken as they read them, without
// the spaces and tabs around them.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zav {

// The longest value a read gives back whole.
inline constexpr std::size_t kIniValueMax = 254;

// The file's lines as one read found them, for looking up several keys in
// the same state of the file. An absent file has no keys.
class IniContent {
public:
    explicit IniContent(const std::string& path);
    std::optional<std::string> Read(const std::string& section, const std::string& key) const;

private:
    std::vector<std::string> lines_;
};

// The value of key in section, or nothing when the file, the section or the
// key is absent. Values longer than 254 characters are cut, never inside a
// UTF-8 character.
std::optional<std::string> IniRead(const std::string& path, const std::string& section,
                                   const std::string& key);

// Sets key in section to value: replaces the key's line, or adds it at the end
// of its section, or adds the section at the end of the file. The file is
// replaced only by a complete one (io/FileWrite.h). False when it could not be.
[[nodiscard]] bool IniWrite(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& value);
// The same for several keys of one section, in one replacement of the file.
[[nodiscard]] bool IniWrite(const std::string& path, const std::string& section,
                            const std::vector<std::pair<std::string, std::string>>& keys);

}  // namespace zav
