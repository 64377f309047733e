#include "sets/SetFile.h"

#include "encoding/Encoding.h"
#include "encoding/Markup.h"
#include "io/FileRead.h"
#include "paths/PathNames.h"
#include "sheetfile/SheetFile.h"

namespace zav {

namespace {
constexpr std::string_view kFileOpen = "<file>";
constexpr std::string_view kFileClose = "</file>";

std::string Declaration(bool utf8) {
    return std::string("<?xml version=\"1.0\" encoding=\"") + (utf8 ? "UTF-8" : "iso-8859-1") +
           "\"?>\n";
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Names are held in UTF-8; the set file's XML declaration says how it stores
// them. Without a declaration the text is UTF-8 when it mentions it, else
// Windows-1252, as for sheet files.
std::string DecodeSetText(std::string_view bytes) {
    bool utf8 = Contains(bytes, "UTF-8");
    if (bytes.substr(0, 5) == "<?xml") {
        const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
        constexpr std::string_view kAttribute = "encoding=";
        const std::size_t at = declaration.find(kAttribute);
        if (at != std::string_view::npos) {
            std::string_view value = declaration.substr(at + kAttribute.size());
            if (!value.empty()) value.remove_prefix(1);  // its opening quote
            utf8 = value.substr(0, 6) == "UTF-8\"" || value.substr(0, 6) == "utf-8\"";
        }
    }
    return utf8 ? DecodeUtf8Lenient(bytes) : Cp1252ToUtf8(bytes);
}

bool IsBareFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool SetFileNeedsUtf8(const std::vector<std::string>& sheetFileNames) {
    for (const auto& name : sheetFileNames)
        if (!Utf8ToCp1252(name)) return true;
    return false;
}

std::string SetFileHead(bool utf8) {
    return Declaration(utf8) +
           "<zavscore xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"zavscore_sheet.xsd\">\n"
           "<header>\n"
           "<version>3.1</version>\n";
}

std::string SetFileSheetLine(const std::string& sheetFileName, bool utf8) {
    const std::string escaped = EscapeMarkup(sheetFileName);
    return "\t<file>" + (utf8 ? escaped : Utf8ToCp1252(escaped).value_or("")) + "</file>\n";
}

std::string SetFileTail() {
    return "</header>\n<body>\n</body>\n</zavscore>\n";
}

}  // namespace

std::string SetFileBytes(const std::vector<std::string>& sheetFileNames) {
    const bool utf8 = SetFileNeedsUtf8(sheetFileNames);
    std::string bytes = SetFileHead(utf8);
    for (const auto& name : sheetFileNames) bytes += SetFileSheetLine(name, utf8);
    return bytes + SetFileTail();
}

bool ParseSetFile(std::string_view bytes, EncodingMark mark, std::string_view setFileName,
                  std::vector<std::string>& names, const Reporter& reporter) {
    const auto refuse = [&] {
        reporter.Show(MessageIcon::Error, TextId::UnknownEncoding);
        return false;
    };
    if (mark == EncodingMark::Required && !Contains(bytes, "UTF-8") &&
        !Contains(bytes, "iso-8859-1"))
        return refuse();
    if (!Contains(bytes, "<zavscore") || !Contains(bytes, kFileOpen)) return refuse();

    const std::string text = DecodeSetText(bytes);
    std::vector<std::string> found;
    std::string skipped;
    std::size_t cursor = 0;
    for (std::size_t entries = 0; entries < kMaxSetEntries; ++entries) {
        const std::size_t open = text.find(kFileOpen, cursor);
        if (open == std::string::npos) break;
        const std::size_t start = open + kFileOpen.size();
        const std::size_t close = text.find(kFileClose, start);
        if (close == std::string::npos) break;
        std::string name = UnescapeMarkup(std::string_view(text).substr(start, close - start));
        cursor = close;
        // A name with a folder could reach files outside the set; the set
        // file itself, read as a sheet, would be replaced by one at the next
        // save.
        if (IsBareFileName(name) && name != setFileName)
            found.push_back(std::move(name));
        else
            skipped += (skipped.empty() ? "[" : " [") + name + "]";
    }
    if (!skipped.empty()) reporter.Show(MessageIcon::Error, TextId::SetEntriesSkipped, skipped);
    if (found.empty()) return refuse();
    names = std::move(found);
    return true;
}

bool ReadSetFile(const std::string& path, EncodingMark mark, std::vector<std::string>& names,
                 const Reporter& reporter) {
    std::string bytes;
    return ReadWholeFile(path, kMaxSetFileBytes, bytes, reporter) &&
           ParseSetFile(bytes, mark, FileNameOf(path), names, reporter);
}

PathParts DecodePathFile(std::string_view path) {
    const std::size_t slash = LastSeparator(path);
    if (slash == std::string_view::npos || slash == 0) return {};
    return {std::string(path.substr(0, slash)), std::string(path.substr(slash + 1))};
}

void DecodePathFile(std::string_view path, ScoreSheet& sheet) {
    PathParts parts = DecodePathFile(path);
    sheet.sFilePath = std::move(parts.sFilePath);
    sheet.sFileName = std::move(parts.sFileName);
}

bool LoadSetSheet(ScoreSheet& sheet, const std::string& path, std::vector<std::string>& names,
                  const Reporter& reporter) {
    std::vector<std::string> found;
    if (!ReadSetFile(path, EncodingMark::Required, found, reporter)) return false;
    sheet.sMScoreOpen = path;
    // A first sheet that cannot be read is reported and leaves the set open.
    static_cast<void>(LoadSheetOfSet(sheet, found.front(), reporter));
    names = std::move(found);
    return true;
}

bool LoadSheetOfSet(ScoreSheet& sheet, const std::string& name, const Reporter& reporter) {
    const std::string path = SiblingPath(sheet.sMScoreOpen, name);
    const bool read = LoadSheet(sheet, path, reporter);
    sheet.sMultiFileOpen = path;
    sheet.sFilePath = path;
    sheet.bScoreSet = true;
    return read;
}

std::string SetSheetTitle(const std::string& setFileName, const std::string& sheetFileName) {
    std::string title = sheetFileName;
    const std::string_view extension = ".pscore";
    if (title.size() > extension.size() &&
        title.compare(title.size() - extension.size(), extension.size(), extension) == 0)
        title.erase(title.size() - extension.size());
    const std::string setStem = setFileName.substr(0, setFileName.rfind('.')) + "_";
    if (title.size() > setStem.size() && title.compare(0, setStem.size(), setStem) == 0)
        title.erase(0, setStem.size());
    return title;
}

}  // namespace zav
