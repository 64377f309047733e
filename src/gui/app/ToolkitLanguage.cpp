#include "app/ToolkitLanguage.h"

#include <wx/translation.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "settings/DesktopLanguage.h"

namespace zavgui {

void UseLanguageForToolkit(zav::Language language) {
    setenv("LANGUAGE", zav::CatalogueCode(language), 1);
    const char* messages = std::setlocale(LC_MESSAGES, "");
    if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
}

void LoadToolkitTranslations(zav::Language language) {
    auto* translations = new wxTranslations;
    translations->SetLanguage(wxString::FromAscii(zav::CatalogueCode(language)));
    // English needs none; a missing catalogue leaves wx's English texts.
    translations->AddStdCatalog();
    wxTranslations::Set(translations);
}

}  // namespace zavgui
