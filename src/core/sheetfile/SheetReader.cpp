// Reading a sheet file from disk: the size limits, then the parser.
#include "io/FileRead.h"
#include "sheetfile/SheetFile.h"
#include "sheetfile/SheetTags.h"

namespace zav {
namespace {

namespace tags = sheettags;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::size_t SheetFileLimit(std::string_view head) {
    const bool ours =
        (StartsWith(head, tags::kDeclarationLatin) || StartsWith(head, tags::kDeclarationUtf8)) &&
        StartsWith(head.substr(head.find('\n') + 1), tags::kRootOpen);
    return ours ? kMaxOwnSheetFileBytes : kMaxSheetFileBytes;
}

bool ReadSheetBytes(const std::string& path, std::string& bytes, const Reporter& reporter) {
    return ReportRead(ReadFileBytes(path, bytes, kSheetFileHeadBytes, SheetFileLimit), path,
                      reporter);
}

bool LoadSheet(ScoreSheet& sheet, const std::string& path, const Reporter& reporter) {
    std::string bytes;
    if (!ReadSheetBytes(path, bytes, reporter)) {
        SetDataToZero(sheet);  // ParseSheet resets the sheet itself
        return false;
    }
    return ParseSheet(sheet, bytes, reporter);
}

}  // namespace zav
