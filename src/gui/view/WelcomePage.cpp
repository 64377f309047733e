#include "view/WelcomePage.h"

#include "encoding/Markup.h"
#include "texts/Texts.h"

namespace zavgui {

std::string PageAccueil(zav::Language language, const std::vector<std::string>& firstSteps) {
    std::string page = "<html>\n<head>";
    page +=
        "<style>\nbody { font-family: Arial, Helvetica, sans-serif; font-size: 10px; margin: "
        "5px; }\r\n";
    page += "p { font-family: Tahoma, sans-serif; font-size: 48px; margin: 0px; }\r\n";
    page += "\n</style></head>\r\n<body bgcolor=#018FE1>";
    page += "<center>";
    // PNG: the Windows build's toolkit reads no JPEG.
    page += "<img src=\"accueil.png\">";
    const auto line = [&](const char* size, const std::string& text) {
        page += "<font face=\"Tahoma, Arial\" ";
        page += size;
        page += " color=#FFFFFF><p><b>" + text + "</b></p></font>";
    };
    line("size=14", zav::Text(language, zav::TextId::ProductName));
    line("size=4", "Version " + zav::Text(language, zav::TextId::Version));
    line("size=4", zav::Text(language, zav::TextId::TagLine));
    line("size=4", zav::Text(language, zav::TextId::RightsNotice));
    page += "<br><font face=\"Tahoma, Arial\" size=4 color=#FFFFFF><p>";
    for (const std::string& step : firstSteps) page += zav::EscapeMarkup(step) + "<br>";
    page += "</p></font>";
    page += "</font></center>";
    page += "</body></html>";
    return page;
}

}  // namespace zavgui
