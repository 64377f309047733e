// Numeric identifiers of every command, control and window of the main frame.
// Menu items and toolbar buttons of one command share its identifier.
#pragma once

namespace zavgui {

enum CommandId {
    // File menu
    ID_NEW_SHEET = 10201,
    ID_OPEN_SHEET = 10202,
    ID_OPEN_SCORE_SET = 10203,
    ID_SAVE_SHEET = 10204,
    ID_SAVE_AS_SHEET = 10205,
    ID_PRINT_SETUP = 10206,
    ID_PRINT = 10207,
    ID_EXPORT_PDF = 10208,
    ID_EXPORT_HTML = 10209,
    ID_PRINT_STAFF = 10210,
    ID_EXPORT_STAFF_HTML = 10211,
    ID_PRINT_EQUIP = 10212,
    ID_EXPORT_EQUIP_HTML = 10213,
    ID_PRINT_PLACEMENT = 10214,
    ID_QUIT = 10215,
    ID_EXPORT_STAFF_PDF = 10216,
    ID_EXPORT_EQUIP_PDF = 10217,
    ID_PRINT_PREVIEW = 10218,
    ID_RECENT_SHEETS = 10219,  // the submenu; its files are wxID_FILE1...

    // Input menu
    ID_GENERAL_DATA = 10401,
    ID_TEAMS_DATA = 10402,
    ID_GAMES_LIST = 10403,
    ID_PREVIOUS_HEAT = 10404,
    ID_PREVIOUS_CHALL = 10405,
    ID_A_REFEREE_NAMES = 10406,
    ID_PLACEUR_NAMES = 10407,
    ID_GAME_RESULT = 10408,
    ID_TIE_BREAK = 10409,
    ID_COLUMN_SUP = 10410,
    ID_PREVIOUS_FROM_SHEETS = 10411,
    ID_UNDO = 10420,
    ID_REDO = 10421,

    // View menu (all check items)
    ID_SCORE_SHEET = 10501,
    ID_STAFF_SHEET = 10502,
    ID_EQUIP_LIST = 10503,
    ID_PLACEMENT = 10504,
    ID_VIEW_BOTH = 10505,
    ID_VIEW_CHAMP = 10506,
    ID_VIEW_CHALL = 10507,

    // Options menu
    ID_PRESENTATION = 10508,
    ID_OPTIONS = 10509,
    ID_LANGUAGE = 10510,
    ID_SAVE_AUTO = 10511,

    // Rules menu
    ID_PLAYING_AREA = 10603,
    ID_ALL_THE_GAMES = 10604,
    ID_MEM_LISTE_JEUX = 10605,

    // Tools menu
    ID_CREATE_SIF_SCORE_SET = 10610,
    ID_HELP_SIF_SCORE_SET = 10611,
    ID_COPY_SIF_SCORE_SET = 10612,
    ID_MOVE_SIF_SCORE_SET = 10613,
    ID_RENAME_SIF_SCORE_SET = 10614,
    ID_DELETE_SIF_SCORE_SET = 10615,
    ID_DELETE_ONE_TEAM = 10616,
    ID_CHAMPIONSHIP_TABLE = 10617,

    // Help menu
    ID_FEUILLE_ARRIVEE = 10701,
    ID_MEM_ARBITRE = 10702,
    ID_MEM_JUGE_LIGNE = 10703,
    ID_MEM_CHEF_PISTE = 10704,
    ID_MEMO_TABLEUR = 10705,
    ID_MEMO_PRINT = 10706,
    ID_MEMO_PV = 10707,
    ID_ABOUT = 10708,
    ID_LOG_CHANGE = 10709,
    ID_USER_GUIDE = 10710,

    // Published results and the full-screen view
    ID_PUBLISH_RESULTS = 10770,
    ID_PUBLISH_NOW = 10771,
    ID_FULL_SCREEN = 10772,

    // Windows and controls
    ID_TOOLBAR = 10101,
    ID_STATUS_BAR = 10102,
    ID_HTML_WINDOW = 10105,
    ID_SHEET_COMBO = 10800,
};

}  // namespace zavgui
