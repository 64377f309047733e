#include "report/PageExport.h"

#include "io/FileRead.h"
#include "paths/PathNames.h"
#include "report/PageBytes.h"
#include "report/PageFrame.h"

namespace zav {

FileUpdate WriteExportedPage(const std::string& page, const std::string& path, Rewrite rewrite,
                             Links links, const Reporter& reporter) {
    return UpdateWholeFile(path, EncodePageBytes(page), rewrite, links, reporter);
}

FileUpdate CopyLogo(const PageStyle& style, const std::string& pagePath, Rewrite rewrite,
                    Links links, const Reporter& reporter) {
    if (style.logoPath.empty()) return FileUpdate::Unchanged;
    const std::string source = LogoReference(style, OutputTarget::WindowOrPrinter);
    std::string bytes;
    FileRead read = ReadFileBytes(source, bytes, kMaxLogoBytes);
    // A logo that cannot be read to its end is as good as missing.
    if (read.status == ReadStatus::ReadFailed) read.status = ReadStatus::OpenFailed;
    if (!ReportRead(read, source, reporter, MessageIcon::Information)) return FileUpdate::Failed;
    const std::string target = SiblingPath(pagePath, style.logoName);
    if (style.logoName.empty()) {
        static_cast<void>(ReportWrite(ReplaceResult::CreateFailed, target, reporter));
        return FileUpdate::Failed;
    }
    return UpdateWholeFile(target, bytes, rewrite, links, reporter);
}

ExportResult ExportPage(const std::string& page, const std::string& path, const PageStyle& style,
                        const Reporter& reporter) {
    if (WriteExportedPage(page, path, Rewrite::Always, Links::Follow, reporter) ==
        FileUpdate::Failed)
        return ExportResult::PageFailed;
    return CopyLogo(style, path, Rewrite::Always, Links::Follow, reporter) == FileUpdate::Failed
               ? ExportResult::LogoFailed
               : ExportResult::Written;
}

}  // namespace zav
