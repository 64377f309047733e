#include "frame/CommandTable.h"

#include <wx/menu.h>
#include <wx/toolbar.h>

#include <optional>

#include "frame/CommandIds.h"
#include "support/GuiText.h"
#include "support/ToolPictures.h"

namespace zavgui {

namespace {

// A row starts a menu, is one of its commands, or separates two groups.
enum class Row { Menu, Command, CheckCommand, Separator };

struct CommandRow {
    Row row;
    int id;
    // The menu's title, or the command's label (also its tool tip).
    zav::TextId label;
    // The toolbar picture of a command that has a tool.
    std::optional<ToolPictureId> picture;
    // The keys that run the command from anywhere ("Ctrl+S"), separated by
    // "|"; the menu shows the first.
    const char* shortcut;
};

constexpr CommandRow Menu(zav::TextId title) {
    return {Row::Menu, 0, title, std::nullopt, ""};
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

using P = ToolPictureId;
using T = zav::TextId;

constexpr CommandRow kCommandTable[] = {
    Menu(T::MenuFile),
    Command(ID_NEW_SHEET, T::MenuNewSheet, P::New),
    kSeparator,
    Command(ID_OPEN_SHEET, T::MenuOpenSheet, P::Open),
    Command(ID_OPEN_SCORE_SET, T::MenuOpenSet),
    kSeparator,
    Command(ID_SAVE_SHEET, T::MenuSaveSheet, P::Save),
    Command(ID_SAVE_AS_SHEET, T::MenuSaveSheetAs),
    kSeparator,
    Command(ID_PRINT_SETUP, T::MenuPageSetup),
    Command(ID_PRINT_PREVIEW, T::PrintPreview),
    Command(ID_PRINT, T::MenuPrintSheet, P::ScorePrint),
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
    Command(ID_QUIT, T::MenuQuit),

    Menu(T::MenuInput),
    Command(ID_UNDO, T::MenuUndo, std::nullopt, "Ctrl+Z"),
    Command(ID_REDO, T::MenuRedo, std::nullopt, "Ctrl+Shift+Z|Ctrl+Y"),
    kSeparator,
    Command(ID_GENERAL_DATA, T::MenuGeneralData),
    Command(ID_TEAMS_DATA, T::MenuTeams),
    Command(ID_GAMES_LIST, T::MenuGameList),
    kSeparator,
    Command(ID_PREVIOUS_HEAT, T::MenuPreviousHeat),
    Command(ID_PREVIOUS_CHALL, T::MenuPreviousChallenge),
    kSeparator,
    Command(ID_A_REFEREE_NAMES, T::MenuAssistantReferees),
    Command(ID_PLACEUR_NAMES, T::MenuArenaParty),
    kSeparator,
    Command(ID_GAME_RESULT, T::MenuGameResult, P::Result),
    Command(ID_TIE_BREAK, T::MenuTieBreak, P::TieBreak),
    kSeparator,
    Command(ID_COLUMN_SUP, T::MenuAddOnColumn),

    Menu(T::MenuView),
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

    Menu(T::MenuRules),
    Command(ID_PLAYING_AREA, T::MenuPlayingArea),
    Command(ID_ALL_THE_GAMES, T::MenuAllTheGames),
    Command(ID_MEM_LISTE_JEUX, T::MenuGamePositions),

    Menu(T::MenuTools),
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
    Command(ID_PUBLISH_NOW, T::MenuPublishNow),

    Menu(T::MenuOptions),
    Command(ID_PRESENTATION, T::MenuLogo),
    Command(ID_OPTIONS, T::MenuColours),
    Command(ID_LANGUAGE, T::MenuLanguage),
    kSeparator,
    CheckCommand(ID_SAVE_AUTO, T::MenuAutomaticSave),
    kSeparator,
    Command(ID_PUBLISH_RESULTS, T::MenuPublishResults),

    Menu(T::MenuHelp),
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
    ID_GAME_RESULT, 0,
    ID_TIE_BREAK,
};
// clang-format on

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
                menuBar->Append(menu, Tx(language, row.label));
                break;
            case Row::Separator: menu->AppendSeparator(); break;
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
        toolBar->AddTool(id, wxEmptyString, ToolBitmap(row.picture.value()),
                         Tx(language, row.label));
    }
}

}  // namespace zavgui
