#include "arena/JudgeCard.h"

#include "encoding/Markup.h"
#include "report/PageFrame.h"

namespace zav {

std::string JudgeCardPage(const std::string& address, const std::string& entryCode,
                          const std::string& qrPicture, Language language) {
    const std::string& title = Text(language, TextId::JudgeCardTitle);
    std::string page;
    AppendDocumentHead(page, title);
    page += "<center><p><font size=\"+2\"><b>" + EscapeMarkup(title) + "</b></font></p>\n";
    page += "<p><img src=\"" + EscapeAttribute(qrPicture) + "\" alt=\"" + EscapeAttribute(address) +
            "\"></p>\n";
    page += "<p><font size=\"+2\"><b>" + EscapeMarkup(address) + "</b></font></p>\n";
    page += "<p><font size=\"+1\">" + EscapeMarkup(Text(language, TextId::JudgeCardCodeLabel)) +
            "</font><br><font size=\"+4\"><b><tt>" + EscapeMarkup(entryCode) +
            "</tt></b></font></p>\n</center>\n<ol>\n";
    for (const TextId step :
         {TextId::JudgeCardStepOpen, TextId::JudgeCardStepCode, TextId::JudgeCardStepSend})
        page += "<li>" + EscapeMarkup(Text(language, step)) + "</li>\n";
    page += "</ol>\n";
    PrepareFooter(page);
    return page;
}

}  // namespace zav
