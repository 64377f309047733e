// Offsets of the texts of the program's dialogs, in the 400..999 block of
// each language (the layout is described at the top of DialogsEnglish.cpp).
// Load them like any text: LoadText(wxLanguage + offset).
#pragma once

namespace zav::dlg {

// Buttons and marks shared by several dialogs
constexpr int kOk = 400;
constexpr int kCancel = 401;
constexpr int kSearch = 402;
constexpr int kChange = 403;
constexpr int kHelpMark = 404;

// General data
constexpr int kGeneralGroup = 410;
constexpr int kTitle = 411;
constexpr int kSubTitle = 412;
constexpr int kDate = 413;
constexpr int kTime = 414;
constexpr int kReferee = 415;
constexpr int kTeamsNumber = 416;
constexpr int kGamesNumber = 417;
constexpr int kFirstTeamPoints = 418;
constexpr int kEliminationRules = 419;
constexpr int kChallengeGroup = 420;
constexpr int kChallengeTitle = 421;
constexpr int kFirstChallengePoints = 422;

// Teams and colours
constexpr int kTeamsGroup = 430;
constexpr int kNames = 431;
constexpr int kColors = 432;
constexpr int kChallenge = 433;
constexpr int kTeamNumber = 434;  // "Team %d"

// Game list
constexpr int kGamesGroup = 440;
constexpr int kGameNumber = 441;  // "Game %d"

// Logo
constexpr int kLogoNote = 450;

// Colours
constexpr int kColorsHeading = 460;
constexpr int kColorTitle = 461;
constexpr int kColorHeader = 462;
constexpr int kColorEvenLines = 463;
constexpr int kColorOddLines = 464;
constexpr int kModelsGroup = 465;
constexpr int kModelWater = 466;  // the eight models follow in table order
constexpr int kModelCount = 8;
constexpr int kColorsCancel = 474;

// Language
constexpr int kLanguageNote = 480;

// PDF export and documents
constexpr int kExportPdf = 490;
constexpr int kExportStaffPdf = 491;
constexpr int kExportEquipPdf = 492;
constexpr int kPdfFilter = 493;
// "%s" = the document's file name, then the user's folder for documents
constexpr int kDocumentMissing = 494;
constexpr int kPdfFailed = 495;  // "%s" = the chosen path

// Game result and tie-break
constexpr int kGameGroup = 501;
constexpr int kArrivalOrder = 502;
constexpr int kBlameHeading = 503;
constexpr int kTieBreakHeader = 504;

// Previous scores, add-on column, staff names, withdrawal
constexpr int kScoresGroup = 616;
constexpr int kEraseAll = 617;
constexpr int kPreviousChallHeader = 618;
constexpr int kColumnTitle = 619;
constexpr int kContentByTeam = 620;
constexpr int kARefereeHeader = 621;
constexpr int kPlaceurHeader = 622;
constexpr int kChooseTeamToDelete = 623;
constexpr int kDeletionWarning = 624;

// Score sheet set: default options and group of categories
constexpr int kCommonTitle = 900;
constexpr int kSetGamesNote1 = 901;
constexpr int kSetGamesNote2 = 902;
constexpr int kFrenchRules = 903;
constexpr int kInternationalRules = 904;
constexpr int kOneSheetPerCategory = 905;
constexpr int kGroupedCategories = 906;
constexpr int kSheetNumber = 907;  // followed by the number of the sheet
constexpr int kGroupNote1 = 908;
constexpr int kGroupNote2 = 909;
constexpr int kGroupNote3 = 910;

// Dialog titles, at the dialog's kind
constexpr int kTitleGameResult = 500;
constexpr int kTitleTieBreak = 600;
constexpr int kTitlePreviousHeat = 601;
constexpr int kTitleGeneralData = 602;
constexpr int kTitleTeams = 603;
constexpr int kTitleGameList = 604;
constexpr int kTitleLogo = 605;
constexpr int kTitleColors = 606;
constexpr int kTitleLanguage = 607;
constexpr int kTitleColumnSup = 608;
constexpr int kTitlePreviousChall = 610;
constexpr int kTitlePlaceurNames = 611;
constexpr int kTitleARefereeNames = 612;
constexpr int kTitleSetOptions = 613;
constexpr int kTitleSetGroups = 614;
constexpr int kTitleDeleteTeam = 615;

}  // namespace zav::dlg
