#include "frame/CommandTable.h"

#include <wx/menu.h>
#include <wx/toolbar.h>

#include <optional>

#include "frame/CommandIds.h"
#include "support/GuiText.h"
#include "support/ToolPictures.h"
#include "texts/DialogTexts.h"

namespace zavgui {

namespace {

// A row starts a menu, is one of its commands, or separates two groups.
enum class Row { Menu, Command, CheckCommand, Separator };

struct CommandRow {
    Row row;
    int id;
    // The menu's title, or the command's label (also its tool tip).
    int labelOffset;
    // The toolbar picture of a command that has a tool.
    std::optional<ToolPictureId> picture;
    // The key that runs the command from anywhere ("Ctrl+S"); none yet.
    const char* shortcut;
};

constexpr CommandRow Menu(int titleOffset) {
    return {Row::Menu, 0, titleOffset, std::nullopt, ""};
}
constexpr CommandRow Command(int id, int labelOffset,
                             std::optional<ToolPictureId> picture = std::nullopt,
                             const char* shortcut = "") {
    return {Row::Command, id, labelOffset, picture, shortcut};
}
constexpr CommandRow CheckCommand(int id, int labelOffset,
                                  std::optional<ToolPictureId> picture = std::nullopt,
                                  const char* shortcut = "") {
    return {Row::CheckCommand, id, labelOffset, picture, shortcut};
}
constexpr CommandRow kSeparator{Row::Separator, 0, 0, std::nullopt, ""};

using P = ToolPictureId;

constexpr CommandRow kCommandTable[] = {
    Menu(14),  // File
    Command(ID_NEW_SHEET, 0, P::New),
    kSeparator,
    Command(ID_OPEN_SHEET, 1, P::Open),
    Command(ID_OPEN_SCORE_SET, 83),
    kSeparator,
    Command(ID_SAVE_SHEET, 2, P::Save),
    Command(ID_SAVE_AS_SHEET, 3),
    kSeparator,
    Command(ID_PRINT_SETUP, 4),
    Command(ID_PRINT, 5, P::ScorePrint),
    Command(ID_EXPORT_HTML, 7, P::ScoreHtml),
    Command(ID_EXPORT_PDF, zav::dlg::kExportPdf),
    kSeparator,
    Command(ID_PRINT_STAFF, 8, P::StaffPrint),
    Command(ID_EXPORT_STAFF_HTML, 9, P::StaffHtml),
    Command(ID_EXPORT_STAFF_PDF, zav::dlg::kExportStaffPdf),
    kSeparator,
    Command(ID_PRINT_EQUIP, 10, P::EquipPrint),
    Command(ID_EXPORT_EQUIP_HTML, 11, P::EquipHtml),
    Command(ID_EXPORT_EQUIP_PDF, zav::dlg::kExportEquipPdf),
    kSeparator,
    Command(ID_PRINT_PLACEMENT, 12, P::PlacemPrint),
    kSeparator,
    Command(ID_QUIT, 13),

    Menu(30),  // Input
    Command(ID_GENERAL_DATA, 20),
    Command(ID_TEAMS_DATA, 21),
    Command(ID_GAMES_LIST, 22),
    kSeparator,
    Command(ID_PREVIOUS_HEAT, 23),
    Command(ID_PREVIOUS_CHALL, 24),
    kSeparator,
    Command(ID_A_REFEREE_NAMES, 25),
    Command(ID_PLACEUR_NAMES, 26),
    kSeparator,
    Command(ID_GAME_RESULT, 27, P::Result),
    Command(ID_TIE_BREAK, 28, P::TieBreak),
    kSeparator,
    Command(ID_COLUMN_SUP, 29),

    Menu(50),  // View
    CheckCommand(ID_SCORE_SHEET, 40, P::Score),
    CheckCommand(ID_STAFF_SHEET, 41, P::Staff),
    CheckCommand(ID_EQUIP_LIST, 42, P::Equip),
    CheckCommand(ID_PLACEMENT, 43, P::Placem),
    kSeparator,
    CheckCommand(ID_VIEW_BOTH, 44, P::ChampChall),
    CheckCommand(ID_VIEW_CHAMP, 45, P::ChampOnly),
    CheckCommand(ID_VIEW_CHALL, 46, P::ChallOnly),

    Menu(65),  // Rules
    Command(ID_PLAYING_AREA, 62),
    Command(ID_ALL_THE_GAMES, 63),
    Command(ID_MEM_LISTE_JEUX, 64),

    Menu(80),  // Tools
    Command(ID_CREATE_SIF_SCORE_SET, 82),
    Command(ID_HELP_SIF_SCORE_SET, 84),
    kSeparator,
    Command(ID_COPY_SIF_SCORE_SET, 85),
    Command(ID_MOVE_SIF_SCORE_SET, 86),
    Command(ID_RENAME_SIF_SCORE_SET, 87),
    Command(ID_DELETE_SIF_SCORE_SET, 88),
    kSeparator,
    Command(ID_DELETE_ONE_TEAM, 89),

    Menu(81),  // Options
    Command(ID_PRESENTATION, 47),
    Command(ID_OPTIONS, 48),
    Command(ID_LANGUAGE, 49),
    kSeparator,
    CheckCommand(ID_SAVE_AUTO, 51),

    Menu(79),  // Help
    Command(ID_FEUILLE_ARRIVEE, 70),
    kSeparator,
    Command(ID_MEM_ARBITRE, 71),
    Command(ID_MEM_JUGE_LIGNE, 72),
    Command(ID_MEM_CHEF_PISTE, 73),
    kSeparator,
    Command(ID_MEMO_TABLEUR, 74),
    Command(ID_MEMO_PRINT, 75),
    Command(ID_MEMO_PV, 76),
    kSeparator,
    Command(ID_ABOUT, 77),
    Command(ID_LOG_CHANGE, 78),
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

const CommandRow& RowOf(int id) {
    for (const CommandRow& row : kCommandTable)
        if (row.id == id) return row;
    wxFAIL_MSG("a tool without a command");
    return kCommandTable[0];
}

}  // namespace

wxMenuBar* BuildMenuBar(int wxLanguage) {
    auto* menuBar = new wxMenuBar;
    wxMenu* menu = nullptr;
    for (const CommandRow& row : kCommandTable) {
        switch (row.row) {
            case Row::Menu:
                menu = new wxMenu;
                menuBar->Append(menu, Tx(wxLanguage, row.labelOffset));
                break;
            case Row::Separator: menu->AppendSeparator(); break;
            case Row::Command:
            case Row::CheckCommand: {
                wxString label = Tx(wxLanguage, row.labelOffset);
                if (*row.shortcut) label += wxS("\t") + wxString::FromUTF8(row.shortcut);
                menu->Append(row.id, label, wxEmptyString,
                             row.row == Row::CheckCommand ? wxITEM_CHECK : wxITEM_NORMAL);
                break;
            }
        }
    }
    return menuBar;
}

void AddTools(wxToolBar* toolBar, int wxLanguage) {
    for (int id : kToolbar) {
        if (id == 0) {
            toolBar->AddSeparator();
            continue;
        }
        const CommandRow& row = RowOf(id);
        toolBar->AddTool(id, wxEmptyString, ToolBitmap(row.picture.value()),
                         Tx(wxLanguage, row.labelOffset));
    }
}

}  // namespace zavgui
