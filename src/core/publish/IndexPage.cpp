#include "publish/IndexPage.h"

#include "encoding/Markup.h"
#include "report/PageFrame.h"

namespace zav {
namespace {

// A file name as a relative link: every byte but the unreserved ones
// percent-encoded, so blanks, accents, "#" and "?" reach the file itself.
std::string LinkTo(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string link;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~') {
            link += c;
        } else {
            link += '%';
            link += kHex[byte >> 4];
            link += kHex[byte & 0x0F];
        }
    }
    return link;
}

// A table cell with the text escaped; an empty cell keeps its borders.
void AppendCell(std::string& page, const std::string& text) {
    page += "<td>";
    page += text.empty() ? "&nbsp;" : EscapeMarkup(text);
    page += "</td>";
}

}  // namespace

std::string PrepareIndexPage(std::string_view heading, const std::vector<IndexEntry>& entries,
                             Language language, const PageStyle& style) {
    std::string page;
    AppendDocumentHead(page, heading);
    page += "<center><table border=0><tr>\n";
    AppendLogoCell(page, style, OutputTarget::File);
    page += "\n<td><center><b><font color=\"" + style.headFont + "\">" + EscapeMarkup(heading) +
            "</font><br>\n<font color=" + style.headFont + ">" +
            Text(language, TextId::PublishIndexSubTitle) +
            "</font></b><br>\n</center></td></tr></table>\n</center>\n";

    page += "<center><table border=1 width=80%><tr bgcolor=" + style.titleBkg + ">";
    for (const TextId column :
         {TextId::PublishTitleColumn, TextId::PublishSubTitleColumn, TextId::PublishDateColumn,
          TextId::PublishResultsColumn, TextId::PublishTimeColumn})
        AppendCell(page, Text(language, column));
    page += "</tr>\n";

    for (std::size_t row = 0; row < entries.size(); ++row) {
        const IndexEntry& entry = entries[row];
        page += "<tr bgcolor=" + RowColour(style, static_cast<int>(row)) + "><td><b>" +
                (entry.title.empty() ? "&nbsp;" : EscapeMarkup(entry.title)) + "</b></td>";
        AppendCell(page, entry.subTitle);
        AppendCell(page, entry.date);
        if (!entry.pageName.empty()) {
            page += "<td><a href=\"" + LinkTo(entry.pageName) + "\">" +
                    Text(language, TextId::PublishLink) + "</a></td>";
        } else {
            page += std::string("<td><font color=") + RedEmphasis(style) + ">" +
                    EscapeMarkup(entry.problem) + "</font></td>";
        }
        AppendCell(page, entry.published);
        page += "</tr>\n";
    }
    page += "</table></center>";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
