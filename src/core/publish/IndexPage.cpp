#include "publish/IndexPage.h"

#include "encoding/Markup.h"
#include "publish/Publication.h"
#include "report/PageFrame.h"
#include "report/PhonePage.h"

namespace zav {

std::string PageLink(std::string_view name) {
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

namespace {

// The table for a wide screen, a list for a phone: one or the other shows.
constexpr const char* kNarrowStyle =
    ".narrow { display: none; }\n"
    "@media (max-width: 640px) {\n"
    "  body, td { font-size: 16px; }\n"
    "  .wide { display: none; }\n"
    "  .narrow { display: block; }\n"
    "  .narrow a { display: block; padding: 10px 4px; border-bottom: 1px solid #ccc;"
    " font-size: 18px; text-decoration: none; overflow-wrap: anywhere; }\n"
    "  .narrow small { display: block; font-size: 13px; color: #555; }\n"
    "  .narrow small span { white-space: nowrap; }\n"
    "}\n";

// The standing escaped, a provisional one in the red of the pages' warnings.
std::string StandingMarkup(const IndexEntry& entry, const PageStyle& style) {
    if (entry.official || entry.standing.empty()) return EscapeMarkup(entry.standing);
    return std::string("<font color=") + RedEmphasis(style) + ">" + EscapeMarkup(entry.standing) +
           "</font>";
}

// Each sheet as a phone names it, briefly: the event's title is the page's
// heading already.
void AppendPhoneList(std::string& page, const std::vector<IndexEntry>& entries,
                     const PageStyle& style) {
    page += "<div class=\"narrow\">\n";
    for (const IndexEntry& entry : entries) {
        const std::string name = PhoneSheetName(entry.title, entry.subTitle);
        if (entry.pageName.empty()) {
            page += "<p><b>" + EscapeMarkup(name) + "</b><br><font color=" + RedEmphasis(style) +
                    ">" + EscapeMarkup(entry.problem) + "</font></p>\n";
            continue;
        }
        std::string when = EscapeMarkup(entry.date);
        if (!when.empty() && !entry.published.empty()) when += " &middot; ";
        when += EscapeMarkup(entry.published);
        if (!when.empty() && !entry.standing.empty()) when += " &middot; ";
        // The standing kept on one line: "Official 2026-05-12 11:40".
        if (!entry.standing.empty()) when += "<span>" + StandingMarkup(entry, style) + "</span>";
        page += "<a href=\"" + PageLink(PhonePageName(entry.pageName)) + "\">" +
                EscapeMarkup(name) + "<small>" + when + "</small></a>\n";
    }
    page += "</div>\n";
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
    page.insert(page.find("</style>"), kNarrowStyle);
    page.insert(page.find("<head>") + 6,
                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    page += "<center><table border=0><tr>\n";
    AppendLogoCell(page, style, OutputTarget::File);
    page += "\n<td><center><b><font color=\"" + style.headFont + "\">" + EscapeMarkup(heading) +
            "</font><br>\n<font color=" + style.headFont + ">" +
            Text(language, TextId::PublishIndexSubTitle) +
            "</font></b><br>\n</center></td></tr></table>\n</center>\n";

    AppendPhoneList(page, entries, style);
    page += "<center class=\"wide\"><table border=1 width=80%><tr bgcolor=" + style.titleBkg + ">";
    for (const TextId column :
         {TextId::PublishTitleColumn, TextId::PublishSubTitleColumn, TextId::PublishDateColumn,
          TextId::PublishResultsColumn, TextId::PublishStandingColumn, TextId::PublishTimeColumn})
        AppendCell(page, Text(language, column));
    page += "</tr>\n";

    for (std::size_t row = 0; row < entries.size(); ++row) {
        const IndexEntry& entry = entries[row];
        page += "<tr bgcolor=" + RowColour(style, static_cast<int>(row)) + "><td><b>" +
                (entry.title.empty() ? "&nbsp;" : EscapeMarkup(entry.title)) + "</b></td>";
        AppendCell(page, entry.subTitle);
        AppendCell(page, entry.date);
        if (!entry.pageName.empty()) {
            page += "<td><a href=\"" + PageLink(entry.pageName) + "\">" +
                    Text(language, TextId::PublishLink) + "</a></td>";
        } else {
            page += std::string("<td><font color=") + RedEmphasis(style) + ">" +
                    EscapeMarkup(entry.problem) + "</font></td>";
        }
        const std::string standing = StandingMarkup(entry, style);
        page += "<td>" + (standing.empty() ? std::string("&nbsp;") : standing) + "</td>";
        AppendCell(page, entry.published);
        page += "</tr>\n";
    }
    page += "</table></center>";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
