#include "sets/SifFile.h"

#include <algorithm>
#include <map>

#include "encoding/Encoding.h"
#include "io/FileRead.h"

namespace zav {

namespace {
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kTeamMark = "NOM_EQU";
constexpr int kCategoryField = 4;
constexpr int kTeamNameField = 7;
constexpr std::string_view kRiderMark = "NOM_CAV";
constexpr int kRiderField = 6;
constexpr int kPonyField = 7;
constexpr int kRiderTeamField = 8;

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::size_t Utf8Length(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string DecodeEntriesText(std::string_view bytes) {
    // A NUL byte is no character of any name: in a sheet file it would cut
    // the text that C string functions see.
    std::string text(bytes);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    if (!IsValidUtf8(text)) return Cp1252ToUtf8(text);
    if (text.compare(0, kUtf8ByteOrderMark.size(), kUtf8ByteOrderMark) == 0)
        text.erase(0, kUtf8ByteOrderMark.size());
    return text;
}

bool IsRiderLine(std::string_view line) {
    const std::size_t at = line.find(kRiderMark);
    return at != std::string_view::npos && at != 0;
}

// Each rider joins the team of its category and name, read before or after.
void AddRiders(std::string_view text, SifEntries& entries) {
    std::map<std::pair<std::string, std::string>, std::size_t> teams;
    for (std::size_t t = 0; t < entries.teams.size(); ++t)
        teams.emplace(std::make_pair(entries.teams[t].category, entries.teams[t].name), t);
    ForEachSifLine(text, [&](std::string_view line) {
        if (IsTeamLine(line) || !IsRiderLine(line)) return;
        const auto team = teams.find(
            {TrouveChampSIF(line, kCategoryField), TrouveChampSIF(line, kRiderTeamField)});
        if (team != teams.end())
            entries.teams[team->second].riders.push_back(
                {TrouveChampSIF(line, kRiderField), TrouveChampSIF(line, kPonyField)});
    });
}
}  // namespace

void ForEachSifLine(std::string_view text, const std::function<void(std::string_view)>& visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            visit(WithoutLineEnd(text.substr(start)));
            return;
        }
        visit(WithoutLineEnd(text.substr(start, end - start)));
        start = end + 1;
    }
}

bool IsTeamLine(std::string_view line) {
    const std::size_t at = line.find(kTeamMark);
    return at != std::string_view::npos && at != 0;
}

std::string TrouveChampSIF(std::string_view line, int n) {
    if (n < 1) return {};
    std::size_t start = 0;
    std::size_t searchFrom = 1;  // a ";" opening the line is part of field 1
    for (int field = 1; field < n; ++field) {
        const std::size_t separator = line.find(';', searchFrom);
        if (separator == std::string_view::npos) return {};
        start = separator + 1;
        searchFrom = start;
    }
    const std::size_t end = line.find(';', searchFrom);
    return std::string(line.substr(start, end == std::string_view::npos ? end : end - start));
}

bool ParseSif(std::string_view bytes, const std::string& path, SifEntries& entries,
              const Reporter& reporter) {
    entries = SifEntries{};
    const std::string text = DecodeEntriesText(bytes);

    const std::string_view firstLine =
        WithoutLineEnd(std::string_view(text).substr(0, std::min(text.find('\n'), text.size())));
    const std::string_view competNr = firstLine.substr(0, firstLine.find(';'));
    if (competNr.empty() || Utf8Length(competNr) > kMaxCompetNrChars) {
        reporter.Show(MessageIcon::Error, TextId::NotSifFile, path);
        return false;
    }

    bool tooManyCategories = false;
    ForEachSifLine(text, [&](std::string_view line) {
        if (tooManyCategories || !IsTeamLine(line)) return;
        std::string category = TrouveChampSIF(line, kCategoryField);
        const auto known = std::find(entries.sCategory.begin(), entries.sCategory.end(), category);
        const auto index = static_cast<std::size_t>(known - entries.sCategory.begin());
        if (known == entries.sCategory.end()) {
            if (entries.sCategory.size() == kMaxCategories) {
                tooManyCategories = true;
                return;
            }
            entries.sCategory.push_back(category);
        }
        entries.teams.push_back(
            {std::move(category), index, TrouveChampSIF(line, kTeamNameField), {}});
    });
    if (tooManyCategories) {
        entries = SifEntries{};
        reporter.Show(MessageIcon::Error, TextId::TooManyCategories, path);
        return false;
    }
    AddRiders(text, entries);
    entries.sCompetNr = std::string(competNr);
    return true;
}

bool ReadSifFile(const std::string& path, SifEntries& entries, const Reporter& reporter) {
    entries = SifEntries{};
    std::string bytes;
    return ReadWholeFile(path, kNoSizeLimit, bytes, reporter) &&
           ParseSif(bytes, path, entries, reporter);
}

}  // namespace zav
