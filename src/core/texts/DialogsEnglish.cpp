// English dialog texts: the reference wording of every dialog.
//
// Layout of the dialog block, the same in the four languages (offsets added
// to the language base; named in texts/DialogTexts.h):
//   400..409  buttons and marks shared by several dialogs
//   410..429  General data
//   430..439  Teams and colours
//   440..449  Game list
//   450..459  Logo
//   460..479  Colours
//   480..489  Language
//   490..499  PDF export and missing documents
//   500       title of the Game result dialog
//   501..504  Game result and Tie-break
//   600..615  dialog titles, at each dialog's kind
//   616..624  previous scores, add-on column, staff names, withdrawal
//   900..910  score sheet set dialogs (default options, group of categories)
#include "texts/TextTable.h"

namespace zav {

extern const TextEntry kDialogsEnglish[] = {
    {400, "OK"},
    {401, "Cancel"},
    {402, "Search..."},
    {403, "Change..."},
    {404, "?"},

    {410, "Score sheet general data"},
    {411, "Title"},
    {412, "Sub-title"},
    {413, "Date"},
    {414, "Time"},
    {415, "Referee"},
    {416, "Teams number"},
    {417, "Games number"},
    {418, "Points for the first team"},
    {419, "Elimination rules"},
    {420, "Optional data for 'Challenge' score sheet"},
    {421, "Title 'Challenge'"},
    {422, "Points for the first 'Challenge' team"},

    {430, "Names and colors of teams"},
    {431, "Names"},
    {432, "Colors"},
    {433, "Challenge"},
    {434, "Team %d"},

    {440, "Game list"},
    {441, "Game %d"},

    {450, "Logo : maximum logo height is 100 pixels"},

    {460, "Color choice for display"},
    {461, "Color for title and sub-title"},
    {462, "Color for table header"},
    {463, "Color for even lines"},
    {464, "Color for odd lines"},
    {465, "Predefined models"},
    {466, "Water"},
    {467, "Sand"},
    {468, "Coal"},
    {469, "Grass"},
    {470, "Gold"},
    {471, "Silver"},
    {472, "Bronze"},
    {473, "B and W only"},
    {474, "Annuler"},

    {480, "Warning : the software will be closed then re-opened to change language."},

    {490, "Export score sheet to PDF"},
    {491, "Export assistant referees and arena party list to PDF"},
    {492, "Export equipment list to PDF"},
    {493, "PDF files (*.pdf)|*.pdf"},
    {494,
     "The document %s is missing. Put a copy of it in the folder %s to open it from this menu."},
    {495, "Error while writing the PDF file = %s"},

    {500, "Game result input"},
    {501, "Game"},
    {502, "Arrival order"},
    {503, "Blame"},
    {504, "Tie-break"},
    {600, "Tie-break result input"},
    {601, "Previous heat result"},
    {602, "General data input"},
    {603, "Teams and colors input"},
    {604, "Game list input"},
    {605, "Choice of logo"},
    {606, "Color choice"},
    {607, "Software language"},
    {608, "Add-on column input"},
    {610, "Previous 'Challenge' heat(s) result"},
    {611, "Arena party names input"},
    {612, "Assistant referee names input"},
    {613, "Score sheet set : Default options"},
    {614, "Score sheet set : Group of categories"},
    {615, "Team to delete from current score sheet"},
    {616, "Scores"},
    {617, "Erase all"},
    {618, "Previous 'Challenge' result"},
    {619, "Column title"},
    {620, "Content by team"},
    {621, "Names of assistant referees"},
    {622, "Arena party names"},
    {623, "Choose the team to delete from the current score sheet."},
    {624, "WARNING : after validation, the deletion of the team will be irreversible."},

    {900, "Common title"},
    {901, "The selected games number will be set by default for each score sheet."},
    {902, "Then, it will possible to change the value sheet per sheet."},
    {903, "French rules (points and elimination rule)"},
    {904, "International rules (points and elimination rule)"},
    {905, "One score sheet will be edited per category (Open, Junior, Minime...) "},
    {906, "Categories will be grouped on different score sheets."},
    {907, "Score sheet n°"},
    {908, "Choose the team(s) to enter on the score sheet whose number is above."},
    {909, "To select some teams, press on CTRL when you click on the line of each team."},
    {910, "Press OK when you have selected ALL the teams for the score sheet."},
};
extern const std::size_t kDialogsEnglishCount =
    sizeof(kDialogsEnglish) / sizeof(kDialogsEnglish[0]);

}  // namespace zav
