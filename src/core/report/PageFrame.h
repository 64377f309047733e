// The frame shared by every page: the document head, the header block (logo,
// title, sub-title, date, period, referee) and the closing tags.
#pragma once

#include <string>
#include <string_view>

#include "report/PageStyle.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

// Where a page goes. The window and the printer read the logo from its own
// folder and get large score fonts; an exported file finds the logo beside
// itself (the export copies it there).
enum class OutputTarget { WindowOrPrinter = 0, File = 1 };

// Starts a page: replaces `page` with the document head and the header block.
void PrepareHeader(std::string& page, const ScoreSheet& sheet, OutputTarget target,
                   Language language, const PageStyle& style);

// The document head alone, up to and including "<body>": title, styles and
// the character set declaration.
void AppendDocumentHead(std::string& page, const ScoreSheet& sheet);
// The same for a page titled `title` (UTF-8, escaped here).
void AppendDocumentHead(std::string& page, std::string_view title);

// The header block's logo cell; nothing when the style has no logo.
void AppendLogoCell(std::string& page, const PageStyle& style, OutputTarget target);

// Adds to the head of a finished page the line that makes a browser load it
// again every `seconds` seconds.
void AddRefresh(std::string& page, int seconds);

void PrepareFooter(std::string& page);

// How the page refers to the logo: the full path for the window and the
// printer, the bare file name in an exported page.
std::string LogoReference(const PageStyle& style, OutputTarget target);

// Background of table row `row` (0-based): rows alternate the two line colours.
inline const std::string& RowColour(const PageStyle& style, int row) {
    return row % 2 == 0 ? style.bkgLine1 : style.bkgLine2;
}

}  // namespace zav
