#include "support/Documents.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include <optional>

#include "paths/ProgramFiles.h"
#include "platform/ToolkitPlatform.h"
#include "platform/UserFolders.h"
#include "support/GuiText.h"
#include "texts/Texts.h"

namespace zavgui {

namespace {

struct Document {
    ReferenceDocument document;
    const char* byLanguage[4];  // French, English, Italian, German
    // Opened when the language's own document is in no folder.
    const char* standIn = nullptr;
};

constexpr Document kDocuments[] = {
    {ReferenceDocument::PlayingArea,
     {"playing_area_fr_2013.pdf", "playing_area_en_2013.pdf", "playing_area_en_2013.pdf",
      "playing_area_en_2013.pdf"}},
    {ReferenceDocument::AllTheGames,
     {"memento_liste_jeux.pdf", "memento_game_list.pdf", "memento_game_list.pdf",
      "memento_game_list.pdf"}},
    {ReferenceDocument::GamePositions,
     {"memento_placement_jeux.pdf", "memento_position_games.pdf", "memento_position_games.pdf",
      "memento_position_games.pdf"}},
    {ReferenceDocument::FinishSheet,
     {"feuille_arrivee_fr.pdf", "feuille_arrivee_en.pdf", "feuille_arrivee_it.pdf",
      "feuille_arrivee_ge.pdf"}},
    {ReferenceDocument::RefereeMemento,
     {"memento_juge_arbitre_2009.pdf", "memento_juge_arbitre_2009.pdf",
      "memento_juge_arbitre_2009.pdf", "memento_juge_arbitre_2009.pdf"}},
    {ReferenceDocument::LineJudgeMemento,
     {"memento_juge_ligne_2008.pdf", "memento_juge_ligne_2008.pdf", "memento_juge_ligne_2008.pdf",
      "memento_juge_ligne_2008.pdf"}},
    {ReferenceDocument::ArenaDirectorMemento,
     {"memento_chef_piste_2008.pdf", "memento_chef_piste_2008.pdf", "memento_chef_piste_2008.pdf",
      "memento_chef_piste_2008.pdf"}},
    {ReferenceDocument::RefereeWorkbook,
     {"memo_juge_arbitre.xls", "memo_juge_arbitre.xls", "memo_juge_arbitre.xls",
      "memo_juge_arbitre.xls"}},
    {ReferenceDocument::RefereeWorkbookPrint,
     {"memo_juge_arbitre.pdf", "memo_juge_arbitre.pdf", "memo_juge_arbitre.pdf",
      "memo_juge_arbitre.pdf"}},
    {ReferenceDocument::Report,
     {"proces_verbal.pdf", "proces_verbal.pdf", "proces_verbal.pdf", "proces_verbal.pdf"}},
    {ReferenceDocument::ChangeLog,
     {"lisezmoi.html", "readme.html", "lisezmoi.html", "readme.html"}},
    {ReferenceDocument::UserGuide,
     {"guide_fr.html", "guide_en.html", "guide_it.html", "guide_de.html"},
     "guide_en.html"},
};

}  // namespace

std::vector<wxString> DocumentsFor(ReferenceDocument wanted, zav::Language language) {
    const int index = zav::LanguageBlock(language) / 1000 - 1;
    std::vector<wxString> names;
    for (const Document& document : kDocuments)
        if (document.document == wanted) {
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
            case GuideSection::Contents: break;
            case GuideSection::FirstHeat: return wxS("first-heat");
            case GuideSection::ResultKeys: return wxS("result-keys");
            case GuideSection::SetsFromEntries: return wxS("entries-file");
            case GuideSection::Printing: return wxS("printing");
            case GuideSection::Publishing: return wxS("publishing");
            case GuideSection::Upload: return wxS("upload");
            case GuideSection::ArenaNetwork: return wxS("arena");
            case GuideSection::FinishLine: return wxS("finish-line");
            case GuideSection::Championships: return wxS("championships");
            case GuideSection::UndoAndRecovery: return wxS("undo-recovery");
            case GuideSection::Settings: return wxS("settings");
            case GuideSection::CommandLine: return wxS("command-line");
            case GuideSection::Windows: return wxS("windows");
        }
        return wxString();
    }();
    const auto path =
        FindDocument(dataFolder, DocumentsFor(ReferenceDocument::UserGuide, language), reporter);
    if (!path) return false;
    // A URL, not a path: only a URL keeps the section.
    const wxString url = wxFileName::FileNameToURL(FromCore(*path));
    return OpenUrl(anchor.empty() ? url : url + wxS("#") + anchor);
}

}  // namespace zavgui
