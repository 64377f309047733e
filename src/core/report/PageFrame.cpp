#include "report/PageFrame.h"

#include "encoding/Markup.h"
#include "platform/NativePath.h"

namespace zav {
namespace {

// The head's last line before the character set declaration, where a refresh
// line goes.
constexpr std::string_view kStyleEnd = "</style>\n";

}  // namespace

std::string LogoReference(const PageStyle& style, OutputTarget target) {
    if (target == OutputTarget::File) return style.logoName;
    return style.logoPath + kPathSeparator + style.logoName;
}

void AppendDocumentHead(std::string& page, const ScoreSheet& sheet) {
    AppendDocumentHead(page, sheet.sTitle);
}

void AppendDocumentHead(std::string& page, std::string_view title) {
    page += "<html>\n<head><title>";
    page += EscapeMarkup(title);
    page +=
        "</title>\n<style>\n"
        "body { font-family: Arial, Helvetica, sans-serif; font-size: 10px; margin: 5px; }\n"
        "table { font-family: Arial, Helvetica, sans-serif; font-size: 10px; margin: 0px; }\n"
        "td { font-family: Arial, Helvetica, sans-serif; font-size: 10px; margin: 0px; }\n";
    page += kStyleEnd;
    page +=
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\"></head>\n"
        "<body>";
}

void PrepareHeader(std::string& page, const ScoreSheet& sheet, OutputTarget target,
                   Language language, const PageStyle& style) {
    page.clear();
    AppendDocumentHead(page, sheet);
    page += "<center><table border=0><tr>\n";
    AppendLogoCell(page, style, target);

    page += "\n<td><center><b><font color=\"";
    page += style.headFont;
    page += "\">";
    page += EscapeMarkup(sheet.sTitle);
    page += "</font><br>\n<font color=";
    page += style.headFont;
    page += ">";
    page += EscapeMarkup(sheet.sSubTitle);
    page += "</font></b><br>\n";

    page += EscapeMarkup(sheet.sDate);
    page += " - ";
    page += EscapeMarkup(sheet.sAmPm);
    if (!sheet.sReferee.empty()) {
        page += " - ";
        page += Text(language, TextId::RefereeLabel);
        page += EscapeMarkup(sheet.sReferee);
    }
    page += "</center></td></tr></table>\n</center>\n";
}

void AppendLogoCell(std::string& page, const PageStyle& style, OutputTarget target) {
    if (style.logoPath.empty()) return;
    page += "<td><img height=\"100\" align=\"center\" hspace=\"10\" vspace=\"10\" src=\"";
    page += EscapeAttribute(LogoReference(style, target));
    page += "\"></td>";
}

void AddRefresh(std::string& page, int seconds) {
    // The title before it is escaped, so the first end of style is the head's.
    const std::size_t at = page.find(kStyleEnd);
    if (at == std::string::npos) return;
    page.insert(at + kStyleEnd.size(),
                "<meta http-equiv=\"refresh\" content=\"" + std::to_string(seconds) + "\">\n");
}

void PrepareFooter(std::string& page) {
    page += "</body></html>";
}

}  // namespace zav
