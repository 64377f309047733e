#include "report/PageExport.h"

#include "io/FileRead.h"
#include "io/FileWrite.h"
#include "io/Paths.h"
#include "report/PageBytes.h"
#include "report/PageFrame.h"

namespace zav {
namespace {

bool CopyLogo(const PageStyle& style, const std::string& pagePath, const Reporter& reporter) {
    if (style.logoPath.empty()) return true;
    const std::string source = LogoReference(style, OutputTarget::WindowOrPrinter);
    std::string bytes;
    FileRead read = ReadFileBytes(source, bytes, kMaxLogoBytes);
    // A logo that cannot be read to its end is as good as missing.
    if (read.status == ReadStatus::ReadFailed) read.status = ReadStatus::OpenFailed;
    if (!ReportRead(read, source, reporter, MessageIcon::Information)) return false;
    const std::string target = SiblingPath(pagePath, style.logoName);
    if (style.logoName.empty()) return ReportWrite(ReplaceResult::CreateFailed, target, reporter);
    return WriteWholeFile(target, bytes, reporter);
}

}  // namespace

ExportResult ExportPage(const std::string& page, const std::string& path, const PageStyle& style,
                        const Reporter& reporter) {
    if (!WriteWholeFile(path, EncodePageBytes(page), reporter)) return ExportResult::PageFailed;
    return CopyLogo(style, path, reporter) ? ExportResult::Written : ExportResult::LogoFailed;
}

}  // namespace zav
