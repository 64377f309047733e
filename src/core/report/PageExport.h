// An HTML export: the page as its file holds it, and the logo copied beside
// it so that the two can be moved together (the page names the logo by its
// bare file name).
#pragma once

#include <string>

#include "io/FileWrite.h"
#include "report/PageStyle.h"
#include "texts/Reporter.h"

namespace zav {

// The most a logo may weigh: a page header picture, not a photograph.
constexpr std::size_t kMaxLogoBytes = 32000;

enum class ExportResult {
    Written,     // the page, and the logo when the style has one
    PageFailed,  // the page could not be written (reported); no logo copied
    LogoFailed,  // the page is written, its logo could not be copied (reported)
};

// Writes the UTF-8 `page` to `path` as EncodePageBytes makes it, replacing an
// earlier export only once completely written, then copies the style's logo
// (at most kMaxLogoBytes) into the page's folder. Failures are reported with
// the information icon.
[[nodiscard]] ExportResult ExportPage(const std::string& page, const std::string& path,
                                      const PageStyle& style, const Reporter& reporter);

// The two halves of ExportPage, for callers that write many pages with one
// logo: the page's file, and the logo copied beside the page at `pagePath`
// (Unchanged when the style has no logo).
[[nodiscard]] FileUpdate WriteExportedPage(const std::string& page, const std::string& path,
                                           Rewrite rewrite, Links links, const Reporter& reporter);
[[nodiscard]] FileUpdate CopyLogo(const PageStyle& style, const std::string& pagePath,
                                  Rewrite rewrite, Links links, const Reporter& reporter);

}  // namespace zav
