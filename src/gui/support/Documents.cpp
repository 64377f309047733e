#include "support/Documents.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include "frame/CommandIds.h"
#include "paths/ProgramFiles.h"
#include "paths/UserFolders.h"
#include "support/GuiText.h"
#include "texts/Texts.h"

namespace zavgui {

namespace {

struct Document {
    int commandId;
    const char* byLanguage[4];  // French, English, Italian, German
};

constexpr Document kDocuments[] = {
    {ID_PLAYING_AREA,
     {"playing_area_fr_2013.pdf", "playing_area_en_2013.pdf", "playing_area_en_2013.pdf",
      "playing_area_en_2013.pdf"}},
    {ID_ALL_THE_GAMES,
     {"memento_liste_jeux.pdf", "memento_game_list.pdf", "memento_game_list.pdf",
      "memento_game_list.pdf"}},
    {ID_MEM_LISTE_JEUX,
     {"memento_placement_jeux.pdf", "memento_position_games.pdf", "memento_position_games.pdf",
      "memento_position_games.pdf"}},
    {ID_FEUILLE_ARRIVEE,
     {"feuille_arrivee_fr.pdf", "feuille_arrivee_en.pdf", "feuille_arrivee_it.pdf",
      "feuille_arrivee_ge.pdf"}},
    {ID_MEM_ARBITRE,
     {"memento_juge_arbitre_2009.pdf", "memento_juge_arbitre_2009.pdf",
      "memento_juge_arbitre_2009.pdf", "memento_juge_arbitre_2009.pdf"}},
    {ID_MEM_JUGE_LIGNE,
     {"memento_juge_ligne_2008.pdf", "memento_juge_ligne_2008.pdf", "memento_juge_ligne_2008.pdf",
      "memento_juge_ligne_2008.pdf"}},
    {ID_MEM_CHEF_PISTE,
     {"memento_chef_piste_2008.pdf", "memento_chef_piste_2008.pdf", "memento_chef_piste_2008.pdf",
      "memento_chef_piste_2008.pdf"}},
    {ID_MEMO_TABLEUR,
     {"memo_juge_arbitre.xls", "memo_juge_arbitre.xls", "memo_juge_arbitre.xls",
      "memo_juge_arbitre.xls"}},
    {ID_MEMO_PRINT,
     {"memo_juge_arbitre.pdf", "memo_juge_arbitre.pdf", "memo_juge_arbitre.pdf",
      "memo_juge_arbitre.pdf"}},
    {ID_MEMO_PV,
     {"proces_verbal.pdf", "proces_verbal.pdf", "proces_verbal.pdf", "proces_verbal.pdf"}},
    {ID_LOG_CHANGE, {"lisezmoi.html", "readme.html", "lisezmoi.html", "readme.html"}},
};

}  // namespace

const char* DocumentFor(int commandId, zav::Language language) {
    const int index = zav::LanguageBlock(language) / 1000 - 1;
    for (const Document& document : kDocuments)
        if (document.commandId == commandId) return document.byLanguage[index];
    return nullptr;
}

namespace {

// The document's path, the user's copy first; a missing one is named with
// the folder for the user's copy.
std::optional<std::string> FindDocument(const wxString& dataFolder, const wxString& fileName,
                                        const zav::Reporter& reporter) {
    const zav::Environment env = zav::ProcessEnvironment();
    auto path = zav::FindReferenceDocument(ToCore(fileName), env, ToCore(dataFolder));
    if (!path) {
        const std::string named =
            zav::FormatText(reporter.Text(zav::TextId::DocumentMissing), ToCore(fileName));
        reporter.ShowText(zav::MessageIcon::Information,
                          zav::FormatText(named, zav::UserReferenceFolder(env)));
    }
    return path;
}

}  // namespace

bool OpenDocument(const wxString& dataFolder, const wxString& fileName,
                  const zav::Reporter& reporter) {
    const auto path = FindDocument(dataFolder, fileName, reporter);
    return path && wxLaunchDefaultApplication(FromCore(*path));
}

bool OpenGuideAt(const wxString& dataFolder, zav::Language language, GuideSection section,
                 const zav::Reporter& reporter) {
    // The ids of the sections in both guides.
    const wxString anchor = [section]() -> wxString {
        switch (section) {
            case GuideSection::SetsFromEntries: return wxS("entries-file");
        }
        return wxString();
    }();
    const wxString guide =
        language == zav::Language::French ? wxS("guide_fr.html") : wxS("guide_en.html");
    const auto path = FindDocument(dataFolder, guide, reporter);
    if (!path) return false;
    // A URL, not a path: only a URL keeps the section. The desktop's opener
    // hands it to the browser.
    const std::string url = ToCore(wxFileName::FileNameToURL(FromCore(*path)) + wxS("#") + anchor);
    const char* const argv[] = {"xdg-open", url.c_str(), nullptr};
    return wxExecute(argv, wxEXEC_ASYNC) != 0;
}

}  // namespace zavgui
