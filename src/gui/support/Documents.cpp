#include "support/Documents.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include <optional>

#include "frame/CommandIds.h"
#include "paths/ProgramFiles.h"
#include "paths/UserFolders.h"
#include "platform/ToolkitPlatform.h"
#include "support/GuiText.h"
#include "texts/Texts.h"

namespace zavgui {

namespace {

struct Document {
    int commandId;
    const char* byLanguage[4];  // French, English, Italian, German
    // Opened when the language's own document is in no folder.
    const char* standIn = nullptr;
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
    {ID_USER_GUIDE,
     {"guide_fr.html", "guide_en.html", "guide_it.html", "guide_de.html"},
     "guide_en.html"},
};

}  // namespace

std::vector<wxString> DocumentsFor(int commandId, zav::Language language) {
    const int index = zav::LanguageBlock(language) / 1000 - 1;
    std::vector<wxString> names;
    for (const Document& document : kDocuments)
        if (document.commandId == commandId) {
            names.push_back(wxString::FromUTF8(document.byLanguage[index]));
            if (document.standIn) names.push_back(wxString::FromUTF8(document.standIn));
        }
    return names;
}

namespace {

// The path of the first of `fileNames` found, the user's copy first; when
// none is, the first name is named with the folder for the user's copy.
std::optional<std::string> FindDocument(const wxString& dataFolder,
                                        const std::vector<wxString>& fileNames,
                                        const zav::Reporter& reporter) {
    if (fileNames.empty()) return std::nullopt;
    const zav::Environment env = zav::ProcessEnvironment();
    std::optional<std::string> path;
    for (const wxString& name : fileNames)
        if (!path) path = zav::FindReferenceDocument(ToCore(name), env, ToCore(dataFolder));
    if (!path) {
        const std::string named =
            zav::FormatText(reporter.Text(zav::TextId::DocumentMissing), ToCore(fileNames.front()));
        reporter.ShowText(zav::MessageIcon::Information,
                          zav::FormatText(named, zav::UserReferenceFolder(env)));
    }
    return path;
}

}  // namespace

bool OpenDocument(const wxString& dataFolder, const std::vector<wxString>& fileNames,
                  const zav::Reporter& reporter) {
    const auto path = FindDocument(dataFolder, fileNames, reporter);
    return path && wxLaunchDefaultApplication(FromCore(*path));
}

bool OpenGuideAt(const wxString& dataFolder, zav::Language language, GuideSection section,
                 const zav::Reporter& reporter) {
    // The ids of the sections in every guide.
    const wxString anchor = [section]() -> wxString {
        switch (section) {
            case GuideSection::SetsFromEntries: return wxS("entries-file");
        }
        return wxString();
    }();
    const auto path = FindDocument(dataFolder, DocumentsFor(ID_USER_GUIDE, language), reporter);
    if (!path) return false;
    // A URL, not a path: only a URL keeps the section.
    return OpenUrl(wxFileName::FileNameToURL(FromCore(*path)) + wxS("#") + anchor);
}

}  // namespace zavgui
