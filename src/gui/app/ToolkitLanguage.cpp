#include "app/ToolkitLanguage.h"

#include <wx/translation.h>

#include "platform/ToolkitPlatform.h"
#include "settings/DesktopLanguage.h"

namespace zavgui {

void LoadToolkitTranslations(zav::Language language) {
    AddToolkitTranslationFolders();
    auto* translations = new wxTranslations;
    translations->SetLanguage(wxString::FromAscii(zav::CatalogueCode(language)));
    // English needs none; a missing catalogue leaves wx's English texts.
    translations->AddStdCatalog();
    wxTranslations::Set(translations);
}

}  // namespace zavgui
