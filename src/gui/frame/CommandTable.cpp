#include "frame/CommandTable.h"

#include <wx/menu.h>
#include <wx/toolbar.h>

#include <optional>

#include "frame/CommandIds.h"
#include "support/GuiText.h"
#include "support/ToolPictures.h"

namespace zavgui {

namespace {

// A row starts a menu, is one of its commands, separates two groups, or is
// the submenu of the recent sheets.
enum class Row { Menu, Command, CheckCommand, Separator, RecentFiles };

struct CommandRow {
    Row row;
    int id;
    // The menu's title, or the command's label (also its tool tip).
    zav::TextId label;
    // The toolbar picture of a command that has a tool.
    std::optional<ToolPictureId> picture;
    // A command: the keys that run it from anywhere ("Ctrl+S"), separated
    // by "|"; the menu shows the first, as GTK shows it beside the label. A
    // menu: the letter that opens it with Alt, in French, English, Italian
    // and German ("FFFD": Alt+D opens "Datei").
    const char* shortcut;
};

constexpr CommandRow Menu(zav::TextId title, const char* mnemonics) {
    return {Row::Menu, 0, title, std::nullopt, mnemonics};
}
constexpr CommandRow Command(int id, zav::TextId label,
                             std::optional<ToolPictureId> picture = std::nullopt,
                             const char* shortcut = "") {
    return {Row::Command, id, label, picture, shortcut};
}
constexpr CommandRow CheckCommand(int id, zav::TextId label,
                                  std::optional<ToolPictureId> picture = std::nullopt,
                                  const char* shortcut = "") {
    return {Row::CheckCommand, id, label, picture, shortcut};
}
constexpr CommandRow kSeparator{Row::Separator, 0, zav::TextId{}, std::nullopt, ""};
constexpr CommandRow RecentFiles(int id, zav::TextId label) {
    return {Row::RecentFiles, id, label, std::nullopt, ""};
}

using P = ToolPictureId;
using T = zav::TextId;

// The shortcuts are the desktop's usual ones; "Game result", the command a
// scorer runs after every game, has Ctrl+R: "R" for Result, Résultat and
// Risultato, both keys under the left hand while the right one types places
// on the numeric keypad, and no standard meaning in a program that has no
// page to reload. "Tie-break result", run once at the end of a heat, has
// Ctrl+T, the key beside it.
constexpr CommandRow kCommandTable[] = {
    Menu(T::MenuFile, "FFFD"),
    Command(ID_NEW_SHEET, T::MenuNewSheet, P::New, "Ctrl+N"),
    kSeparator,
    Command(ID_OPEN_SHEET, T::MenuOpenSheet, P::Open, "Ctrl+O"),
    Command(ID_OPEN_SCORE_SET, T::MenuOpenSet),
    RecentFiles(ID_RECENT_SHEETS, T::MenuRecentSheets),
    kSeparator,
    Command(ID_SAVE_SHEET, T::MenuSaveSheet, P::Save, "Ctrl+S"),
    Command(ID_SAVE_AS_SHEET, T::MenuSaveSheetAs, std::nullopt, "Ctrl+Shift+S"),
    kSeparator,
    Command(ID_PRINT_SETUP, T::MenuPageSetup),
    Command(ID_PRINT_PREVIEW, T::PrintPreview),
    Command(ID_PRINT, T::MenuPrintSheet, P::ScorePrint, "Ctrl+P"),
    Command(ID_EXPORT_HTML, T::MenuExportSheetHtml, P::ScoreHtml),
    Command(ID_EXPORT_PDF, T::ExportPdf),
    kSeparator,
    Command(ID_PRINT_STAFF, T::MenuPrintStaff, P::StaffPrint),
    Command(ID_EXPORT_STAFF_HTML, T::MenuExportStaffHtml, P::StaffHtml),
    Command(ID_EXPORT_STAFF_PDF, T::ExportStaffPdf),
    kSeparator,
    Command(ID_PRINT_EQUIP, T::MenuPrintEquipment, P::EquipPrint),
    Command(ID_EXPORT_EQUIP_HTML, T::MenuExportEquipmentHtml, P::EquipHtml),
    Command(ID_EXPORT_EQUIP_PDF, T::ExportEquipPdf),
    kSeparator,
    Command(ID_PRINT_PLACEMENT, T::MenuPrintPlacement, P::PlacemPrint),
    kSeparator,
    Command(ID_QUIT, T::MenuQuit, std::nullopt, "Ctrl+Q"),

    Menu(T::MenuInput, "SIIE"),
    Command(ID_UNDO, T::MenuUndo, std::nullopt, "Ctrl+Z"),
    Command(ID_REDO, T::MenuRedo, std::nullopt, "Ctrl+Shift+Z|Ctrl+Y"),
    kSeparator,
    Command(ID_GENERAL_DATA, T::MenuGeneralData),
    Command(ID_TEAMS_DATA, T::MenuTeams),
    Command(ID_GAMES_LIST, T::MenuGameList),
    kSeparator,
    Command(ID_PREVIOUS_HEAT, T::MenuPreviousHeat),
    Command(ID_PREVIOUS_CHALL, T::MenuPreviousChallenge),
    Command(ID_PREVIOUS_FROM_SHEETS, T::MenuPreviousFromSheets),
    kSeparator,
    Command(ID_A_REFEREE_NAMES, T::MenuAssistantReferees),
    Command(ID_PLACEUR_NAMES, T::MenuArenaParty),
    kSeparator,
    // Above the results, so that the keys that reach Game result from the
    // menu's end stay as they were.
    Command(ID_GAME_HISTORY, T::MenuGameHistory),
    Command(ID_MAKE_OFFICIAL, T::MenuMakeOfficial),
    kSeparator,
    Command(ID_GAME_RESULT, T::MenuGameResult, P::Result, "Ctrl+R"),
    Command(ID_TIE_BREAK, T::MenuTieBreak, P::TieBreak, "Ctrl+T"),
    kSeparator,
    Command(ID_COLUMN_SUP, T::MenuAddOnColumn),

    Menu(T::MenuView, "AVVA"),
    CheckCommand(ID_SCORE_SHEET, T::MenuShowSheet, P::Score),
    CheckCommand(ID_STAFF_SHEET, T::MenuShowStaff, P::Staff),
    CheckCommand(ID_EQUIP_LIST, T::MenuShowEquipment, P::Equip),
    CheckCommand(ID_PLACEMENT, T::MenuShowPlacement, P::Placem),
    kSeparator,
    CheckCommand(ID_VIEW_BOTH, T::MenuViewBoth, P::ChampChall),
    CheckCommand(ID_VIEW_CHAMP, T::MenuViewCompetition, P::ChampOnly),
    CheckCommand(ID_VIEW_CHALL, T::MenuViewChallenge, P::ChallOnly),
    kSeparator,
    CheckCommand(ID_FULL_SCREEN, T::MenuFullScreen, std::nullopt, "F11"),
    kSeparator,
    // The sheet chooser's steps, as tabs are stepped through: reached from
    // the keyboard, and from the menu when a narrow window leaves the
    // chooser no room on the toolbar.
    Command(ID_NEXT_SET_SHEET, T::MenuNextSetSheet, std::nullopt, "Ctrl+PgDn"),
    Command(ID_PREVIOUS_SET_SHEET, T::MenuPreviousSetSheet, std::nullopt, "Ctrl+PgUp"),

    Menu(T::MenuRules, "RRRR"),
    Command(ID_PLAYING_AREA, T::MenuPlayingArea),
    Command(ID_ALL_THE_GAMES, T::MenuAllTheGames),
    Command(ID_MEM_LISTE_JEUX, T::MenuGamePositions),

    Menu(T::MenuTools, "OTSW"),
    Command(ID_CREATE_SIF_SCORE_SET, T::MenuCreateSet),
    Command(ID_HELP_SIF_SCORE_SET, T::MenuSetCreationHelp),
    kSeparator,
    Command(ID_COPY_SIF_SCORE_SET, T::MenuCopySet),
    Command(ID_MOVE_SIF_SCORE_SET, T::MenuMoveSet),
    Command(ID_RENAME_SIF_SCORE_SET, T::MenuRenameSet),
    Command(ID_DELETE_SIF_SCORE_SET, T::MenuDeleteSet),
    kSeparator,
    Command(ID_DELETE_ONE_TEAM, T::MenuWithdrawTeam),
    kSeparator,
    Command(ID_CHAMPIONSHIP_TABLE, T::MenuChampionshipTable),
    Command(ID_PUBLISH_NOW, T::MenuPublishNow),
    Command(ID_ARENA_NETWORK, T::MenuArenaNetwork),

    Menu(T::MenuOptions, "POOO"),
    Command(ID_PRESENTATION, T::MenuLogo),
    Command(ID_OPTIONS, T::MenuColours),
    Command(ID_LANGUAGE, T::MenuLanguage),
    kSeparator,
    CheckCommand(ID_SAVE_AUTO, T::MenuAutomaticSave),
    kSeparator,
    Command(ID_PUBLISH_RESULTS, T::MenuPublishResults),

    Menu(T::MenuHelp, "DHAH"),
    Command(ID_USER_GUIDE, T::MenuUserGuide, std::nullopt, "F1"),
    kSeparator,
    Command(ID_FEUILLE_ARRIVEE, T::MenuFinishOrderSheet),
    kSeparator,
    Command(ID_MEM_ARBITRE, T::MenuRefereeMemento),
    Command(ID_MEM_JUGE_LIGNE, T::MenuLineJudgeMemento),
    Command(ID_MEM_CHEF_PISTE, T::MenuArenaDirectorMemento),
    kSeparator,
    Command(ID_MEMO_TABLEUR, T::MenuRefereeMemoSpreadsheet),
    Command(ID_MEMO_PRINT, T::MenuRefereeMemoPrintable),
    Command(ID_MEMO_PV, T::MenuCompetitionReport),
    kSeparator,
    Command(ID_ABOUT, T::MenuAbout),
    Command(ID_LOG_CHANGE, T::MenuChangeLog),
};

// The toolbar, left to right; 0 separates two groups.
// clang-format off
constexpr int kToolbar[] = {
    ID_NEW_SHEET, ID_OPEN_SHEET, 0,
    ID_SAVE_SHEET, 0,
    ID_VIEW_BOTH, ID_VIEW_CHAMP, ID_VIEW_CHALL, 0,
    ID_SCORE_SHEET, ID_PRINT, ID_EXPORT_HTML, 0,
    ID_STAFF_SHEET, ID_PRINT_STAFF, ID_EXPORT_STAFF_HTML, 0,
    ID_EQUIP_LIST, ID_PRINT_EQUIP, ID_EXPORT_EQUIP_HTML, 0,
    ID_PLACEMENT, ID_PRINT_PLACEMENT, 0,
    ID_GAME_RESULT, ID_TIE_BREAK,
};
// clang-format on

int LanguageIndex(zav::Language language) {
    return zav::LanguageBlock(language) / 1000 - 1;
}

// The menu's title with "&" before its letter in that language (the first
// one, whatever its case).
wxString TitleWithMnemonic(const CommandRow& row, zav::Language language) {
    wxString title = Tx(language, row.label);
    const wxString letter = wxString(row.shortcut[LanguageIndex(language)]).Lower();
    const int at = title.Lower().Find(letter);
    wxASSERT_MSG(at != wxNOT_FOUND, "a menu's letter is not in its title");
    if (at != wxNOT_FOUND) title.insert(static_cast<size_t>(at), wxS("&"));
    return title;
}

// The shortcuts of a row, the one the menu shows first.
wxArrayString ShortcutsOf(const CommandRow& row) {
    return wxSplit(wxString::FromUTF8(row.shortcut), '|', '\0');
}

// `text` with the row's shown shortcut, as a menu label.
wxString MenuLabel(const CommandRow& row, const wxString& text) {
    const wxArrayString shortcuts = ShortcutsOf(row);
    return shortcuts.empty() ? text : text + wxS("\t") + shortcuts[0];
}

const CommandRow& RowOf(int id) {
    for (const CommandRow& row : kCommandTable)
        if (row.id == id) return row;
    wxFAIL_MSG("an id without a command");
    return kCommandTable[0];
}

}  // namespace

wxMenuBar* BuildMenuBar(zav::Language language) {
    auto* menuBar = new wxMenuBar;
    wxMenu* menu = nullptr;
    for (const CommandRow& row : kCommandTable) {
        switch (row.row) {
            case Row::Menu:
                menu = new wxMenu;
                menuBar->Append(menu, TitleWithMnemonic(row, language));
                break;
            case Row::Separator: menu->AppendSeparator(); break;
            case Row::RecentFiles: menu->Append(row.id, Tx(language, row.label), new wxMenu); break;
            case Row::Command:
            case Row::CheckCommand: {
                wxMenuItem* item =
                    menu->Append(row.id, MenuLabel(row, Tx(language, row.label)), wxEmptyString,
                                 row.row == Row::CheckCommand ? wxITEM_CHECK : wxITEM_NORMAL);
                const wxArrayString shortcuts = ShortcutsOf(row);
                for (size_t k = 1; k < shortcuts.size(); ++k) {
                    wxAcceleratorEntry extra;
                    if (extra.FromString(shortcuts[k])) item->AddExtraAccel(extra);
                }
                break;
            }
        }
    }
    return menuBar;
}

std::string CommandPath(int id, zav::Language language) {
    const CommandRow* menu = nullptr;
    for (const CommandRow& row : kCommandTable) {
        if (row.row == Row::Menu) menu = &row;
        if (row.id != id || !menu) continue;
        std::string path =
            zav::Text(language, menu->label) + " > " + zav::Text(language, row.label);
        const wxArrayString shortcuts = ShortcutsOf(row);
        if (!shortcuts.empty()) path += " (" + std::string(shortcuts[0].utf8_str()) + ")";
        return path;
    }
    return std::string();
}

void SetCommandLabel(wxMenuBar* menuBar, int id, const wxString& text) {
    menuBar->SetLabel(id, MenuLabel(RowOf(id), text));
}

void AddTools(wxToolBar* toolBar, zav::Language language) {
    for (int id : kToolbar) {
        if (id == 0) {
            toolBar->AddSeparator();
            continue;
        }
        const CommandRow& row = RowOf(id);
        toolBar->AddTool(id, wxEmptyString, ToolBitmaps(row.picture.value()),
                         Tx(language, row.label));
    }
}

}  // namespace zavgui
